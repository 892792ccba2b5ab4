// Lengths and percentages from any text: each input is refused or read, and
// whatever is read writes back text that reads as the same value.
#include "fuzztext.h"

#include "outside/core/coreexception.h"
#include "outside/cssvalues/xmllength.h"
#include "outside/cssvalues/xmllengthorpercent.h"

#include <cmath>

namespace {

using FuzzText::check;

void exercise(const QString& text)
{
    for (const bool bareNumberIsPx : {false, true}) {
        Xml::Length length(3.0, Xml::Length::Mm);
        if (Xml::Length::parseLength(length, text, bareNumberIsPx)) {
            check(std::isfinite(length.getSize()));
            check(std::fabs(length.getSize()) <= Xml::Length::MaxMagnitude);
            check(Xml::Length::isUnitCode(length.getUnit()));
            Xml::Length again;
            check(Xml::Length::parseLength(again, length.getValueAsString()));
            check(again.getValueAsString() == length.getValueAsString());
            for (int unit = Xml::Length::Px; unit <= Xml::Length::Em; ++unit) {
                const Xml::Length converted = length.convertTo(Xml::Length::Unit(unit), 12.0);
                check(std::isfinite(converted.pxSize(12.0)));
            }
        } else {
            check(length == Xml::Length(3.0, Xml::Length::Mm));
        }
        try {
            Xml::Length::fromString(text, bareNumberIsPx);
        } catch (const Core::Exception&) {
        }

        Xml::LengthOrPercent value(0.25);
        if (Xml::LengthOrPercent::parseLengthOrPercent(value, text, bareNumberIsPx)) {
            Xml::LengthOrPercent again;
            check(
                Xml::LengthOrPercent::parseLengthOrPercent(again, value.getValueAsString(), false));
            check(again.getValueAsString() == value.getValueAsString());
            check(std::isfinite(value.getLength().pxSize()));
        } else {
            check(value == Xml::LengthOrPercent(0.25));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
