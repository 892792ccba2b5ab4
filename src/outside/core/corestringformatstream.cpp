#include "outside/core/corestringformatstream.h"

#include "outside/core/coreformat.h"

namespace Core {

StringFormatStream::StringFormatStream(const String& pattern) : m_pattern(pattern) {}

String StringFormatStream::toString() const
{
    return Format::format(m_pattern, m_args);
}

} // namespace Core
