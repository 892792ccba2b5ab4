#include "dialogs/format/bordersbackgroundattributes.h"

#include "css/gradientshelper.h"
#include "outside/core/coreformat.h"
#include "outside/cssvalues/xmlboxshadow.h"
#include "outside/cssvalues/xmlcolorparse.h"

namespace {

using Side = BordersAndBackgroundData::Side;

constexpr Side Sides[] = {BordersAndBackgroundData::Left, BordersAndBackgroundData::Top,
                          BordersAndBackgroundData::Right, BordersAndBackgroundData::Bottom};

Core::String borderProperty(Side side, const char* part)
{
    return Core::Format::format("fo:border-{0}-{1}", BordersAndBackgroundData::sideName(side), part);
}

Core::String paddingProperty(Side side)
{
    return "fo:padding-" + BordersAndBackgroundData::sideName(side);
}

// The side's longhand, else the family shorthand that stands for all four.
Core::String sideValue(const PropertyCollection& properties, Side side, const char* part)
{
    const Core::String value = properties.getPropertyValue(borderProperty(side, part));
    return value.isEmpty() ? properties.getPropertyValue(Core::String("fo:border-") + part) : value;
}

void readWidth(const Core::String& text, Xml::BorderWidth& width)
{
    // A styled border without a width is drawn at the initial "medium"; reading
    // it as 0 would make the border vanish on the next write.
    if (text.isEmpty()) {
        width = Xml::BorderWidth::medium();
        return;
    }
    Xml::BorderWidth::parseBorderWidth(width, text);
}

void readShadow(const Core::String& text, BordersAndBackgroundData& data)
{
    // A shadow the reader does not take (a colour notation it does not know)
    // still shows its last word as the colour, as typed.
    const int blank = text.findLast(QChar(u' '));
    Core::String color = text.subString(blank + 1);
    Xml::BoxShadow shadow;
    if (shadow.readFromString(text)) {
        data.setShadowDx(shadow.getDx());
        data.setShadowDy(shadow.getDy());
        // A shadow read without a colour ("2px 2px", "none") has none to show:
        // its last word is an offset or the keyword.
        color = shadow.getColor().isSet()
                    ? Xml::ColorParse::getColorAsString(shadow.getColor().getValue())
                    : Core::String();
    }
    data.setShadowColor(color);
}

void readLengthOrPercent(const PropertyCollection& properties, const Core::String& name,
                         Xml::LengthOrPercent& value)
{
    const Core::String text = properties.getPropertyValue(name);
    if (!text.isEmpty()) {
        Xml::LengthOrPercent::parseLengthOrPercent(value, text, false);
    }
}

void setOrRemove(PropertyCollection& properties, const Core::String& name,
                 const Core::String& value, bool remove)
{
    if (remove) {
        properties.removePropertyByName(name);
    } else {
        properties.setProperty(EditableProperty(name, value), true);
    }
}

// Positions and paddings of no length are the initial value and not written.
void storeLengthOrPercent(PropertyCollection& properties, const Core::String& name,
                          const Xml::LengthOrPercent& value)
{
    setOrRemove(properties, name, value.getValueAsString(), value.getLength().getSize() == 0.0);
}

} // namespace

void BordersBackgroundAttributes::load(const PropertyCollection& properties,
                                       BordersAndBackgroundData& data)
{
    data.resetValues();
    for (Side side : Sides) {
        const int style =
            BordersAndBackgroundData::getStyleIdx(sideValue(properties, side, "style"));
        data.setStyle(side, style);
        if (style == 0) {
            continue;
        }
        Xml::BorderWidth width = data.getWidth(side);
        readWidth(sideValue(properties, side, "width"), width);
        data.setWidth(side, width);
        const Core::String color = sideValue(properties, side, "color");
        data.setColor(side, color.isEmpty() ? Core::String("black") : color);
    }

    if (const Core::String shadow = properties.getPropertyValue("fo:box-shadow");
        !shadow.isEmpty()) {
        readShadow(shadow, data);
    }
    data.setBackgroundColor(properties.getPropertyValue("fo:background-color"));

    const Core::String image = properties.getPropertyValue("fo:background-image");
    if (GradientsHelper::isGradient(image)) {
        data.setGradient(GradientsHelper::getGradientData(image));
        data.setBackgroundImage(Core::String());
    } else {
        data.setGradient(Core::String());
        // The path inside "url(" and ")".
        data.setBackgroundImage(image.length() > 5 ? image.subString(4, image.length() - 2)
                                                   : Core::String());
    }
    data.setRepeatMode(BordersAndBackgroundData::repeatModeOf(properties.getPropertyValue("fo:background-repeat")));

    Xml::LengthOrPercent value = data.getPositionHorizontal();
    readLengthOrPercent(properties, "fo:background-position-horizontal", value);
    data.setPositionHorizontal(value);
    value = data.getPositionVertical();
    readLengthOrPercent(properties, "fo:background-position-vertical", value);
    data.setPositionVertical(value);
    for (Side side : Sides) {
        value = data.getPadding(side);
        readLengthOrPercent(properties, paddingProperty(side), value);
        data.setPadding(side, value);
    }
}

void BordersBackgroundAttributes::store(const BordersAndBackgroundData& data,
                                        PropertyCollection& properties)
{
    for (Side side : Sides) {
        const Core::String style = BordersAndBackgroundData::getStyleName(data.getStyle(side));
        setOrRemove(properties, borderProperty(side, "style"), style,
                    style.isEmpty() || style == "none");
        const Core::String width = data.getWidth(side).getValueAsString();
        setOrRemove(properties, borderProperty(side, "width"), width,
                    width.isEmpty() || (style == "none" && width == "0px"));
        const Core::String& color = data.getColor(side);
        setOrRemove(properties, borderProperty(side, "color"), color, color.isEmpty());
    }

    const Core::String dx = Xml::LengthOrPercent(data.getShadowDx()).getValueAsString();
    const Core::String dy = Xml::LengthOrPercent(data.getShadowDy()).getValueAsString();
    setOrRemove(properties, "fo:box-shadow",
                Core::Format::format("{0} {1} {2}", dx, dy, data.getShadowColor()),
                data.getShadowColor().isEmpty() && dx.startsWith("0") && dy.startsWith("0"));

    setOrRemove(properties, "fo:background-color", data.getBackgroundColor(),
                data.getBackgroundColor().isEmpty());

    // A gradient is inline SVG stretched over the box; an image of six
    // characters or more ("url()" plus a name) replaces it.
    const bool hasGradient = !data.getGradient().isEmpty();
    if (hasGradient) {
        properties.setProperty(
            EditableProperty("fo:background-image", "data:," + data.getGradient()), true);
        properties.setProperty(EditableProperty("fo:background-repeat", "no-repeat"), true);
        properties.setProperty(EditableProperty("fo:background-size", "100%"), true);
    }
    if (data.getBackgroundImage().length() >= 6) {
        properties.setProperty(
            EditableProperty("fo:background-image", "url(" + data.getBackgroundImage() + ")"),
            true);
        properties.setProperty(
            EditableProperty("fo:background-repeat", BordersAndBackgroundData::repeatModeName(data.getRepeatMode())), true);
    } else if (!hasGradient) {
        properties.removePropertyByName("fo:background-image");
    }

    storeLengthOrPercent(properties, "fo:background-position-horizontal",
                         data.getPositionHorizontal());
    storeLengthOrPercent(properties, "fo:background-position-vertical", data.getPositionVertical());
    for (Side side : Sides) {
        storeLengthOrPercent(properties, paddingProperty(side), data.getPadding(side));
    }
}
