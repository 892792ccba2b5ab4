#pragma once

#include "outside/core/coreformatargument.h"

#include <vector>

namespace Core {

/// Collects the arguments of a "{0}" pattern one by one:
///   StringFormatStream(pattern) << width << height << markup
/// and formats them on toString(), with the rules of Core::Format.
class UIEDITOR_EXPORT StringFormatStream
{
public:
    explicit StringFormatStream(const String& pattern);

    template <class T>
    StringFormatStream& operator<<(const T& value)
    {
        m_args.emplace_back(value);
        return *this;
    }

    /// The formatted text; raises Core::Exception on a malformed pattern.
    String toString() const;

private:
    String m_pattern;
    std::vector<FormatArgument> m_args;
};

} // namespace Core
