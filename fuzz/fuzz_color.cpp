// Colour text of any notation: each parser answers a colour or nothing, and a
// colour written back reads as the same colour.
#include "fuzztext.h"

#include "outside/cssvalues/xmlcolorparse.h"

namespace {

using FuzzText::check;

void exercise(const QString& text)
{
    using Xml::ColorParse;
    const ColorParse::Result color = ColorParse::parseColor(text);
    if (color) {
        check(ColorParse::parseColor(ColorParse::getColorAsString(*color)) == color);
        check(ColorParse::parseHexaColor(ColorParse::getColorAsHexString(*color)).has_value());
    }
    ColorParse::parseRGB(text, ColorParse::Range::Clamp);
    ColorParse::parseRGB(text, ColorParse::Range::LowByte);
    ColorParse::parseHexaColor(text);
    ColorParse::parseCMYKString(text);
    ColorParse::parseICCColor(text);
    ColorParse::parseSpotColor(text);
    ColorParse::parseColorName(text, Qt::CaseSensitive);
    ColorParse::lookupColorKeyword(text, Qt::CaseSensitive);
    if (const ColorParse::Result scanned = ColorParse::scanRGBTriplet(text)) {
        check(scanned->isOpaque());
        check(ColorParse::scanRGBTriplet(ColorParse::getColorAsString(*scanned)) == scanned);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
