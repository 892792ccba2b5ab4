#pragma once

#include "uieditor_export.h"

#include <QStringView>

namespace Xml {

/// The rules for element and attribute names the library writes: a letter or
/// "_" first, then letters, digits, "_", "-" and ".". Checked here, once, so
/// that what one dialog accepts another can write.
class UIEDITOR_EXPORT Name
{
public:
    static bool isStartChar(QChar c) { return c.isLetter() || c == u'_'; }
    /// A character that may follow the first; `withColon` also takes ":", for
    /// scanning qualified names and XPath steps such as "child::text".
    static bool isNameChar(QChar c, bool withColon = false)
    {
        return c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u'.' || (withColon && c == u':');
    }
    /// A name without a prefix ("block").
    static bool isNCName(QStringView text);
    /// A name with at most one prefix ("fo:block"), as a namespace-aware parser accepts it.
    static bool isQName(QStringView text);
};

} // namespace Xml
