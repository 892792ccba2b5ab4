#pragma once

#include "uieditor_export.h"

#include <QString>

#include <optional>

/// The pattern of a number or currency field format:
/// "{digits} th:{thousands} dec:{decimal} sign:{sign}".
///
/// The digit pattern holds the currency symbol, if any; a blank separator is
/// a no-break space in it and "&#x00A0;" after "th:" and "dec:". A format
/// written by hand may leave out the separators: they are then nullopt and
/// taken from the digit pattern.
struct UIEDITOR_EXPORT NumberFormat
{
    /// The separator the dialog offers as "(space)".
    static constexpr QChar Blank = QChar(0x00A0);
    /// How a blank separator is written after "th:" and "dec:".
    static QString blankEntity() { return QStringLiteral("&#x00A0;"); }

    QString digits;
    std::optional<QString> thousands;
    std::optional<QString> decimal;
    /// "" for a leading minus, "CR" or "()".
    QString sign;

    /// Reads any text; missing parts stay empty or nullopt.
    static NumberFormat parse(const QString& text);
    QString toString() const;

    bool operator==(const NumberFormat&) const = default;
};
