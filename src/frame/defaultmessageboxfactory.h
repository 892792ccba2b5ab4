#pragma once

#include "frame/messageboxfactory.h"

/// The factory registered at start-up: a QMessageBox over the active window,
/// with the buttons and icon the style asks for.
class UIEDITOR_EXPORT DefaultMessageBoxFactory : public MessageBoxFactory
{
public:
    int showMessageBox(unsigned textId, unsigned type, unsigned helpId) override;
    int showMessageBox(Core::String text, unsigned type, unsigned helpId) override;
};
