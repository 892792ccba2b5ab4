#pragma once

#include "dialogs/field/numberformat.h"

#include <QString>

/// How a number format lays a value out: the literal text around the digits
/// (a currency symbol), the integer and fraction parts of the digit pattern
/// and the separators between them. "0" is a digit always shown, "#" one
/// shown when the value has it.
///
/// Separators the format names are used as given; the ones it leaves out are
/// taken from the pattern: the last separator character is the decimal one
/// unless it occurs more than once, the last other one before it groups
/// the thousands.
struct NumberPatternLayout
{
    /// The characters a separator may be: the dialog's choices.
    static QString separatorCharacters();

    QString prefix;
    QString integerPart;
    QString fractionPart;
    QString suffix;
    /// "" when the integer part is not grouped.
    QString thousands;
    /// "" when the pattern has no fraction.
    QString decimal;

    static NumberPatternLayout of(const NumberFormat& format);

    int minimumIntegerDigits() const;
    /// Digits between two thousands separators; 0 when not grouped.
    int groupSize() const;
    int minimumFractionDigits() const;
    int maximumFractionDigits() const;
};
