#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "outside/core/corefilesystem.h"
#include "outside/sharedui/sharedfiledialogs.h"

namespace {

// Any of the three kinds of sample source; the extension tells which.
void loadSampleData(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const Core::String current = document->getSampleXml().isNull()
                                     ? document->getDocumentPath()
                                     : document->getSampleXml()->getXmlDocumentFilePath();
    const Core::String path = SharedUI::FileDialogs::getOpenFileName(
        &window, DialogCommands::tr("Load Sample Data"), Core::IO::FileSystem::getDirectoryName(current),
        DialogCommands::tr("Sample data (*.xml *.lfa *.xsd);;XML files (*.xml);;Data aggregation files (*.lfa);;"
                           "XML schemas (*.xsd);;All files (*)"));
    if (path.isEmpty()) {
        return;
    }
    document->bindSample(path);
    if (!document->sampleError().isEmpty()) {
        window.addMessage(document->sampleError());
    }
}

} // namespace

DialogEntry loadSampleDataEntry()
{
    return {QStringLiteral("LoadSampleData"), DialogEntry::Menu::Data, DialogCommands::tr("Load &Sample Data..."),
            loadSampleData, CommandNeeds::openTemplate, {}};
}
