// The node dialog of the sample tree: its captions by type, and the name rule
// it holds the user to.
#include "frame/win32constants.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"
#include "xml/widgets/editdatasourcenodedlg.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

class TestEditDatasourceNodeDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionAndGroupFollowTheType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("group");
        QTest::newRow("edit element") << 0 << "Edit Element"
                                      << "Element";
        QTest::newRow("edit attribute") << 1 << "Edit Attribtue"
                                        << "Attribute";
        QTest::newRow("insert element") << 2 << "Insert Element"
                                        << "Element";
        QTest::newRow("insert attribute") << 3 << "Insert Attribute"
                                          << "Attribute";
        QTest::newRow("unknown keeps the template") << 9 << "Edit Node"
                                                    << "Node";
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
        QTest::newRow("leading digit") << "1abc" << true << false;
        QTest::newRow("prefix") << "a:b" << true << false;
        QTest::newRow("dot") << "a.b" << true << false;
        QTest::newRow("blank inside") << "a b" << true << false;
        QTest::newRow("empty") << "" << true << false;
        QTest::newRow("underscore, dash, digit") << "_a-1" << true << true;
        QTest::newRow("anything with the name box disabled") << "1a:b.c" << false << true;
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
