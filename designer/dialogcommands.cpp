#include "dialogcommands.h"

#include "designerwindow.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "frame/logdlg.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/corefilesystem.h"
#include "outside/sharedui/sharedfiledialogs.h"
#include "xml/widgets/xpatheditdlg.h"

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

QString needsTemplate(const DesignerWindow& window)
{
    return window.document().isNull() ? Tr::tr("Open a template first.") : QString();
}

QString needsBlock(const DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (document.isNull()) {
        return needsTemplate(window);
    }
    const bool found = TemplateDocument::isInFlow(document->selected()) ||
                       !document->firstFlowBlock(document->selected()).isNull();
    return found ? QString() : Tr::tr("The template has no flow with a block to format.");
}

QString needsSample(const DesignerWindow& window)
{
    if (window.document().isNull()) {
        return needsTemplate(window);
    }
    return window.document()->hasSampleData()
               ? QString()
               : Tr::tr("The template has no sample data to build an expression against.");
}

// Borders and backgrounds belong to what a flow holds: a page-level
// selection opens the dialog on the first block of its flow.
void editBordersAndBackground(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (!TemplateDocument::isInFlow(document->selected())) {
        window.selectObject(document->firstFlowBlock(document->selected()));
    }
    BordersBackgroundDlg dialog(SmartPtr<IDocumentInformation>(document), &window);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    if (dialog.getCurrentPath().isEmpty()) {
        UIApplication::MessageBoxW(Tr::tr("Nothing was changed: no object was chosen under \"Apply to\"."),
                                   Win32::MB_ICONWARNING);
        return;
    }
    const PropertyCollection properties = dialog.getCurrentProperties();
    // The dialog returns the object's whole property set with the shorthands
    // it expanded left out: they must go from the template too.
    document->applyProperties(dialog.getCurrentPath(), properties, TemplateDocument::ApplyMode::Replace,
                              Tr::tr("Borders and Background"));
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
                                  TemplateDocument::ApplyMode::Merge, Tr::tr("XPath Expression"));
    }
    window.showResult(Tr::tr("XPath Expression"), xpath);
}

} // namespace

std::vector<DialogCommand> DialogCommands::all()
{
    return {
        {DialogCommand::Menu::Format, Tr::tr("&Borders and Background..."), QStringLiteral("BordersBackgroundDlg"),
         editBordersAndBackground, needsBlock},
        {DialogCommand::Menu::Data, Tr::tr("Load &Sample Data..."), QStringLiteral("LoadSampleData"), loadSampleData,
         needsTemplate},
        {DialogCommand::Menu::Data, Tr::tr("Edit &XPath..."), QStringLiteral("XPathEditDlg"), editXPath,
         needsSample},
        {DialogCommand::Menu::Document, Tr::tr("&Log..."), QStringLiteral("LogDlg"), showLog, nullptr},
    };
}
