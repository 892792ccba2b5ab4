#include "dialogcommands.h"

#include "designerwindow.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "frame/logdlg.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/corefilesystem.h"
#include "outside/sharedfiledialogs.h"
#include "xml/xpatheditdlg.h"

#include <QCoreApplication>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(DialogCommands)
};

void showLog(DesignerWindow& window)
{
    LogDlg log(&window);
    for (const QString& message : window.messages()) {
        log.addMessage(message);
    }
    log.DoModal();
}

// The formatting dialogs work on the selected object of the open template.
SmartPtr<TemplateDocument> openDocument(DesignerWindow& window)
{
    SmartPtr<TemplateDocument> document = window.document();
    if (document.isNull()) {
        UIApplication::MessageBoxW(Tr::tr("Open a template first."), Win32::MB_ICONINFORMATION);
    }
    return document;
}

void editBordersAndBackground(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = openDocument(window);
    if (document.isNull()) {
        return;
    }
    BordersBackgroundDlg dialog(SmartPtr<IDocumentInformation>(document), &window);
    if (dialog.DoModal() != Win32::IDOK || dialog.getCurrentPath().isEmpty()) {
        return;
    }
    const PropertyCollection properties = dialog.getCurrentProperties();
    // The dialog returns the object's whole property set with the shorthands
    // it expanded left out: they must go from the template too.
    document->applyProperties(dialog.getCurrentPath(), properties, TemplateDocument::ApplyMode::Replace);
    QStringList lines;
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        lines << property->getName().toQString() + QStringLiteral(" = ") + property->getValue().toQString();
    }
    window.showResult(dialog.getCurrentPath(), lines.join(QLatin1Char('\n')));
}

// Any of the three kinds of sample source; the extension tells which.
void loadSampleData(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (!document) {
        return;
    }
    const Core::String current = document->getSampleXml().isNull()
                                     ? document->getDocumentPath()
                                     : document->getSampleXml()->getXmlDocumentFilePath();
    const Core::String path = SharedUI::FileDialogs::getOpenFileName(
        &window, Tr::tr("Load Sample Data"), Core::IO::FileSystem::getDirectoryName(current),
        Tr::tr("Sample data (*.xml *.lfa *.xsd);;XML files (*.xml);;Data aggregation files (*.lfa);;"
               "XML schemas (*.xsd);;All files (*)"));
    if (path.isEmpty()) {
        return;
    }
    document->bindSample(path);
    if (!document->sampleError().isEmpty()) {
        window.addMessage(document->sampleError());
    }
}

// Edits the expression of the selected object (a field, a repeat...) in
// place; on an object without one, builds an expression to look at.
void editXPath(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (!document) {
        return;
    }
    if (!document->hasSampleData()) {
        UIApplication::MessageBoxW(
            Tr::tr("The template has no sample data to build an expression against."),
            Win32::MB_ICONINFORMATION);
        return;
    }
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
        document->applyProperties(document->getSelectedObjectPath(), properties);
    }
    window.showResult(Tr::tr("XPath Expression"), xpath);
}

} // namespace

std::vector<DialogCommand> DialogCommands::all()
{
    return {
        {DialogCommand::Menu::Format, Tr::tr("&Borders and Background..."), QStringLiteral("BordersBackgroundDlg"),
         editBordersAndBackground},
        {DialogCommand::Menu::Data, Tr::tr("Load &Sample Data..."), QStringLiteral("LoadSampleData"), loadSampleData},
        {DialogCommand::Menu::Data, Tr::tr("Edit &XPath..."), QStringLiteral("XPathEditDlg"),
         editXPath},
        {DialogCommand::Menu::Document, Tr::tr("&Log..."), QStringLiteral("LogDlg"), showLog},
    };
}
