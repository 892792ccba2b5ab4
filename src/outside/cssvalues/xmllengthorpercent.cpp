#include "outside/cssvalues/xmllengthorpercent.h"

#include "outside/cssvalues/xmlcssnumber_p.h"

#include <cmath>

namespace Xml {

LengthOrPercent::LengthOrPercent(double fraction)
    : m_fraction(std::isfinite(fraction) ? fraction + 0.0 : 0.0), m_percent(true)
{
}

Length LengthOrPercent::getLength() const
{
    return m_percent ? Length(m_fraction * 100.0, Length::Px) : m_length;
}

bool LengthOrPercent::parseLengthOrPercent(LengthOrPercent& value, const Core::String& text,
                                           bool bareNumberIsPx)
{
    const QStringView trimmed = QStringView(text.toQString()).trimmed();
    if (trimmed.endsWith(QLatin1Char('%'))) {
        double number = 0.0;
        if (!CssNumber::parse(trimmed.chopped(1), number) ||
            std::fabs(number) > Length::MaxMagnitude) {
            return false;
        }
        value = LengthOrPercent(number / 100.0);
        return true;
    }
    Length length;
    if (!Length::parseLength(length, text, bareNumberIsPx)) {
        return false;
    }
    value = LengthOrPercent(length);
    return true;
}

Core::String LengthOrPercent::getValueAsString() const
{
    if (m_percent) {
        return CssNumber::format(m_fraction * 100.0) + QLatin1Char('%');
    }
    return m_length.getValueAsString();
}

} // namespace Xml
