// Box shadows and border widths from any text: refused or read, and what is
// read writes back text that reads back to the same text (numbers are written
// with six decimals, so the value itself may move by less than that).
#include "fuzztext.h"

#include "outside/cssvalues/xmlborderwidth.h"
#include "outside/cssvalues/xmlboxshadow.h"

#include <cmath>

namespace {

using FuzzText::check;

void exercise(const QString& text)
{
    Xml::BoxShadow shadow;
    check(shadow.readFromString("1pt 2pt red"));
    const Xml::BoxShadow before = shadow;
    if (shadow.readFromString(text)) {
        Xml::BoxShadow again;
        check(again.readFromString(shadow.getValueAsString()));
        check(again.getValueAsString() == shadow.getValueAsString());
        check(shadow.isNone() || shadow.getBlur().getSize() >= 0.0);
    } else {
        check(shadow == before);
    }

    Xml::BorderWidth width;
    if (Xml::BorderWidth::parseBorderWidth(width, text)) {
        check(width.getSize() >= 0.0 && std::isfinite(width.pxSize()));
        Xml::BorderWidth again;
        check(Xml::BorderWidth::parseBorderWidth(again, width.getValueAsString()));
        check(again.getValueAsString() == width.getValueAsString());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
