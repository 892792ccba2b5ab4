// The node dialog of the sample tree: its captions by type, and the name rule
// it holds the user to.
#include "frame/win32constants.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"
#include "xml/widgets/editdatasourcenodedlg.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestEditDatasourceNodeDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionAndGroupFollowTheType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("group");
        QTest::newRow("edit element") << 0 << u"Edit Element"_s << u"Element"_s;
        QTest::newRow("edit attribute") << 1 << u"Edit Attribtue"_s << u"Attribute"_s;
        QTest::newRow("insert element") << 2 << u"Insert Element"_s << u"Element"_s;
        QTest::newRow("insert attribute") << 3 << u"Insert Attribute"_s << u"Attribute"_s;
        QTest::newRow("unknown keeps the template") << 9 << u"Edit Node"_s << u"Node"_s;
    }

    void captionAndGroupFollowTheType()
    {
        QFETCH(int, type);
        QFETCH(QString, caption);
        QFETCH(QString, group);
        EditDatasourceNodeDlg dialog(EditDatasourceNodeDlg::DialogType(type), "line", "7", false,
                                     true);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), caption);
        auto* box = dialog.control<QGroupBox>(EditDatasourceNodeDlg::IDC_NODE_GROUP);
        QVERIFY2(box, "group box 2090 not found. Adapt this test.");
        QCOMPARE(box->title(), group);
        auto* name = dialog.control<QLineEdit>(EditDatasourceNodeDlg::IDC_NAME);
        auto* value = dialog.control<QLineEdit>(EditDatasourceNodeDlg::IDC_VALUE);
        QCOMPARE(name->text(), QStringLiteral("line"));
        QVERIFY(!name->isEnabled());
        QCOMPARE(value->text(), QStringLiteral("7"));
        QVERIFY(value->isEnabled());
    }

    void nameRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("nameEnabled");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("leading digit") << u"1abc"_s << true << false;
        QTest::newRow("prefix") << u"a:b"_s << true << false;
        QTest::newRow("dot") << u"a.b"_s << true << false;
        QTest::newRow("blank inside") << u"a b"_s << true << false;
        QTest::newRow("empty") << u""_s << true << false;
        QTest::newRow("underscore, dash, digit") << u"_a-1"_s << true << true;
        QTest::newRow("anything with the name box disabled") << u"1a:b.c"_s << false << true;
    }

    void nameRule()
    {
        QFETCH(QString, name);
        QFETCH(bool, nameEnabled);
        QFETCH(bool, accepted);
        TestSupport::RecordingMessageBoxFactory messages;
        EditDatasourceNodeDlg dialog(EditDatasourceNodeDlg::InsertAttribute,
                                     nameEnabled ? "" : name, "", nameEnabled, true);
        dialog.show();
        if (nameEnabled) {
            QTest::keyClicks(dialog.control<QLineEdit>(EditDatasourceNodeDlg::IDC_NAME), name);
        }
        QTest::keyClicks(dialog.control<QLineEdit>(EditDatasourceNodeDlg::IDC_VALUE), "v");
        QTest::mouseClick(dialog.control(Win32::IDOK), Qt::LeftButton);
        QCOMPARE(dialog.isVisible(), !accepted);
        if (accepted) {
            QCOMPARE(messages.count(), 0);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.getName().toQString(), name);
            QCOMPARE(dialog.getValue().toQString(), QStringLiteral("v"));
        } else {
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().text, QStringLiteral("Please a valid name"));
            QCOMPARE(messages.last().type & Win32::MB_ICONMASK, Win32::MB_ICONWARNING);
            QVERIFY(dialog.getName().isEmpty()); // nothing stored while refused
        }
    }
};

UIEDITOR_TEST_CLASS(TestEditDatasourceNodeDlg)
#include "tst_editdatasourcenodedlg.moc"
