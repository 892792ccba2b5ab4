#pragma once

#include "uieditor_export.h"

#include <QByteArrayView>
#include <QString>

#include <hyphen.h>

namespace Fo {

/// Reads libhyphen's pattern files (hyph_*.dic) into libhyphen's own
/// dictionary structure, the same one hnj_hyphen_load builds, in a fraction
/// of its time. What it returns is released with hnj_hyphen_free.
class UIEDITOR_EXPORT HyphenDictionaryLoader
{
public:
    /// Files larger than this are refused: the largest dictionaries have a
    /// few megabytes, and the states take many times the file's size.
    static constexpr qsizetype maximumSize = 8 * 1024 * 1024;

    /// The dictionary in the file at `path`; null when it cannot be read or
    /// is too large.
    static HyphenDict* load(const QString& path);
    /// The dictionary in `contents`, read as libhyphen reads a file: the
    /// first line names the charset, NEXTLEVEL separates the compound level
    /// from the word level. Any bytes are read; null only when they are too
    /// many or memory runs out.
    static HyphenDict* read(QByteArrayView contents);
};

} // namespace Fo
