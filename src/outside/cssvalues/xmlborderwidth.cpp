#include "outside/cssvalues/xmlborderwidth.h"

namespace Xml {

std::optional<BorderWidth> BorderWidth::fromKeyword(QStringView text)
{
    if (text.compare(u"thin", Qt::CaseInsensitive) == 0) {
        return thin();
    }
    if (text.compare(u"medium", Qt::CaseInsensitive) == 0) {
        return medium();
    }
    if (text.compare(u"thick", Qt::CaseInsensitive) == 0) {
        return thick();
    }
    return std::nullopt;
}

bool BorderWidth::parseBorderWidth(BorderWidth& value, const Core::String& text)
{
    if (const std::optional<BorderWidth> keyword = fromKeyword(text.toQString().trimmed())) {
        value = *keyword;
        return true;
    }
    Length length;
    if (!Length::parseLength(length, text) || length.getSize() < 0.0) {
        return false;
    }
    value = length;
    return true;
}

} // namespace Xml
