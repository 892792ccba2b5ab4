#include "designerwindow.h"
#include "dialogentries.h"
#include "frame/logdlg.h"

namespace {

void showLog(DesignerWindow& window)
{
    LogDlg log(&window);
    for (const QString& message : window.messages()) {
        log.addMessage(message);
    }
    log.DoModal();
}

std::unique_ptr<QWidget> logSample()
{
    auto log = std::make_unique<LogDlg>();
    log->addMessage("invoice.xml: loaded 42 lines");
    log->addMessage("invoice.xsd, line 17: the type \"Money\" is not defined");
    return log;
}

} // namespace

DialogEntry logEntry()
{
    return {QStringLiteral("LogDlg"), DialogEntry::Menu::Document, DialogCommands::tr("&Log..."), showLog, nullptr,
            {{QStringLiteral("LogDlg"), logSample}}};
}
