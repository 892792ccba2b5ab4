#pragma once

#include "dialogs/field/numberformat.h"

#include <QString>

/// Lays a number out as a number or currency format says; what the number
/// page previews and what a formatted field prints with data.
///
/// The value is rounded half away from zero to the pattern's decimal places;
/// "#" places drop trailing zeros. At least one integer digit is shown.
/// A negative value gets a leading "-", parentheses or a trailing "CR"
/// around the whole text, currency symbol included.
class UIEDITOR_EXPORT NumberFormatter
{
public:
    static QString format(double value, const NumberFormat& format);
    /// `text` read as a number ("1234.5", " -3 "); text that is no finite
    /// number comes back unchanged.
    static QString formatText(const QString& text, const NumberFormat& format);
};
