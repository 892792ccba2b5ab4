#pragma once

// Properties that decide where lines and pages may break: keeps, widows and
// orphans, hyphenation.

#include <QString>

namespace Fo {

/// Keep strengths: 0 auto, a positive integer, or keepAlways.
inline constexpr int keepAlways = 1 << 30;

/// Keeps of one object (not inherited): for column breaks and page breaks.
struct Keeps
{
    int togetherColumn = 0;
    int togetherPage = 0;
    int nextColumn = 0;
    int nextPage = 0;
    int previousColumn = 0;
    int previousPage = 0;
};

/// How the lines of a block break (inherited).
struct LineBreaking
{
    bool hyphenate = false;
    QString language; ///< lower case, "" for none
    QString country;  ///< upper case, "" for none
    QChar hyphenationCharacter = QChar(0x2010);
    int pushCount = 2;   ///< characters at least carried to the next line
    int remainCount = 2; ///< characters at least left before the hyphen
    int widows = 2;
    int orphans = 2;
};

} // namespace Fo
