#include "onestepedit.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/coreexception.h"
#include "templatedocument.h"

#include <QUndoStack>

bool editInOneStep(TemplateDocument& document, const QString& action, const std::function<void()>& edit)
{
    QUndoStack* undo = document.undoStack();
    const int before = undo->index();
    undo->beginMacro(action);
    try {
        edit();
    } catch (const Core::Exception& e) {
        undo->endMacro();
        if (undo->index() > before) {
            undo->undo();
        }
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_ICONERROR);
        return false;
    }
    undo->endMacro();
    return true;
}
