#include "dialogcommands.h"

#include "designerwindow.h"
#include "frame/logdlg.h"

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

} // namespace

std::vector<DialogCommand> DialogCommands::all()
{
    return {
        {DialogCommand::Menu::Document, Tr::tr("&Log..."), QStringLiteral("LogDlg"), showLog},
    };
}
