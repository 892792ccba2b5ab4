#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/data/insertconditionalsectionsdlg.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"
#include "outside/core/namespaces.h"

#include <QListWidget>

namespace {

bool isFo(const Xml::Element& element, std::initializer_list<const char*> names)
{
    if (element.get_namespace_uri() != Xml::Namespaces::FO) {
        return false;
    }
    for (const char* name : names) {
        if (element.get_local_name() == name) {
            return true;
        }
    }
    return false;
}

bool isBlockLevel(const Xml::Element& element)
{
    return isFo(element, {"block", "block-container", "table-and-caption", "table", "list-block"}) ||
           (element.get_namespace_uri() == Xml::Namespaces::KMB &&
            element.get_local_name() == "conditional-block-sequence");
}

// What holds blocks directly: a new block sequence goes at its end.
bool holdsBlocks(const Xml::Element& element)
{
    return isFo(element, {"flow", "static-content", "table-cell", "list-item-label", "list-item-body"}) ||
           (element.get_namespace_uri() == Xml::Namespaces::KMB && element.get_local_name() == "conditional-block");
}

// The object inside a flow the insertion starts from: the selection, or the
// first block of the flow below a page-level selection.
Xml::Element startingPoint(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (!TemplateDocument::isInFlow(document->selected())) {
        window.selectObject(document->firstFlowBlock(document->selected()));
    }
    return document->selected();
}

// Blocks go after the block the selection is or lies in, or at the end of
// the flow or cell selected.
void insertSections(DesignerWindow& window, bool inlines)
{
    const SmartPtr<TemplateDocument> document = window.document();
    Xml::Element target = startingPoint(window);
    TemplateDocument::InsertPosition position = TemplateDocument::InsertPosition::After;
    if (inlines) {
        // Inlines go at the end of a selected block, after a selected inline,
        // else at the end of the first block below the selection.
        const Xml::Element parent = target.get_parent();
        if (isFo(target, {"block"})) {
            position = TemplateDocument::InsertPosition::Inside;
        } else if (parent.isNull() || !isFo(parent, {"block", "inline"})) {
            const std::vector<Xml::Node> blocks = target.find(".//fo:block", {{"fo", Xml::Namespaces::FO}});
            target = blocks.empty() ? document->firstFlowBlock(target) : Xml::Element(blocks.front());
            position = TemplateDocument::InsertPosition::Inside;
        }
    } else {
        for (Xml::Element up = target; !up.isNull(); up = up.get_parent()) {
            if (isBlockLevel(up) || holdsBlocks(up)) {
                target = up;
                position = isBlockLevel(up) ? TemplateDocument::InsertPosition::After
                                            : TemplateDocument::InsertPosition::Inside;
                break;
            }
        }
    }
    InsertConditionalSectionsDlg dialog(document, TemplateDocument::expressionContext(target), &window);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    const Core::String markup = inlines ? dialog.getInlineConditionalSectionXml() : dialog.getConditionalSectionXml();
    window.selectObject(target);
    window.document()->insertMarkup(markup, position,
                                    inlines ? DialogCommands::tr("Insert Conditional Section (Inline)")
                                            : DialogCommands::tr("Insert Conditional Section (Block)"));
    window.showResult(DialogCommands::tr("Conditional Section"), markup.toQString());
}

// The tests are built in the expression editor, which needs sample data.
QString unavailable(const DesignerWindow& window)
{
    const QString missing = CommandNeeds::sampleData(window);
    return missing.isEmpty() ? CommandNeeds::flowBlock(window) : missing;
}

std::unique_ptr<QWidget> sectionsSample()
{
    auto dialog = std::make_unique<InsertConditionalSectionsDlg>(GallerySamples::invoice(), "/invoice");
    dialog->addCondition("count(lines/line) > 10");
    dialog->addCondition("customer/country = 'Germany'");
    dialog->addCondition("@currency != 'EUR'");
    dialog->show(); // fills the list
    dialog->control<QListWidget>(InsertConditionalSectionsDlg::IDC_CONDITIONS)->setCurrentRow(2);
    return dialog;
}

} // namespace

DialogEntry conditionalBlockEntry()
{
    return {QStringLiteral("InsertConditionalSectionsDlg"),
            DialogEntry::Menu::Insert,
            DialogCommands::tr("Conditional Section (&Block)..."),
            [](DesignerWindow& window) { insertSections(window, false); },
            unavailable,
            {{QStringLiteral("InsertConditionalSectionsDlg"), sectionsSample}}};
}

DialogEntry conditionalInlineEntry()
{
    return {QStringLiteral("InsertConditionalSectionsDlgInline"),
            DialogEntry::Menu::Insert,
            DialogCommands::tr("Conditional Section (&Inline)..."),
            [](DesignerWindow& window) { insertSections(window, true); },
            unavailable,
            {}};
}
