#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "frame/win32constants.h"
#include "xpathsamples.h"
#include "xml/widgets/xpatheditdlg.h"

namespace {

// Edits the expression of the selected object (a field, a repeat...) in
// place; on an object without one, builds an expression to look at.
void editXPath(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const Xml::Element selected = document->selected();
    const bool bound = !selected.isNull() && !selected.get_attribute("xpath").isNull();
    XPathEditDlg editor(document, bound ? selected.get_attribute_value("xpath") : Core::String(),
                        TemplateDocument::expressionContext(selected), &window);
    if (editor.DoModal() != Win32::IDOK) {
        return;
    }
    const Core::String xpath = editor.getXPath(false);
    if (bound) {
        PropertyCollection properties;
        properties.addProperty(EditableProperty("xpath", xpath), true);
        document->applyProperties(document->getSelectedObjectPath(), properties,
                                  TemplateDocument::ApplyMode::Merge, DialogCommands::tr("XPath Expression"));
    }
    window.showResult(DialogCommands::tr("XPath Expression"), xpath);
}

} // namespace

DialogEntry xpathEditEntry()
{
    return {QStringLiteral("XPathEditDlg"),
            DialogEntry::Menu::Data,
            DialogCommands::tr("Edit &XPath..."),
            editXPath,
            CommandNeeds::sampleData,
            {{QStringLiteral("XPathEditDlg"), makeXPathEditorSample}}};
}

DialogEntry xpathCtrlEntry()
{
    return {QStringLiteral("XPathCtrl"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {{QStringLiteral("XPathCtrl"), [] { return std::unique_ptr<QWidget>(std::make_unique<XPathCtrlSheet>()); }}}};
}
