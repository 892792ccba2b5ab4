// A host that is not a Qt application: it only calls the start-up function
// and then uses a dialog, a message and the outside services.
#include <frame/logdlg.h>
#include <frame/uieditorstartup.h>
#include <frame/uiapplication.h>
#include <outside/core/coreformat.h>

#include <QApplication>
#include <cstdio>

int main()
{
    if (QCoreApplication::instance()) {
        std::puts("unexpected application object before start-up");
        return 1;
    }
    InitNonApplicationWindowsUIEditor();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::puts("start-up made no application object");
        return 1;
    }
    LogDlg log;
    log.addMessage(Core::Format::format("{0} of {1}", 1, 2));
    log.show();
    if (log.messageCount() != 1 || log.windowTitle().isEmpty()) {
        std::puts("the dialog did not load its form");
        return 1;
    }
    std::puts("host ok");
    return 0;
}
