#include "outside/types/unitmeasurehelper.h"

#include <array>

namespace {

struct UnitInfo
{
    UnitMeasure unit;
    int cssUnit;
    double perInch;
    const char16_t* name;
};

// Through the inch, so that 72 pt, 96 px and 25.4 mm each make exactly one.
constexpr std::array<UnitInfo, 6> units{{
    {UnitMeasure::Point, 1, 72.0, u"pt"},
    {UnitMeasure::Pixel, 0, 96.0, u"px"},
    {UnitMeasure::Inch, 5, 1.0, u"in"},
    {UnitMeasure::Centimeter, 3, 2.54, u"cm"},
    {UnitMeasure::Millimeter, 4, 25.4, u"mm"},
    {UnitMeasure::Em, 6, 6.0, u"em"},
}};

const UnitInfo& infoOf(UnitMeasure unit)
{
    for (const UnitInfo& info : units) {
        if (info.unit == unit) {
            return info;
        }
    }
    // An out-of-range value cast into the enumeration.
    return units.front();
}

} // namespace

int UnitMeasureHelper::toCSSLength(UnitMeasure unit)
{
    return infoOf(unit).cssUnit;
}

UnitMeasure UnitMeasureHelper::fromCSSLength(int cssUnit)
{
    for (const UnitInfo& info : units) {
        if (info.cssUnit == cssUnit) {
            return info.unit;
        }
    }
    return UnitMeasure::Point;
}

double UnitMeasureHelper::convertUnitMeasure(double value, UnitMeasure from, UnitMeasure to)
{
    if (from == to) {
        return value;
    }
    return value * infoOf(to).perInch / infoOf(from).perInch;
}

Core::String UnitMeasureHelper::getUnitName(UnitMeasure unit)
{
    return infoOf(unit).name;
}

bool UnitMeasureHelper::parseUnitName(const Core::String& text, UnitMeasure& unit)
{
    const QString name = text.toQString().trimmed().toLower();
    for (const UnitInfo& info : units) {
        if (name == QStringView(info.name)) {
            unit = info.unit;
            return true;
        }
    }
    return false;
}
