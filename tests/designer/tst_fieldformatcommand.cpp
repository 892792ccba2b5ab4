// Format > Field Format sets the format of the selected kmb:field in one
// undoable step; the format survives saving, and with sample data the field
// prints its value formatted.
#include "dialogs/field/cformatfieldnumberdlg.h"
#include "dialogs/field/formatfielddlg.h"
#include "modalanswerer.h"
#include "sampleinvoice.h"
#include "templatepreview.h"
#include "testregistry.h"

#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace DesignerTest;

namespace {

const QString grossField = u"//kmb:field[@xpath='/invoice/totals/gross']"_s;

QString formatOf(DesignerWindow& window)
{
    return first(window, grossField).get_attribute_value("format").toQString();
}

bool previewShows(DesignerWindow& window, const QString& text)
{
    for (const ViewLayoutBox& box : window.preview()->pageBoxes(0)) {
        if (box.kind == ViewLayoutBox::Kind::Text && box.text.toQString().contains(text)) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestFieldFormatCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QSettings().remove(u"designer/showSampleData"_s); }

    void formatIsAppliedUndoneSavedAndPrinted()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.showSampleDataAction()->setChecked(false);
        window.show();
        window.selectObject(first(window, grossField));
        QVERIFY(command(window, u"FormatFieldDlg"_s)->isEnabled());

        TestSupport::ModalAnswerer answer;
        answer.onNext<FormatFieldDlg>([](FormatFieldDlg* dialog) {
            dialog->control<QListWidget>(FormatFieldDlg::IDC_KINDS)->setCurrentRow(int(FieldFormat::Kind::Currency));
            auto* rows = dialog->page(FieldFormat::Kind::Currency)
                             ->control<QTreeWidget>(CFormatFieldNumberDlg::IDC_PREDEFINED_LIST);
            rows->setCurrentItem(rows->topLevelItem(1)); // 1.234,5€
            dialog->accept();
        });
        command(window, u"FormatFieldDlg"_s)->trigger();
        QVERIFY(answer.handled());
        const QString written = u"currency:#.###,#€ th:. dec:, sign:"_s;
        QCOMPARE(formatOf(window), written);

        window.document()->undoStack()->undo();
        QCOMPARE(formatOf(window), QString());
        window.document()->undoStack()->redo();
        QCOMPARE(formatOf(window), written);

        const QString saved = invoice.dir.filePath(u"formatted.fo"_s);
        window.document()->save(saved);
        QVERIFY(window.openTemplate(saved));
        QCOMPARE(formatOf(window), written);

        window.showSampleDataAction()->trigger();
        QVERIFY(window.showSampleDataAction()->isChecked());
        QVERIFY(previewShows(window, u"897,9€"_s));
        QVERIFY(!previewShows(window, u"897.86"_s));
    }
};

UIEDITOR_TEST_CLASS(TestFieldFormatCommand)
#include "tst_fieldformatcommand.moc"
