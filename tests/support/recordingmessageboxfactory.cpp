#include "recordingmessageboxfactory.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"

namespace TestSupport {

RecordingMessageBoxFactory::RecordingMessageBoxFactory()
    : m_previous(UIApplication::registeredMessageBoxFactory())
{
    UIApplication::registerMessageBoxFactory(this);
}

RecordingMessageBoxFactory::~RecordingMessageBoxFactory()
{
    UIApplication::registerMessageBoxFactory(m_previous);
}

int RecordingMessageBoxFactory::showMessageBox(unsigned textId, unsigned type, unsigned helpId)
{
    Q_UNUSED(helpId);
    m_messages.append({textId, Core::String::formatS(textId).toQString(), type});
    return answer(type);
}

int RecordingMessageBoxFactory::showMessageBox(Core::String text, unsigned type, unsigned helpId)
{
    Q_UNUSED(helpId);
    m_messages.append({0, text.toQString(), type});
    return answer(type);
}

int RecordingMessageBoxFactory::answer(unsigned type)
{
    if (!m_answers.isEmpty()) {
        return m_answers.takeFirst();
    }
    switch (type & Win32::MB_TYPEMASK) {
    case Win32::MB_YESNO:
    case Win32::MB_YESNOCANCEL:
        return Win32::IDYES;
    case Win32::MB_ABORTRETRYIGNORE:
        return Win32::IDABORT;
    case Win32::MB_RETRYCANCEL:
        return Win32::IDRETRY;
    default:
        return Win32::IDOK;
    }
}

} // namespace TestSupport
