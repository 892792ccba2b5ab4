#include "dialogcommands.h"

#include "designerwindow.h"
#include "frame/logdlg.h"
#include "outside/corefilesystem.h"
#include "outside/sharedfiledialogs.h"

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

} // namespace

std::vector<DialogCommand> DialogCommands::all()
{
    return {
        {DialogCommand::Menu::Data, Tr::tr("Load &Sample Data..."), QStringLiteral("LoadSampleData"), loadSampleData},
        {DialogCommand::Menu::Document, Tr::tr("&Log..."), QStringLiteral("LogDlg"), showLog},
    };
}
