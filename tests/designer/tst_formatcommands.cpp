// Format > Font, Cell Margins and the Bold button on the sample invoice: each
// changes what the user set, is one step of Undo, and is in the saved file.
#include "bundledsamples.h"
#include "controls/lengthorpercentctrl.h"
#include "designerwindow.h"
#include "dialogdriver.h"
#include "dialogs/format/cellmarginsdlg.h"
#include "dialogs/format/fonteditordlg.h"
#include "modalanswerer.h"
#include "testregistry.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

Xml::Element first(const SmartPtr<TemplateDocument>& document, const char* xpath)
{
    const auto found = document->root().find(xpath);
    return found.empty() ? Xml::Element() : Xml::Element(found.front());
}

QString attributesOf(const Xml::Element& element)
{
    return TemplateDocument::propertiesOf(element).getPropertiesString().toQString();
}

QAction* command(DesignerWindow& window, const QString& name)
{
    return window.findChild<QAction*>(name);
}

} // namespace

class TestFormatCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fontAppliesUndoesAndIsSaved()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.show();
        const char* total = "//*[@id='totals']/*[last()]";
        window.selectObject(first(window.document(), total));
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
        QCOMPARE(attributesOf(first(window.document(), total)), before);
        window.redoAction()->trigger();
        const QString saved = dir.filePath(u"saved.fo"_s);
        window.document()->save(saved);
        QCOMPARE(attributesOf(first(TemplateDocument::load(saved), total)), after);
    }

    void cellMarginsOfARowAreOneStep()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.show();
        const char* row = "//*[local-name()='table-header']/*[local-name()='table-row']";
        window.selectObject(first(window.document(), row));
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
        const Xml::Element header = first(window.document(), row);
        const auto cells = header.get_child_elements();
        QVERIFY(cells.size() > 1);
        for (const Xml::Element& cell : cells) {
            QCOMPARE(attributesOf(cell), u"fo:padding=\"4pt 4pt 4pt 2pt\""_s);
        }
        window.undoAction()->trigger();
        QCOMPARE(attributesOf(first(window.document(), row).get_child_elements().back()),
                 u"fo:padding=\"4pt\""_s);
    }

    void boldSwitchesTheWeightOnly()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.show();
        window.selectObject(first(window.document(), "//*[@id='totals']/*[last()]"));
        QAction* bold = command(window, u"boldAction"_s);
        QVERIFY(bold && bold->isChecked());
        bold->trigger();
        QCOMPARE(window.document()->selected().get_attribute_value("font-weight").toQString(), u"normal"_s);
        QVERIFY(!bold->isChecked());
        QCOMPARE(window.document()->undoStack()->count(), 1);
        window.selectObject(first(window.document(), "//*[@id='totals']/*[1]"));
        bold->trigger();
        QCOMPARE(window.document()->selected().get_attribute_value("font-weight").toQString(), u"bold"_s);
        QVERIFY(window.document()->selected().get_attribute("font-style").isNull());
    }
};

UIEDITOR_TEST_CLASS(TestFormatCommands)
#include "tst_formatcommands.moc"
