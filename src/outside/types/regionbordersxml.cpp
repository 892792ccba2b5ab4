#include "outside/types/regionbordersxml.h"

#include "outside/cssvalues/xmlboxshadow.h"
#include "outside/cssvalues/xmlcolorparse.h"

#include <optional>

namespace {

using BorderSide = BordersAndBackgroundData::Side;

constexpr BorderSide BorderSides[] = {BordersAndBackgroundData::Left, BordersAndBackgroundData::Top,
                                      BordersAndBackgroundData::Right,
                                      BordersAndBackgroundData::Bottom};

// What one border shorthand ("solid 1pt red") says; parts it leaves out stay empty.
struct BorderParts
{
    Core::String style;
    Core::String width;
    Core::String color;
};

// Words separated by blanks; a blank inside parentheses ("rgb(1, 2, 3)") does not separate.
std::vector<Core::String> words(const Core::String& text)
{
    std::vector<Core::String> result;
    QString current;
    int depth = 0;
    for (const QChar c : text.toQString()) {
        if (c == u'(') {
            ++depth;
        } else if (c == u')' && depth > 0) {
            --depth;
        }
        if (c.isSpace() && depth == 0) {
            if (!current.isEmpty()) {
                result.emplace_back(current);
                current.clear();
            }
            continue;
        }
        current += c;
    }
    if (!current.isEmpty()) {
        result.emplace_back(current);
    }
    return result;
}

bool isStyleName(const Core::String& word)
{
    return word == "none" || BordersAndBackgroundData::getStyleIdx(word) != 0;
}

// Reads a border shorthand; nothing when a word is no style, width or colour,
// or a part is given twice.
std::optional<BorderParts> readBorderShorthand(const Core::String& text)
{
    const std::vector<Core::String> list = words(text);
    if (list.empty() || list.size() > 3) {
        return std::nullopt;
    }
    BorderParts parts;
    for (const Core::String& word : list) {
        Xml::BorderWidth width;
        Core::String* slot = nullptr;
        if (isStyleName(word)) {
            slot = &parts.style;
        } else if (Xml::BorderWidth::parseBorderWidth(width, word)) {
            slot = &parts.width;
        } else if (Xml::ColorParse::parseColor(word)) {
            slot = &parts.color;
        }
        if (!slot || !slot->isEmpty()) {
            return std::nullopt;
        }
        *slot = word;
    }
    return parts;
}

// A shorthand taken from the attributes; one that does not read is put back.
BorderParts takeShorthand(AttributeSet& attributes, const Core::String& name)
{
    const Core::String text = attributes.take(name);
    if (text.isEmpty()) {
        return {};
    }
    if (std::optional<BorderParts> parts = readBorderShorthand(text)) {
        return *parts;
    }
    attributes.putBack(name);
    return {};
}

struct Shorthands
{
    BorderParts border;
    std::array<BorderParts, BordersAndBackgroundData::SideCount> sides;
    BorderParts family; // border-style, border-width and border-color
};

Core::String firstGiven(std::initializer_list<Core::String> values)
{
    for (const Core::String& value : values) {
        if (!value.isEmpty()) {
            return value;
        }
    }
    return {};
}

void readSide(AttributeSet& attributes, const Shorthands& shorthands, BorderSide side,
              BordersAndBackgroundData& data)
{
    const Core::String prefix = "border-" + BordersAndBackgroundData::sideName(side) + "-";
    const BorderParts& ofSide = shorthands.sides[side];
    const Core::String styleText = firstGiven({attributes.take(prefix + "style"), ofSide.style,
                                               shorthands.family.style, shorthands.border.style});
    const Core::String widthText = firstGiven({attributes.take(prefix + "width"), ofSide.width,
                                               shorthands.family.width, shorthands.border.width});
    const Core::String colorText = firstGiven({attributes.take(prefix + "color"), ofSide.color,
                                               shorthands.family.color, shorthands.border.color});
    const int style = BordersAndBackgroundData::getStyleIdx(styleText);
    data.setStyle(side, style);
    if (style == 0) {
        return;
    }
    // A styled border without a width is drawn at the initial "medium".
    Xml::BorderWidth width = Xml::BorderWidth::medium();
    if (!widthText.isEmpty() && !Xml::BorderWidth::parseBorderWidth(width, widthText)) {
        width = Xml::BorderWidth::medium();
    }
    // As it will be read again from the text written.
    Xml::BorderWidth::parseBorderWidth(width, width.getValueAsString());
    data.setWidth(side, width);
    data.setColor(side, colorText.isEmpty() ? Core::String("black") : colorText);
}

void readShadow(AttributeSet& attributes, BordersAndBackgroundData& data)
{
    const Core::String text = attributes.take("box-shadow");
    if (text.isEmpty()) {
        return;
    }
    Xml::BoxShadow shadow;
    if (!shadow.readFromString(text) || shadow.isNone() || shadow.isInset() ||
        shadow.getBlur().getSize() != 0.0 || shadow.getSpread().getSize() != 0.0) {
        // Inset, blurred and spread shadows have no field: kept as written.
        if (!shadow.isNone()) {
            attributes.putBack("box-shadow");
        }
        return;
    }
    Xml::Length dx = shadow.getDx();
    Xml::Length dy = shadow.getDy();
    Xml::Length::parseLength(dx, dx.getValueAsString());
    Xml::Length::parseLength(dy, dy.getValueAsString());
    data.setShadowDx(dx);
    data.setShadowDy(dy);
    data.setShadowColor(shadow.getColor().isSet()
                            ? Xml::ColorParse::getColorAsString(shadow.getColor().getValue())
                            : Core::String());
}

void readPosition(AttributeSet& attributes, const Core::String& name, Xml::LengthOrPercent& value)
{
    const Core::String text = attributes.take(name);
    if (text.isEmpty()) {
        return;
    }
    if (Xml::LengthOrPercent::parseLengthOrPercent(value, text, false)) {
        Xml::LengthOrPercent::parseLengthOrPercent(value, value.getValueAsString(), false);
    } else {
        attributes.putBack(name);
    }
}

void readBackground(AttributeSet& attributes, BordersAndBackgroundData& data)
{
    data.setBackgroundColor(attributes.take("background-color"));
    const Core::String image = attributes.take("background-image");
    Core::String inner = image;
    const bool url = image.startsWith("url(") && image.endsWith(")");
    if (url) {
        inner = image.subString(4, image.length() - 2);
    }
    if (inner.startsWith("data:,")) {
        // The designer's gradient: SVG stretched over the region, as the
        // writer gives it again.
        data.setGradient(inner.subString(6));
        attributes.take("background-size");
        attributes.take("background-repeat");
    } else if (url) {
        data.setBackgroundImage(inner);
        // The writer gives an image its repeat mode; one it does not know repeats.
        bool known = false;
        data.setRepeatMode(BordersAndBackgroundData::repeatModeOf(attributes.take("background-repeat"), &known));
    } else if (!image.isEmpty() && image != "none") {
        attributes.putBack("background-image");
    }
    Xml::LengthOrPercent position;
    readPosition(attributes, "background-position-horizontal", position);
    data.setPositionHorizontal(position);
    position = Xml::LengthOrPercent();
    readPosition(attributes, "background-position-vertical", position);
    data.setPositionVertical(position);
}

} // namespace

void RegionBordersXml::read(AttributeSet& attributes, BordersAndBackgroundData& data)
{
    data.resetValues();
    Shorthands shorthands;
    shorthands.border = takeShorthand(attributes, "border");
    for (BorderSide side : BorderSides) {
        shorthands.sides[side] = takeShorthand(attributes, "border-" + BordersAndBackgroundData::sideName(side));
    }
    // The family shorthands may give one value per side; only a single one is read.
    for (const char* part : {"style", "width", "color"}) {
        const Core::String name = Core::String("border-") + part;
        const Core::String text = attributes.take(name);
        const std::optional<BorderParts> parts = readBorderShorthand(text);
        if (!text.isEmpty() && (!parts || words(text).size() != 1)) {
            attributes.putBack(name);
        } else if (parts) {
            // A word of another kind ("border-style: red") says nothing.
            const Core::String& word = part[0] == 's'   ? parts->style
                                       : part[0] == 'w' ? parts->width
                                                        : parts->color;
            Core::String& slot = part[0] == 's'   ? shorthands.family.style
                                 : part[0] == 'w' ? shorthands.family.width
                                                  : shorthands.family.color;
            slot = word;
            if (word.isEmpty()) {
                attributes.putBack(name);
            }
        }
    }
    for (BorderSide side : BorderSides) {
        readSide(attributes, shorthands, side, data);
    }
    readShadow(attributes, data);
    readBackground(attributes, data);
}

void RegionBordersXml::write(const BordersAndBackgroundData& data, Attributes& attributes)
{
    for (BorderSide side : BorderSides) {
        const Core::String style = BordersAndBackgroundData::getStyleName(data.getStyle(side));
        if (style.isEmpty() || style == "none") {
            continue;
        }
        const Core::String prefix = "border-" + BordersAndBackgroundData::sideName(side) + "-";
        attributes.emplace_back(prefix + "style", style);
        attributes.emplace_back(prefix + "width", data.getWidth(side).getValueAsString());
        if (!data.getColor(side).isEmpty()) {
            attributes.emplace_back(prefix + "color", data.getColor(side));
        }
    }
    if (!data.getShadowColor().isEmpty() || !(data.getShadowDx() == Xml::Length()) ||
        !(data.getShadowDy() == Xml::Length())) {
        Core::String shadow =
            data.getShadowDx().getValueAsString() + " " + data.getShadowDy().getValueAsString();
        if (!data.getShadowColor().isEmpty()) {
            shadow = shadow + " " + data.getShadowColor();
        }
        attributes.emplace_back("box-shadow", shadow);
    }
    if (!data.getBackgroundColor().isEmpty()) {
        attributes.emplace_back("background-color", data.getBackgroundColor());
    }
    if (!data.getGradient().isEmpty()) {
        attributes.emplace_back("background-image", "data:," + data.getGradient());
        attributes.emplace_back("background-repeat", Core::String("no-repeat"));
        attributes.emplace_back("background-size", Core::String("100%"));
    } else if (!data.getBackgroundImage().isEmpty()) {
        attributes.emplace_back("background-image", "url(" + data.getBackgroundImage() + ")");
        attributes.emplace_back("background-repeat", BordersAndBackgroundData::repeatModeName(data.getRepeatMode()));
    }
    if (!(data.getPositionHorizontal() == Xml::LengthOrPercent())) {
        attributes.emplace_back("background-position-horizontal",
                                data.getPositionHorizontal().getValueAsString());
    }
    if (!(data.getPositionVertical() == Xml::LengthOrPercent())) {
        attributes.emplace_back("background-position-vertical",
                                data.getPositionVertical().getValueAsString());
    }
}
