#pragma once

#include <QString>

namespace Fo {

/// `number` written as a page sequence's format token asks: "1" (and "01",
/// "001"... padded to its length), "A" and "a" (A..Z, AA..), "I" and "i"
/// (roman, up to 3999). Other tokens, and numbers a style cannot write,
/// give decimal digits.
QString formatPageNumber(int number, const QString& format);

} // namespace Fo
