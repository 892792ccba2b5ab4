#include "frame/uiapplication.h"

#include "frame/defaultmessageboxfactory.h"

// Registered at load time and never freed: a host may still show messages
// while the library's other static objects are being destroyed.
MessageBoxFactory* UIApplication::registeredMessageBox = new DefaultMessageBoxFactory;

void UIApplication::registerMessageBoxFactory(MessageBoxFactory* factory)
{
    registeredMessageBox = factory;
}

MessageBoxFactory* UIApplication::registeredMessageBoxFactory()
{
    return registeredMessageBox;
}

int UIApplication::MessageBoxW(unsigned textId, unsigned type, unsigned helpId)
{
    return registeredMessageBox->showMessageBox(textId, type, helpId);
}

int UIApplication::MessageBoxW(Core::String text, unsigned type, unsigned helpId)
{
    return registeredMessageBox->showMessageBox(std::move(text), type, helpId);
}
