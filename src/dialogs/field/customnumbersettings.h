#pragma once

#include "dialogs/field/numberformat.h"

#include <QString>

/// The settings of a custom number or currency format, as the number page
/// shows them, and the format they make.
struct UIEDITOR_EXPORT CustomNumberSettings
{
    /// The spin boxes' range.
    static constexpr int maximumDigits = 20;

    int leadingZeros = 0;
    int decimalPlaces = 0;
    /// "" for none.
    QString thousands;
    QString decimal = QStringLiteral(".");
    /// "", "CR" or "()".
    QString sign;
    /// Currencies only: "" for a number.
    QString symbol;
    bool symbolAfter = true;

    /// The digit pattern: leading zeros and places for the thousands
    /// separator, the decimal separator, then the decimal places (a single
    /// "#" for none), with the currency symbol before or after it.
    QString digitPattern() const;
    NumberFormat toFormat() const;

    /// The nearest settings for `format`: a format these settings made reads
    /// back to the same settings. Separators and signs the page does not
    /// offer fall back to the defaults; counts are kept within the spin
    /// boxes' range.
    static CustomNumberSettings from(const NumberFormat& format, bool currency);

    bool operator==(const CustomNumberSettings&) const = default;
};
