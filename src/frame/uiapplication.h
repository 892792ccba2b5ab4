#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

class MessageBoxFactory;

/// The one path of every message the library shows to the user.
class UIEDITOR_EXPORT UIApplication
{
public:
    /// Makes `factory` show every later message. No ownership is taken and
    /// nothing is checked: the factory must outlive its registration.
    static void registerMessageBoxFactory(MessageBoxFactory* factory);
    static MessageBoxFactory* registeredMessageBoxFactory();

    /// Shows string resource `textId` with a Win32::MB_* style; answers the
    /// Win32::ID* of the button pressed.
    static int MessageBoxW(unsigned textId, unsigned type = 0, unsigned helpId = 0);
    static int MessageBoxW(Core::String text, unsigned type = 0, unsigned helpId = 0);

private:
    UIApplication() = default;
    static MessageBoxFactory* registeredMessageBox;
};
