#include "dialogs/format/bordersbackgroundkeptvalues.h"

#include "dialogs/format/bordersbackgroundattributes.h"
#include "outside/cssvalues/xmlborderwidth.h"
#include "outside/cssvalues/xmlboxshadow.h"
#include "outside/cssvalues/xmllengthorpercent.h"

namespace {

using Data = BordersAndBackgroundData;

bool shadowFits(const Core::String& text)
{
    Xml::BoxShadow shadow;
    return shadow.readFromString(text) &&
           (shadow.isNone() || (!shadow.isInset() && shadow.getBlur().getSize() == 0.0 &&
                                shadow.getSpread().getSize() == 0.0));
}

bool lengthOrPercentFits(const Core::String& text)
{
    Xml::LengthOrPercent value;
    return Xml::LengthOrPercent::parseLengthOrPercent(value, text, false);
}

bool borderWidthFits(const Core::String& text)
{
    Xml::BorderWidth width;
    return Xml::BorderWidth::parseBorderWidth(width, text);
}

} // namespace

void BordersBackgroundKeptValues::remember(const PropertyCollection& properties,
                                           const BordersAndBackgroundData& loaded)
{
    m_kept.clear();
    m_loaded = loaded;
    const auto keep = [&](const Core::String& name, bool (*fits)(const Core::String&),
                          SameField sameField) {
        const Core::String value = properties.getPropertyValue(name);
        if (!value.isEmpty() && !fits(value)) {
            m_kept.push_back({name, value, std::move(sameField)});
        }
    };
    keep("fo:box-shadow", shadowFits, [](const Data& a, const Data& b) {
        return a.getShadowDx() == b.getShadowDx() && a.getShadowDy() == b.getShadowDy() &&
               a.getShadowColor() == b.getShadowColor();
    });
    keep("fo:background-position-horizontal", lengthOrPercentFits,
         [](const Data& a, const Data& b) {
             return a.getPositionHorizontal() == b.getPositionHorizontal();
         });
    keep("fo:background-position-vertical", lengthOrPercentFits, [](const Data& a, const Data& b) {
        return a.getPositionVertical() == b.getPositionVertical();
    });
    for (const Data::Side side : {Data::Left, Data::Top, Data::Right, Data::Bottom}) {
        keep(Core::String("fo:padding-") + BordersAndBackgroundData::sideName(side), lengthOrPercentFits,
             [side](const Data& a, const Data& b) {
                 return a.getPadding(side) == b.getPadding(side);
             });
        keep(Core::String("fo:border-") + BordersAndBackgroundData::sideName(side) + "-width", borderWidthFits,
             [side](const Data& a, const Data& b) {
                 return a.getStyle(side) == b.getStyle(side) &&
                        a.getWidth(side) == b.getWidth(side);
             });
    }
}

void BordersBackgroundKeptValues::restore(const BordersAndBackgroundData& record,
                                          PropertyCollection& properties) const
{
    for (const Kept& kept : m_kept) {
        if (kept.sameField(record, m_loaded)) {
            properties.setProperty(EditableProperty(kept.name, kept.value), true);
        }
    }
}
