#pragma once

// Number reading and writing shared by the CSS value parsers. Not exported.

#include <QString>
#include <QStringView>

namespace Xml::CssNumber {

/// Reads a CSS number starting at `from`: [+-] digits [. digits] or [+-] . digits,
/// with an exponent only when "e" is followed by digits (so "1em" stays 1 em).
/// Answers the index just after it, or -1 when no number starts there or the
/// number does not fit a double. ASCII digits only: toDouble-style readers
/// would accept other scripts' digits and locale separators.
qsizetype scan(QStringView text, qsizetype from, double& value);

/// The whole text (surrounding white space allowed) as one CSS number.
bool parse(QStringView text, double& value);

/// Invariant text of a number: at most six decimals, no trailing zeros, never "-0".
QString format(double value);

} // namespace Xml::CssNumber
