#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// Shows the library's messages. A host registers its own through
/// UIApplication::registerMessageBoxFactory to route messages elsewhere
/// (its own dialogs, a log, a test script).
class UIEDITOR_EXPORT MessageBoxFactory
{
public:
    virtual ~MessageBoxFactory();

    /// Shows string resource `textId`. `type` is a message-box style
    /// (Win32::MB_*), the result the button that closed it (Win32::ID*).
    virtual int showMessageBox(unsigned textId, unsigned type, unsigned helpId) = 0;
    /// Shows `text`.
    virtual int showMessageBox(Core::String text, unsigned type, unsigned helpId) = 0;
};
