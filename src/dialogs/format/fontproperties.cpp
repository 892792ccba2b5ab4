#include "dialogs/format/fontproperties.h"

#include "outside/core/coreformat.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 5> UnderlineNames = {"none", "solid", "double", "dotted",
                                                        "dashed"};

Core::String valueOf(const PropertyCollection& properties, const char* name)
{
    return properties.getPropertyValue(name);
}

void set(PropertyCollection& properties, const char* name, const Core::String& value)
{
    properties.setProperty(EditableProperty(name, value), true);
}

// "Off" is only written over a value that is there: an absent property is off already.
void setOff(PropertyCollection& properties, const char* name, const char* off)
{
    if (properties.containsProperty(name)) {
        set(properties, name, off);
    }
}

} // namespace

int FontProperties::leadingInteger(const Core::String& text)
{
    const QString value = text.toQString().trimmed();
    qsizetype end = 0;
    if (end < value.size() && (value[end] == u'-' || value[end] == u'+')) {
        ++end;
    }
    while (end < value.size() && value[end].isDigit() && value[end].unicode() < 128) {
        ++end;
    }
    bool ok = false;
    const long long number = value.left(end).toLongLong(&ok);
    if (!ok) {
        return 0;
    }
    // A size nobody means; kept within int so that writing it back cannot overflow.
    return int(std::clamp<long long>(number, -99999, 99999));
}

void FontProperties::read(const PropertyCollection& properties)
{
    family = valueOf(properties, "fo:font-family");
    if (family.isEmpty()) {
        family = "Times";
    }
    style = 0;
    if (valueOf(properties, "fo:font-weight") == "bold") {
        style |= Bold;
    }
    if (valueOf(properties, "fo:font-style") == "italic") {
        style |= Italic;
    }
    const Core::String sizeText = valueOf(properties, "fo:font-size");
    size = sizeText.isEmpty() ? 12 : leadingInteger(sizeText);
    color = valueOf(properties, "fo:color");
    if (color.isEmpty()) {
        color = "black";
    }
    const Core::String underlineStyle = valueOf(properties, "fo:text-underline-style");
    underline = NoUnderline;
    for (int kind = Solid; kind <= Dashed; ++kind) {
        if (underlineStyle == UnderlineNames[std::size_t(kind)]) {
            underline = kind;
        }
    }
    const Core::String lineThroughStyle = valueOf(properties, "fo:text-line-through-style");
    lineThrough = lineThroughStyle == "solid";
    doubleLineThrough = lineThroughStyle == "double";
    const Core::String overlineStyle = valueOf(properties, "fo:text-overline-style");
    overline = overlineStyle == "solid";
    doubleOverline = overlineStyle == "double";
    smallCaps = valueOf(properties, "fo:font-variant") == "small-caps";
    const Core::String transform = valueOf(properties, "fo:text-transform");
    capitalize = transform == "capitalize";
    lowercase = transform == "lowercase";
    uppercase = transform == "uppercase";
}

void FontProperties::write(PropertyCollection& properties) const
{
    if (familyChanged) {
        set(properties, "fo:font-family", family);
    }
    if (italicChanged) {
        if (style & Italic) {
            set(properties, "fo:font-style", "italic");
        } else {
            setOff(properties, "fo:font-style", "normal");
        }
    }
    if (boldChanged) {
        if (style & Bold) {
            set(properties, "fo:font-weight", "bold");
        } else {
            setOff(properties, "fo:font-weight", "normal");
        }
    }
    if (sizeChanged) {
        set(properties, "fo:font-size", Core::Format::format("{0}pt", size));
    }
    if (colorChanged) {
        set(properties, "fo:color", color);
    }
    if (underlineChanged) {
        if (underline > NoUnderline && underline <= Dashed) {
            set(properties, "fo:text-underline-style", UnderlineNames[std::size_t(underline)]);
        } else {
            setOff(properties, "fo:text-underline-style", "none");
        }
    }
    if (lineThroughChanged) {
        if (lineThrough || doubleLineThrough) {
            set(properties, "fo:text-line-through-style", lineThrough ? "solid" : "double");
        } else {
            setOff(properties, "fo:text-line-through-style", "none");
        }
    }
    if (overlineChanged) {
        if (overline || doubleOverline) {
            set(properties, "fo:text-overline-style", overline ? "solid" : "double");
        } else {
            setOff(properties, "fo:text-overline-style", "none");
        }
    }
    if (caseChanged) {
        if (smallCaps) {
            set(properties, "fo:font-variant", "small-caps");
        } else {
            setOff(properties, "fo:font-variant", "none");
        }
        if (capitalize || lowercase || uppercase) {
            set(properties, "fo:text-transform",
                capitalize ? "capitalize" : lowercase ? "lowercase" : "uppercase");
        } else {
            setOff(properties, "fo:text-transform", "none");
        }
    }
}

void FontProperties::clearChanged()
{
    familyChanged = sizeChanged = colorChanged = italicChanged = boldChanged = false;
    underlineChanged = lineThroughChanged = overlineChanged = caseChanged = false;
}
