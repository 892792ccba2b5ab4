#pragma once

#include "outside/core/coreformatargument.h"

#include <initializer_list>
#include <vector>

namespace Core {

/// Positional formatting. "{0}", "{1}"... take the arguments in order,
/// "{0:0.###}" formats a number (at most three decimals here), "{0,8}" pads to
/// a width (negative: left-aligned), "{{" and "}}" stand for single braces.
/// A malformed pattern or a missing argument raises Core::Exception.
class UIEDITOR_EXPORT Format
{
public:
    static String format(const String& pattern, const std::vector<FormatArgument>& args);
    template <class... Args>
    static String format(const String& pattern, const Args&... args)
    {
        return format(pattern, std::vector<FormatArgument>{FormatArgument(args)...});
    }

    /// A number as text in the invariant form (dot decimal separator), using
    /// the same number formats as the placeholders.
    static String formatValue(double value, const String& numberFormat = String());
    static String formatValue(qint64 value, const String& numberFormat = String());
    static String formatValue(int value, const String& numberFormat = String())
    {
        return formatValue(qint64(value), numberFormat);
    }

    /// A decimal integer, surrounding blanks allowed; anything else, or a value
    /// outside the int range, raises Core::Exception.
    static int parseInt(const String& text);
    /// As parseInt, but answers `fallback` instead of raising.
    static int parseInt(const String& text, int fallback);
    /// A decimal number in the invariant form; raises Core::Exception otherwise.
    static double parseDouble(const String& text);

private:
    Format() = delete;
};

} // namespace Core
