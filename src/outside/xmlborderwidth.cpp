#include "outside/xmlborderwidth.h"

namespace Xml {

bool BorderWidth::parseBorderWidth(BorderWidth& value, const Core::String& text)
{
    const QString keyword = text.toQString().trimmed();
    if (keyword.compare(QLatin1String("thin"), Qt::CaseInsensitive) == 0) {
        value = thin();
        return true;
    }
    if (keyword.compare(QLatin1String("medium"), Qt::CaseInsensitive) == 0) {
        value = medium();
        return true;
    }
    if (keyword.compare(QLatin1String("thick"), Qt::CaseInsensitive) == 0) {
        value = thick();
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
