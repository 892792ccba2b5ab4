#include "css/shorthandhelper.h"

#include "frame/moduleconstants.h"
#include "outside/core/coreformat.h"
#include "outside/cssvalues/xmlcolorparse.h"
#include "outside/cssvalues/xmllengthorpercent.h"
#include "outside/types/bordersandbackgrounddata.h"

#include <array>

const Core::String ShorthandHelper::Left = ModuleConstants::sideNames()[0];
const Core::String ShorthandHelper::Right = ModuleConstants::sideNames()[1];
const Core::String ShorthandHelper::Top = ModuleConstants::sideNames()[2];
const Core::String ShorthandHelper::Bottom = ModuleConstants::sideNames()[3];

namespace {

// The side names come from the process-wide constants rather than from the
// static members above, so that code running during static start-up (before
// this file's statics exist) still gets them.
const Core::String& left()
{
    return ModuleConstants::sideNames()[0];
}
const Core::String& right()
{
    return ModuleConstants::sideNames()[1];
}
const Core::String& top()
{
    return ModuleConstants::sideNames()[2];
}
const Core::String& bottom()
{
    return ModuleConstants::sideNames()[3];
}

Core::String sideName(const Core::String& pattern, const Core::String& side)
{
    return Core::Format::format(pattern, side);
}

// The border-style keywords of a "fo:border" value (Xml::BorderStyle values 0
// to 9), compared exactly.
bool isBorderStyleKeyword(const Core::String& token)
{
    static const std::array<const char*, 10> keywords{"none",   "inset",  "groove", "outset",
                                                      "ridge",  "dotted", "dashed", "solid",
                                                      "double", "hidden"};
    for (const char* keyword : keywords) {
        if (token == keyword) {
            return true;
        }
    }
    return false;
}

bool isLength(const Core::String& token)
{
    Xml::LengthOrPercent value;
    return Xml::LengthOrPercent::parseLengthOrPercent(value, token, false);
}

bool isColor(const Core::String& token)
{
    return Xml::ColorParse::parseColor(token).has_value();
}

bool isStyle(const Core::String& token)
{
    return BordersAndBackgroundData::getStyleIdx(token) != 0;
}

} // namespace

// Tokens -------------------------------------------------------------------

bool ShorthandHelper::skip_ws(const Core::String& text, int& position)
{
    const int start = position;
    while (position < text.length() && text[position].isSpace()) {
        ++position;
    }
    return position != start;
}

bool ShorthandHelper::skip_nws(const Core::String& text, int& position)
{
    const int start = position;
    while (position < text.length() && !text[position].isSpace()) {
        ++position;
    }
    return position != start;
}

Core::String ShorthandHelper::extract_word_or_function(const Core::String& text, int& position)
{
    skip_ws(text, position);
    const int start = position;
    while (position < text.length() && !text[position].isSpace() && text[position] != u'(') {
        ++position;
    }
    if (position < text.length() && text[position] == u'(') {
        ++position;
        while (position < text.length() && text[position] != u')') {
            ++position;
        }
        if (position < text.length()) {
            ++position; // the ")"
        }
    }
    if (position == start) {
        return Core::String();
    }
    return text.subString(start, position - 1);
}

// Attribute lists -------------------------------------------------------------

bool ShorthandHelper::getMixedAttributes(const Core::String& value, Core::String& style,
                                         Core::String& width, Core::String& color)
{
    if (value.isEmpty()) {
        return false;
    }
    int position = 0;
    for (int i = 0; i < 3; ++i) {
        const Core::String token = extract_word_or_function(value, position);
        if (isBorderStyleKeyword(token)) {
            style = token;
        }
        if (isLength(token)) {
            width = token;
        }
        if (isColor(token)) {
            color = token;
        }
    }
    return true;
}

namespace {

template <class Test>
bool fourTokensOfKind(const Core::String& value, std::vector<Core::String>& values, Test test,
                      Core::String (*extract)(const Core::String&, int&))
{
    if (value.isEmpty()) {
        return false;
    }
    int position = 0;
    for (int i = 0; i < 4; ++i) {
        const Core::String token = extract(value, position);
        if (test(token)) {
            values.push_back(token);
        }
    }
    return true;
}

} // namespace

bool ShorthandHelper::getLengthAttributes(const Core::String& value,
                                          std::vector<Core::String>& values)
{
    return fourTokensOfKind(value, values, isLength, &extract_word_or_function);
}

bool ShorthandHelper::getStyleAttributes(const Core::String& value,
                                         std::vector<Core::String>& values)
{
    return fourTokensOfKind(value, values, isStyle, &extract_word_or_function);
}

bool ShorthandHelper::getColorAttributes(const Core::String& value,
                                         std::vector<Core::String>& values)
{
    return fourTokensOfKind(value, values, isColor, &extract_word_or_function);
}

// Expansion -------------------------------------------------------------------

PropertyCollection ShorthandHelper::createSideProperties(const Core::String& pattern,
                                                         const std::vector<Core::String>& values)
{
    PropertyCollection result;
    const auto add = [&](const Core::String& side, const Core::String& value) {
        result.addProperty(EditableProperty(sideName(pattern, side), value), true);
    };
    switch (values.size()) {
    case 1:
        add(left(), values[0]);
        add(right(), values[0]);
        add(top(), values[0]);
        add(bottom(), values[0]);
        break;
    case 2:
        add(top(), values[0]);
        add(bottom(), values[0]);
        add(left(), values[1]);
        add(right(), values[1]);
        break;
    case 3:
        add(top(), values[0]);
        add(left(), values[1]);
        add(right(), values[1]);
        add(bottom(), values[2]);
        break;
    case 4:
        add(top(), values[0]);
        add(right(), values[1]);
        add(bottom(), values[2]);
        add(left(), values[3]);
        break;
    default:
        break;
    }
    return result;
}

PropertyCollection ShorthandHelper::expandBorder(const Core::String& side,
                                                 const Core::String& value)
{
    PropertyCollection result;
    Core::String style;
    Core::String width;
    Core::String color;
    getMixedAttributes(value, style, width, color);
    if (!color.isEmpty()) {
        result.addProperty(EditableProperty(sideName("fo:border-{0}-color", side), color), true);
    }
    if (!style.isEmpty()) {
        result.addProperty(EditableProperty(sideName("fo:border-{0}-style", side), style), true);
    }
    if (!width.isEmpty()) {
        result.addProperty(EditableProperty(sideName("fo:border-{0}-width", side), width), true);
    }
    return result;
}

PropertyCollection ShorthandHelper::expandBorder(const Core::String& value)
{
    PropertyCollection result;
    for (const Core::String& side : {left(), right(), top(), bottom()}) {
        result.addProperties(expandBorder(side, value));
    }
    return result;
}

PropertyCollection ShorthandHelper::expandBorderLeft(const Core::String& value)
{
    return expandBorder(left(), value);
}

PropertyCollection ShorthandHelper::expandBorderRight(const Core::String& value)
{
    return expandBorder(right(), value);
}

PropertyCollection ShorthandHelper::expandBorderTop(const Core::String& value)
{
    return expandBorder(top(), value);
}

PropertyCollection ShorthandHelper::expandBorderBottom(const Core::String& value)
{
    return expandBorder(bottom(), value);
}

PropertyCollection ShorthandHelper::expandBorderColor(const Core::String& value)
{
    std::vector<Core::String> values;
    getColorAttributes(value, values);
    return createSideProperties("fo:border-{0}-color", values);
}

PropertyCollection ShorthandHelper::expandBorderStyle(const Core::String& value)
{
    std::vector<Core::String> values;
    getStyleAttributes(value, values);
    return createSideProperties("fo:border-{0}-style", values);
}

PropertyCollection ShorthandHelper::expandBorderWidth(const Core::String& value)
{
    std::vector<Core::String> values;
    getLengthAttributes(value, values);
    return createSideProperties("fo:border-{0}-width", values);
}

PropertyCollection ShorthandHelper::expandPadding(const Core::String& value)
{
    std::vector<Core::String> values;
    getLengthAttributes(value, values);
    return createSideProperties("fo:padding-{0}", values);
}

PropertyCollection ShorthandHelper::expandMargin(const Core::String& value)
{
    std::vector<Core::String> values;
    getLengthAttributes(value, values);
    return createSideProperties("fo:margin-{0}", values);
}

void ShorthandHelper::expandShorthand(const Core::String& name, const Core::String& value,
                                      PropertyCollection& properties)
{
    using Expander = PropertyCollection (*)(const Core::String&);
    static const std::array<std::pair<const char*, Expander>, 10> expanders{{
        {"fo:border", static_cast<Expander>(&ShorthandHelper::expandBorder)},
        {"fo:border-left", &ShorthandHelper::expandBorderLeft},
        {"fo:border-right", &ShorthandHelper::expandBorderRight},
        {"fo:border-top", &ShorthandHelper::expandBorderTop},
        {"fo:border-bottom", &ShorthandHelper::expandBorderBottom},
        {"fo:border-color", &ShorthandHelper::expandBorderColor},
        {"fo:border-style", &ShorthandHelper::expandBorderStyle},
        {"fo:border-width", &ShorthandHelper::expandBorderWidth},
        {"fo:padding", &ShorthandHelper::expandPadding},
        {"fo:margin", &ShorthandHelper::expandMargin},
    }};
    for (const auto& [shorthand, expander] : expanders) {
        if (name == shorthand) {
            const PropertyCollection longhands = expander(value);
            properties.removePropertyByName(name);
            properties.addProperties(longhands);
            return;
        }
    }
}

void ShorthandHelper::expandShorthands(PropertyCollection& properties)
{
    const PropertyCollection::PropertyList list = properties.getPropertyList();
    for (const SmartPtr<EditableProperty>& property : list) {
        expandShorthand(property->getName(), property->getValue(), properties);
    }
}

// Collapsing ------------------------------------------------------------------

void ShorthandHelper::collapseSideProperties(const Core::String& pattern,
                                             const Core::String& shorthand,
                                             PropertyCollection& properties)
{
    const Core::String topName = sideName(pattern, top());
    const Core::String rightName = sideName(pattern, right());
    const Core::String bottomName = sideName(pattern, bottom());
    const Core::String leftName = sideName(pattern, left());
    const Core::String t = properties.getPropertyValue(topName);
    const Core::String r = properties.getPropertyValue(rightName);
    const Core::String b = properties.getPropertyValue(bottomName);
    const Core::String l = properties.getPropertyValue(leftName);
    if (t.isEmpty() || r.isEmpty() || b.isEmpty() || l.isEmpty()) {
        return;
    }
    Core::String value;
    if (t == r && t == b && t == l) {
        value = t;
    } else if (t == b && l == r) {
        value = Core::Format::format("{0} {1}", t, l);
    } else {
        value = Core::Format::format("{0} {1} {2} {3}", t, r, b, l);
    }
    properties.addProperty(EditableProperty(shorthand, value), true);
    properties.removePropertyByName(topName);
    properties.removePropertyByName(rightName);
    properties.removePropertyByName(bottomName);
    properties.removePropertyByName(leftName);
}

void ShorthandHelper::collapseMixedProperties(const Core::String& stylePattern,
                                              const Core::String& widthPattern,
                                              const Core::String& colorPattern,
                                              const Core::String& targetPattern,
                                              const Core::String& side,
                                              PropertyCollection& properties)
{
    const Core::String styleName = sideName(stylePattern, side);
    const Core::String widthName = sideName(widthPattern, side);
    const Core::String colorName = sideName(colorPattern, side);
    const Core::String style = properties.getPropertyValue(styleName);
    const Core::String width = properties.getPropertyValue(widthName);
    const Core::String color = properties.getPropertyValue(colorName);
    if (style.isEmpty() && width.isEmpty() && color.isEmpty()) {
        return;
    }
    properties.addProperty(
        EditableProperty(sideName(targetPattern, side),
                         Core::Format::format("{0} {1} {2}", width, style, color)),
        true);
    properties.removePropertyByName(styleName);
    properties.removePropertyByName(widthName);
    properties.removePropertyByName(colorName);
}

void ShorthandHelper::collapseBorder(PropertyCollection& properties)
{
    collapseSideProperties("fo:border-{0}-color", "fo:border-color", properties);
    collapseSideProperties("fo:border-{0}-style", "fo:border-style", properties);
    collapseSideProperties("fo:border-{0}-width", "fo:border-width", properties);

    Core::String combined;
    std::vector<Core::String> widths;
    if (getLengthAttributes(properties.getPropertyValue("fo:border-width"), widths) &&
        widths.size() == 1) {
        combined += widths[0] + " ";
        properties.removePropertyByName("fo:border-width");
    }
    std::vector<Core::String> styles;
    if (getStyleAttributes(properties.getPropertyValue("fo:border-style"), styles) &&
        styles.size() == 1) {
        combined += styles[0] + " ";
        properties.removePropertyByName("fo:border-style");
    }
    std::vector<Core::String> colors;
    if (getColorAttributes(properties.getPropertyValue("fo:border-color"), colors) &&
        colors.size() == 1) {
        combined += colors[0];
        properties.removePropertyByName("fo:border-color");
    }
    if (!combined.isEmpty()) {
        properties.addProperty(EditableProperty("fo:border", combined), true);
        return;
    }
    for (const Core::String& side : {top(), right(), bottom(), left()}) {
        collapseMixedProperties("fo:border-{0}-style", "fo:border-{0}-width", "fo:border-{0}-color",
                                "fo:border-{0}", side, properties);
    }
}

void ShorthandHelper::collapseShorthands(PropertyCollection& properties)
{
    collapseBorder(properties);
    collapseSideProperties("fo:padding-{0}", "fo:padding", properties);
    collapseSideProperties("fo:margin-{0}", "fo:margin", properties);
}

// Defaults --------------------------------------------------------------------

void ShorthandHelper::removePropetyIfZero(PropertyCollection& properties, const Core::String& name)
{
    const Core::String value = properties.getPropertyValue(name);
    if (value.isEmpty()) {
        properties.removePropertyByName(name);
        return;
    }
    Xml::LengthOrPercent length;
    if (Xml::LengthOrPercent::parseLengthOrPercent(length, value, false) &&
        length.getLength().getSize() == 0.0) {
        properties.removePropertyByName(name);
    }
}

void ShorthandHelper::removePropetyIfEmpty(PropertyCollection& properties, const Core::String& name)
{
    if (properties.getPropertyValue(name).isEmpty()) {
        properties.removePropertyByName(name);
    }
}

void ShorthandHelper::removeDefaultValues(PropertyCollection& properties)
{
    static const std::array<const char*, 10> names{
        "padding", "padding-left", "padding-right", "padding-top", "padding-bottom",
        "margin",  "margin-left",  "margin-right",  "margin-top",  "margin-bottom"};
    for (const char* name : names) {
        removePropetyIfZero(properties, name);
    }
}
