// Format > Font, Cell Margins and the Bold button on the sample invoice: each
// changes what the user set, is one step of Undo, and is in the saved file.
#include "controls/lengthorpercentctrl.h"
#include "dialogdriver.h"
#include "dialogs/format/cellmarginsdlg.h"
#include "dialogs/format/fonteditordlg.h"
#include "modalanswerer.h"
#include "sampleinvoice.h"
#include "testregistry.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace DesignerTest;

namespace {

QString attributesOf(const Xml::Element& element)
{
    return TemplateDocument::propertiesOf(element).getPropertiesString().toQString();
}

} // namespace

class TestFormatCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fontAppliesUndoesAndIsSaved()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        const QString total = u"//*[@id='totals']/*[last()]"_s;
        window.selectObject(first(window, total));
        const QString before = attributesOf(window.document()->selected());

        TestSupport::ModalAnswerer answer;
        answer.onNext<FontEditorDlg>([](FontEditorDlg* dialog) {
            TestSupport::pickEntry(dialog->control<QComboBox>(11307), u"Double"_s);
            QTest::mouseClick(dialog->control<QPushButton>(1), Qt::LeftButton);
        });
        QAction* font = command(window, u"FontEditorDlg"_s);
        QVERIFY2(font && font->isEnabled(), "Format > Font... not found or disabled");
        font->trigger();
        QVERIFY(answer.handled());
        // Only the underline is new; the bold 12pt stays as written.
        const QString after = before + u" fo:text-underline-style=\"double\""_s;
        QCOMPARE(attributesOf(window.document()->selected()), after);

        window.undoAction()->trigger();
        QCOMPARE(attributesOf(first(window, total)), before);
        window.redoAction()->trigger();
        const QString saved = invoice.dir.filePath(u"saved.fo"_s);
        window.document()->save(saved);
        QCOMPARE(attributesOf(first(TemplateDocument::load(saved), total)), after);
    }

    void cellMarginsOfARowAreOneStep()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        const QString row = u"//fo:table-header/fo:table-row"_s;
        window.selectObject(first(window, row));
        QAction* margins = command(window, u"CellMarginsDlg"_s);
        QVERIFY(margins && margins->isEnabled());
        QVERIFY(margins->statusTip().contains(u"row"_s));

        TestSupport::ModalAnswerer answer;
        answer.onNext<CellMarginsDlg>([](CellMarginsDlg* dialog) {
            TestSupport::typeLength(dialog->control<LengthOrPercentCtrl>(11212), u"2"_s);
            QTest::mouseClick(dialog->control<QPushButton>(1), Qt::LeftButton);
        });
        margins->trigger();
        QVERIFY(answer.handled());
        const Xml::Element header = first(window, row);
        const auto cells = header.get_child_elements();
        QVERIFY(cells.size() > 1);
        for (const Xml::Element& cell : cells) {
            QCOMPARE(attributesOf(cell), u"fo:padding=\"4pt 4pt 4pt 2pt\""_s);
        }
        window.undoAction()->trigger();
        QCOMPARE(attributesOf(first(window, row).get_child_elements().back()),
                 u"fo:padding=\"4pt\""_s);
    }

    void boldSwitchesTheWeightOnly()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        window.selectObject(first(window, u"//*[@id='totals']/*[last()]"_s));
        QAction* bold = command(window, u"boldAction"_s);
        QVERIFY(bold && bold->isChecked());
        bold->trigger();
        QCOMPARE(window.document()->selected().get_attribute_value("font-weight").toQString(), u"normal"_s);
        QVERIFY(!bold->isChecked());
        QCOMPARE(window.document()->undoStack()->count(), 1);
        window.selectObject(first(window, u"//*[@id='totals']/*[1]"_s));
        bold->trigger();
        QCOMPARE(window.document()->selected().get_attribute_value("font-weight").toQString(), u"bold"_s);
        QVERIFY(window.document()->selected().get_attribute("font-style").isNull());
    }
};

UIEDITOR_TEST_CLASS(TestFormatCommands)
#include "tst_formatcommands.moc"
