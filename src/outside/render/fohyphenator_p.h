#pragma once

#include <QString>

#include <vector>

namespace Fo {

/// Hyphenation points from libhyphen's pattern dictionaries, loaded once per
/// language and process when a document first asks for them.
class Hyphenator
{
public:
    /// Where `word` (letters only) may be hyphenated: the lengths of the
    /// parts before a hyphen, ascending. Empty when no dictionary serves the
    /// language ("de", "en" with country "US"...).
    static std::vector<int> points(const QString& word, const QString& language,
                                   const QString& country);
};

} // namespace Fo
