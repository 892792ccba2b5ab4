#include "outside/dom/xmlname.h"

#include <algorithm>

namespace Xml {

bool Name::isNCName(QStringView text)
{
    return !text.isEmpty() && isStartChar(text.front()) &&
           std::all_of(text.begin() + 1, text.end(), [](QChar c) { return isNameChar(c); });
}

bool Name::isQName(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    return colon < 0 ? isNCName(text) : isNCName(text.left(colon)) && isNCName(text.mid(colon + 1));
}

} // namespace Xml
