// An object's border, shadow, background and padding properties from any
// text, read into the borders and background record and written back: no
// crash, style indices from the style table, only non-empty longhands
// written, properties the record does not know left alone, and the styles
// read back as written.
#include "css/shorthandhelper.h"
#include "dialogs/format/bordersbackgroundattributes.h"
#include "fuzztext.h"

#include <array>

namespace {

const std::array<const char*, 16> Names{"fo:border",
                                        "fo:border-style",
                                        "fo:border-width",
                                        "fo:border-color",
                                        "fo:border-top-style",
                                        "fo:border-left-width",
                                        "fo:border-right",
                                        "fo:box-shadow",
                                        "fo:background-color",
                                        "fo:background-image",
                                        "fo:background-repeat",
                                        "fo:padding",
                                        "fo:padding-bottom",
                                        "fo:background-position-horizontal",
                                        "fo:background-position-vertical",
                                        "fo:font-size"};

void exercise(const QString& text)
{
    // Each line is the value of the next property name.
    PropertyCollection properties;
    const QStringList values = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < values.size() && i < qsizetype(Names.size()); ++i) {
        if (!values[i].isEmpty()) {
            properties.setProperty(EditableProperty(Names[std::size_t(i)], values[i]), true);
        }
    }
    const Core::String fontSize = properties.getPropertyValue("fo:font-size");
    ShorthandHelper::expandShorthands(properties);

    BordersAndBackgroundData data;
    BordersBackgroundAttributes::load(properties, data);
    for (int side = 0; side < BordersAndBackgroundData::SideCount; ++side) {
        const int style = data.getStyle(BordersAndBackgroundData::Side(side));
        FuzzText::check(style >= 0 && style < BordersAndBackgroundData::getStyleCount());
    }
    BordersBackgroundAttributes::store(data, properties);
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        FuzzText::check(!property->getValue().isEmpty());
    }
    FuzzText::check(properties.getPropertyValue("fo:font-size") == fontSize);

    BordersAndBackgroundData again;
    BordersBackgroundAttributes::load(properties, again);
    for (int side = 0; side < BordersAndBackgroundData::SideCount; ++side) {
        const auto s = BordersAndBackgroundData::Side(side);
        FuzzText::check(again.getStyle(s) == data.getStyle(s));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
