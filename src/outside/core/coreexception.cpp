#include "outside/core/coreexception.h"

namespace Core {

Exception::Exception(const String& message)
    : m_message(message), m_utf8(message.toQString().toUtf8())
{
}

Exception::~Exception() = default;

} // namespace Core
