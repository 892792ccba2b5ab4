// Sort strings as the template stores them, the sort dialog and field as an
// author uses them, and the row-grouping dialog's checks.
#include "dialogs/data/editsortdlg.h"
#include "dialogs/data/rowsgroupdlg.h"
#include "dialogs/data/sortctrl.h"
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "recordingmessageboxfactory.h"
#include "sampledocument.h"
#include "testregistry.h"

#include <QComboBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::FakeDocumentInformation;

namespace {

struct Document
{
    QTemporaryDir folder;
    SmartPtr<FakeDocumentInformation> info = TestSupport::documentWithSample(folder);
};

QString cell(EditSortDlg& dialog, int row, int column)
{
    return dialog.control<QTableWidget>(EditSortDlg::IDC_CRITERIA_LIST)->item(row, column)->text();
}

void selectRow(EditSortDlg& dialog, int row)
{
    dialog.control<QTableWidget>(EditSortDlg::IDC_CRITERIA_LIST)->selectRow(row);
}

void choose(EditSortDlg& dialog, int comboId, int index)
{
    auto* combo = dialog.control<QComboBox>(comboId);
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

} // namespace

class TestSortGroup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortStringIsReadAsStored_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("written");
        // clang-format off
        QTest::newRow("bare select") << u"price"_s << u"s:price dt:text or:ascending co:upper-first"_s;
        QTest::newRow("two keys") << u"s:price dt:number or:descending co:lower-first;s:name dt:text or:ascending co:lower-first"_s << u"s:price dt:number or:descending co:lower-first;s:name dt:text or:ascending co:lower-first"_s;
        QTest::newRow("trailing ;") << u"s:a dt:text or:ascending co:upper-first;"_s << u"s:a dt:text or:ascending co:upper-first"_s;
        QTest::newRow("no blank after select") << u"s:price"_s << u""_s;
        QTest::newRow("unknown words") << u"s:a dt:Number or:DESC co:x"_s << u"s:a dt:text or:ascending co:upper-first"_s;
        QTest::newRow("co takes the rest") << u"s:a co:lower-first dt:number"_s << u"s:a dt:number or:ascending co:upper-first"_s;
        QTest::newRow("empty pieces") << u";;"_s << u""_s;
        QTest::newRow("prefixed select") << u"s:ns:price dt:number or:ascending co:upper-first"_s << u"s:ns:price dt:number or:ascending co:upper-first"_s;
        // clang-format on
    }
    void sortStringIsReadAsStored()
    {
        QFETCH(QString, stored);
        QFETCH(QString, written);
        QCOMPARE(SortCriteria::toString(SortCriteria::fromString(stored)).toQString(), written);
    }

    void everyStorableSortRoundTrips()
    {
        QRandomGenerator random(20261206);
        const QString alphabet = u"abc/@:.[]()*=<>&;'\"0129-_"_s;
        for (int round = 0; round < 2000; ++round) {
            std::vector<SortCriteria> criteria(size_t(random.bounded(1, 5)));
            for (SortCriteria& criterion : criteria) {
                QString select;
                do {
                    select.clear();
                    for (int i = random.bounded(1, 12); i > 0; --i) {
                        select += alphabet[random.bounded(int(alphabet.size()))];
                    }
                } while (!SortCriteria::isStorableSelect(select));
                criterion = {select, random.bounded(2), random.bounded(2), random.bounded(2)};
            }
            const Core::String text = SortCriteria::toString(criteria);
            QVERIFY2(SortCriteria::fromString(text) == criteria, qPrintable(text.toQString()));
        }
    }

    void listButtonsAndCombosFollowTheSelection()
    {
        Document doc;
        EditSortDlg dialog(doc.info, "s:price dt:number or:descending co:lower-first;name", "/invoice/line");
        dialog.open();
        QCOMPARE(cell(dialog, 0, 3), QString()); // no case order for a number key
        QCOMPARE(cell(dialog, 1, 3), u"upper-first"_s);
        QVERIFY(!dialog.control<QPushButton>(EditSortDlg::IDC_MOVE_UP)->isEnabled());
        QVERIFY(!dialog.control(EditSortDlg::IDC_CASE_ORDER)->isEnabled());

        selectRow(dialog, 1);
        QVERIFY(dialog.control(EditSortDlg::IDC_CASE_ORDER)->isEnabled());
        QVERIFY(!dialog.control<QPushButton>(EditSortDlg::IDC_MOVE_DOWN)->isEnabled());
        dialog.control<QPushButton>(EditSortDlg::IDC_MOVE_UP)->click();
        choose(dialog, EditSortDlg::IDC_SORT_ORDER, 1);
        choose(dialog, EditSortDlg::IDC_DATA_TYPE, 1);
        QVERIFY(!dialog.control(EditSortDlg::IDC_CASE_ORDER)->isEnabled());
        QCOMPARE(dialog.getSortString().toQString(),
                 u"s:name dt:number or:descending co:upper-first;s:price dt:number or:descending co:lower-first"_s);

        dialog.control<QPushButton>(EditSortDlg::IDC_REMOVE)->click();
        QCOMPARE(dialog.criteria().size(), size_t(1));
        QVERIFY(!dialog.control<QPushButton>(EditSortDlg::IDC_MOVE_UP)->isEnabled());
    }

    void keysThatCannotBeStoredAreRefused()
    {
        Document doc;
        TestSupport::RecordingMessageBoxFactory messages;
        messages.answerWith({Win32::IDYES});
        EditSortDlg dialog(doc.info, QString(), "/invoice/line");
        QStringList answers{u""_s, u"price * 2"_s, u"quantity"_s};
        dialog.setSelectEditor([&answers](Core::String& select) {
            select = answers.takeFirst();
            return true;
        });
        dialog.open();
        dialog.control<QPushButton>(EditSortDlg::IDC_ADD)->click();
        QCOMPARE(messages.count(), 2); // the empty key, then the blank
        QCOMPARE(messages.messages()[0].textId, 63071u);
        QCOMPARE(dialog.getSortString().toQString(), u"s:quantity dt:text or:ascending co:upper-first"_s);
    }

    void withoutSampleTheDialogEndsCancelled()
    {
        EditSortDlg dialog(makeSmart<FakeDocumentInformation>(), "price", "/");
        QCOMPARE(dialog.DoModal(), int(Win32::IDCANCEL));
    }

    void sortFieldTakesTheDialogsString()
    {
        Document doc;
        SortCtrl field(doc.info, "/invoice/line");
        field.setText(u"price"_s);
        field.resize(240, 26);
        field.show();
        TestSupport::ModalAnswerer answer;
        answer.onNext<EditSortDlg>([](EditSortDlg* dialog) { dialog->accept(); });
        QTest::mouseClick(&field, Qt::LeftButton, {}, field.fieldButtonRect().center());
        QVERIFY(answer.handled());
        QCOMPARE(field.text(), u"s:price dt:text or:ascending co:upper-first"_s);
    }

    void groupByContext_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("groupContext");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("attribute step cut") << u"/invoice"_s << u"line/@id"_s << u"/invoice/line"_s;
        QTest::newRow("root stays") << u"/"_s << u"/"_s << u"/"_s;
        QTest::newRow("element") << u"/invoice"_s << u"line"_s << u"/invoice/line"_s;
        // clang-format on
    }
    void groupByContext()
    {
        QFETCH(QString, context);
        QFETCH(QString, groupContext);
        QFETCH(QString, expected);
        QCOMPARE(RowsGroupDlg::groupByContext(context, groupContext).toQString(), expected);
    }

    void groupDialogAsksForWhatIsMissing()
    {
        Document doc;
        TestSupport::RecordingMessageBoxFactory messages;
        RowsGroupDlg dialog(doc.info, "/invoice");
        dialog.open();
        QVERIFY(!dialog.control(RowsGroupDlg::IDC_GROUP_BY)->isEnabled());
        dialog.accept();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().textId, 63344u);
        QVERIFY(dialog.isVisible());

        dialog.control<QLineEdit>(RowsGroupDlg::IDC_GROUP_CONTEXT)->setText(u"line"_s);
        QVERIFY(dialog.control(RowsGroupDlg::IDC_GROUP_BY)->isEnabled());
        dialog.accept();
        QCOMPARE(messages.last().textId, 63343u);
        dialog.control<QLineEdit>(RowsGroupDlg::IDC_GROUP_BY)->setText(u"name"_s);
        dialog.accept();
        QCOMPARE(dialog.getGroupContextXpath().toQString(), u"line"_s);
        QCOMPARE(dialog.getGroupByXPath().toQString(), u"name"_s);
    }
};

UIEDITOR_TEST_CLASS(TestSortGroup)
#include "tst_sortgroup.moc"
