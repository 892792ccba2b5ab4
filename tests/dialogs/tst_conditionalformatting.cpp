// Conditional formatting as an author edits it: the template-wide list of
// conditions the dialog rewrites, and the property list of one condition.
#include "dialogdriver.h"
#include "dialogs/format/conditionalformattingdlg.h"
#include "dialogs/format/formatconditiondlg.h"
#include "fakedocumentinformation.h"
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "recordingmessageboxfactory.h"
#include "testregistry.h"
#include "values/variantctrl.h"

#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::FakeDocumentInformation;

namespace {

// "object:name=value?condition;...": the records as one line; a value
// written "$xpath" is a dynamic one.
std::vector<KMBAttribute> parsed(const QString& text)
{
    std::vector<KMBAttribute> records;
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        const QString value = part.section(u'=', 1).section(u'?', 0, 0);
        const bool dynamic = value.startsWith(u'$');
        records.emplace_back(part.section(u':', 0, 0), u"fo:"_s + part.section(u':', 1).section(u'=', 0, 0), QString(),
                             dynamic ? QString() : value, dynamic ? value.mid(1) : QString(), part.section(u'?', 1));
    }
    return records;
}

QString joined(const std::vector<KMBAttribute>& records, const QString& newId)
{
    QStringList parts;
    for (const KMBAttribute& record : records) {
        const QString object = record.getObjectId().toQString();
        const QString value = record.getValue().isEmpty() ? u'$' + record.getDynamicValue().toQString()
                                                          : record.getValue().toQString();
        parts << (object == newId && !newId.isEmpty() ? u"NEW"_s : object) + u':' +
                     record.getAttributeName().toQString().mid(3) + u'=' + value +
                     (record.getCondition().isEmpty() ? QString() : u'?' + record.getCondition().toQString());
    }
    return parts.join(u';');
}

SmartPtr<FakeDocumentInformation> blockWithId(const QString& id)
{
    auto document = makeSmart<FakeDocumentInformation>();
    document->addToChain("fo:block", "/fo:root/fo:page-sequence/fo:flow/fo:block",
                         id.isEmpty() ? QList<QPair<QString, QString>>{} : QList<QPair<QString, QString>>{{u"fo:id"_s, id}});
    document->addToChain("fo:flow", "/fo:root/fo:page-sequence/fo:flow");
    return document;
}

// Fills in the condition editor as a user does and confirms it.
void answerCondition(TestSupport::ModalAnswerer& answer, const QString& assignment)
{
    answer.onNext<FormatConditionDlg>([assignment](FormatConditionDlg* editor) {
        TestSupport::chooseEntry(editor->control<QComboBox>(FormatConditionDlg::IDC_PROPERTY),
                               u"    "_s + assignment.section(u'=', 0, 0));
        auto* value = editor->control<VariantCtrl>(FormatConditionDlg::IDC_VALUE);
        TestSupport::typeText(qobject_cast<QLineEdit*>(value->getControl()), assignment.section(u'=', 1).section(u'?', 0, 0));
        TestSupport::typeText(editor->control<QLineEdit>(FormatConditionDlg::IDC_CONDITION), assignment.section(u'?', 1));
        editor->accept();
    });
}

} // namespace

class TestConditionalFormatting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listRewritesTheCallersConditions_data()
    {
        QTest::addColumn<QString>("id");       // the object's fo:id
        QTest::addColumn<QString>("before");   // the caller's vector
        QTest::addColumn<QString>("steps");    // "|"-separated: +Property=value?test adds, -row removes, e<row> edits unchanged, cancel
        QTest::addColumn<QString>("expected"); // the vector after; NEW is the id made for the object
        // clang-format off
        QTest::newRow("ok moves the object's records to the end") << u"a"_s << u"a:color=red?x<0;b:color=blue;a:font-weight=bold;c:color=gray"_s << u""_s << u"b:color=blue;c:color=gray;a:color=red?x<0;a:font-weight=bold"_s;
        QTest::newRow("cancel changes nothing") << u"a"_s << u"a:color=red;b:color=blue"_s << u"-0|cancel"_s << u"a:color=red;b:color=blue"_s;
        QTest::newRow("remove keeps the others' order") << u"a"_s << u"a:color=red;b:color=blue;a:font-weight=bold;c:color=gray"_s << u"-0"_s << u"b:color=blue;c:color=gray;a:font-weight=bold"_s;
        QTest::newRow("added after the object's own") << u"a"_s << u"a:color=red;b:color=blue"_s << u"+Color=green?amount < 0"_s << u"b:color=blue;a:color=red;a:color=green?amount < 0"_s;
        QTest::newRow("object without id gets a new one") << u""_s << u"b:color=blue;:color=lost"_s << u"+Color=green"_s << u"b:color=blue;:color=lost;NEW:color=green"_s;
        QTest::newRow("a dynamic value stays dynamic when edited") << u"a"_s << u"a:color=$@tint?@tint"_s << u"e0"_s << u"a:color=$@tint?@tint"_s;
        // clang-format on
    }

    void listRewritesTheCallersConditions()
    {
        QFETCH(QString, id);
        QFETCH(QString, before);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        std::vector<KMBAttribute> conditions = parsed(before);
        ConditionalFormattingDlg dialog(blockWithId(id), &conditions, "/invoice");
        dialog.show();
        auto* list = dialog.control<QTableWidget>(ConditionalFormattingDlg::IDC_CONDITIONS);
        bool cancel = false;
        for (const QString& step : steps.split(u'|', Qt::SkipEmptyParts)) {
            if (step == u"cancel"_s) {
                cancel = true;
            } else if (step.startsWith(u'-')) {
                list->selectRow(step.mid(1).toInt());
                dialog.control<QPushButton>(ConditionalFormattingDlg::IDC_REMOVE)->click();
            } else if (step.startsWith(u'e')) {
                const QPoint cell = list->visualItemRect(list->item(step.mid(1).toInt(), 0)).center();
                TestSupport::ModalAnswerer answer;
                answer.onNext<FormatConditionDlg>([](FormatConditionDlg* editor) { editor->accept(); });
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
                QVERIFY(answer.handled());
            } else {
                TestSupport::ModalAnswerer answer;
                answerCondition(answer, step.mid(1));
                dialog.control<QPushButton>(ConditionalFormattingDlg::IDC_ADD)->click();
                QVERIFY(answer.handled());
            }
        }
        dialog.control<QPushButton>(cancel ? Win32::IDCANCEL : Win32::IDOK)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(joined(conditions, id.isEmpty() ? dialog.getObjectID().toQString() : QString()), expected);
        if (id.isEmpty() && !cancel) {
            QVERIFY(QRegularExpression(u"^id[0-9a-f]{32}$"_s).match(dialog.getObjectID().toQString()).hasMatch());
        } else {
            QCOMPARE(dialog.getObjectID().toQString(), id);
        }
    }

    void listShowsDynamicValuesAndSidesOfBorders_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("property"); // the first two columns of its row
        QTest::addColumn<QString>("value");
        QTest::newRow("static") << u"a:color=red"_s << u"Color"_s << u"red"_s;
        QTest::newRow("dynamic") << u"a:color=$@tint"_s << u"Color"_s << u"(dynamic)"_s;
        QTest::newRow("left border") << u"a:border-left-width=2pt"_s << u"Left Border Width"_s << u"2pt"_s;
        QTest::newRow("bottom border") << u"a:border-bottom-color=red"_s << u"Bottom Border Color"_s << u"red"_s;
        QTest::newRow("unknown to the object") << u"a:frobnicate=1"_s << u"frobnicate"_s << u"1"_s;
    }

    void listShowsDynamicValuesAndSidesOfBorders()
    {
        QFETCH(QString, record);
        QFETCH(QString, property);
        QFETCH(QString, value);
        std::vector<KMBAttribute> conditions = parsed(record);
        ConditionalFormattingDlg dialog(blockWithId(u"a"_s), &conditions, "/");
        dialog.show();
        auto* list = dialog.control<QTableWidget>(ConditionalFormattingDlg::IDC_CONDITIONS);
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->item(0, 0)->text(), property);
        QCOMPARE(list->item(0, 1)->text(), value);
        // The editor offers the same name under a heading of its group.
        FormatConditionDlg editor(blockWithId(u"a"_s), Core::String(), "/", true);
        editor.show();
        auto* combo = editor.control<QComboBox>(FormatConditionDlg::IDC_PROPERTY);
        const int row = combo->findText(u"    "_s + property);
        QCOMPARE(row > 0, property != u"frobnicate"_s);
        if (row > 0) {
            QVERIFY(!combo->itemData(0, Qt::UserRole).isValid() && combo->itemData(row, Qt::UserRole).isValid());
        }
    }

    void conditionNeedsPropertyAndValue_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("message"); // 0: the dialog closes
        QTest::newRow("no property") << u""_s << u"red"_s << 63167;
        QTest::newRow("no value") << u"Color"_s << u""_s << 63168;
        QTest::newRow("no condition is fine") << u"Color"_s << u"red"_s << 0;
    }

    void conditionNeedsPropertyAndValue()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(int, message);
        TestSupport::RecordingMessageBoxFactory messages;
        FormatConditionDlg editor(blockWithId(u"a"_s), Core::String(), "/", true);
        editor.show();
        if (!property.isEmpty()) {
            TestSupport::chooseEntry(editor.control<QComboBox>(FormatConditionDlg::IDC_PROPERTY), u"    "_s + property);
        }
        auto* field = qobject_cast<QLineEdit*>(editor.control<VariantCtrl>(FormatConditionDlg::IDC_VALUE)->getControl());
        TestSupport::typeText(field, value);
        editor.control<QPushButton>(Win32::IDOK)->click();
        QCOMPARE(editor.isVisible(), message != 0);
        QCOMPARE(messages.count(), message != 0 ? 1 : 0);
        if (message != 0) {
            QCOMPARE(int(messages.last().textId), message);
        }
    }
};

UIEDITOR_TEST_CLASS(TestConditionalFormatting)
#include "tst_conditionalformatting.moc"
