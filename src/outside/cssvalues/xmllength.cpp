#include "outside/cssvalues/xmllength.h"

#include "outside/core/coreexception.h"
#include "outside/cssvalues/xmlcssnumber_p.h"

#include <array>
#include <cmath>

namespace Xml {

namespace {

constexpr std::array<const char*, 7> UnitNames{"px", "pt", "pc", "cm", "mm", "in", "em"};

// Units per inch, so that conversions between absolute units multiply by exact
// decimals (1in -> 2.54cm) instead of going through a rounded pixel factor.
double perInch(Length::Unit unit, double fontSizePx)
{
    switch (unit) {
    case Length::Px:
        return 96.0;
    case Length::Pt:
        return 72.0;
    case Length::Pc:
        return 6.0;
    case Length::Cm:
        return 2.54;
    case Length::Mm:
        return 25.4;
    case Length::In:
        return 1.0;
    case Length::Em:
        break;
    }
    return 96.0 / fontSizePx;
}

// A font size that cannot be divided by falls back to the default.
double usableFontSize(double fontSizePx)
{
    return std::isfinite(fontSizePx) && fontSizePx > 0.0 ? fontSizePx : Length::DefaultFontSizePx;
}

double finiteOrZero(double value)
{
    return std::isfinite(value) ? value + 0.0 : 0.0;
}

} // namespace

Length::Length(double size, Unit unit)
    : m_size(finiteOrZero(size)), m_unit(isUnitCode(unit) ? unit : Px)
{
}

void Length::setSize(double size)
{
    m_size = finiteOrZero(size);
}

void Length::setUnit(Unit unit)
{
    m_unit = isUnitCode(unit) ? unit : Px;
}

bool Length::parseLength(Length& value, const Core::String& text, bool bareNumberIsPx)
{
    const QStringView trimmed = QStringView(text.toQString()).trimmed();
    double size = 0.0;
    const qsizetype end = CssNumber::scan(trimmed, 0, size);
    if (end < 0 || std::fabs(size) > MaxMagnitude) {
        return false;
    }
    const QStringView rest = trimmed.mid(end).trimmed();
    Unit unit = Px;
    if (rest.isEmpty()) {
        if (size != 0.0 && !bareNumberIsPx) {
            return false;
        }
    } else if (!unitFromName(rest.toString(), unit)) {
        return false;
    }
    value = Length(size, unit);
    return true;
}

Length Length::fromString(const Core::String& text, bool bareNumberIsPx)
{
    Length value;
    if (!parseLength(value, text, bareNumberIsPx)) {
        throw Core::Exception(
            Core::String(QStringLiteral("\"%1\" is not a length.").arg(text.toQString())));
    }
    return value;
}

double Length::pxSize(double fontSizePx) const
{
    const double px = m_size * 96.0 / perInch(m_unit, usableFontSize(fontSizePx));
    // Beyond 1e12 the rounding step would lose nothing anyway and could overflow.
    if (std::fabs(px) >= 1e12) {
        return px;
    }
    return std::round(px * 1e6) / 1e6 + 0.0;
}

Length Length::convertTo(Unit unit, double fontSizePx) const
{
    const double font = usableFontSize(fontSizePx);
    const Unit target = isUnitCode(unit) ? unit : Px;
    if (target == m_unit) {
        return *this;
    }
    return Length(m_size * perInch(target, font) / perInch(m_unit, font), target);
}

Core::String Length::getValueAsString() const
{
    return CssNumber::format(m_size) + QLatin1String(UnitNames[size_t(m_unit)]);
}

Core::String Length::unitName(Unit unit)
{
    return QLatin1String(UnitNames[size_t(isUnitCode(unit) ? unit : Px)]);
}

bool Length::unitFromName(const Core::String& name, Unit& unit)
{
    for (size_t i = 0; i < UnitNames.size(); ++i) {
        if (name.toQString().compare(QLatin1String(UnitNames[i]), Qt::CaseInsensitive) == 0) {
            unit = Unit(i);
            return true;
        }
    }
    return false;
}

} // namespace Xml
