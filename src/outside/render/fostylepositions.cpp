// Readers of placement: positioning, orientation, writing mode, overflow,
// column spans and the shift of the baseline.

#include "outside/render/fostylereaders_p.h"

#include <cmath>

namespace Fo {

namespace {

void readSizeLimit(PropertyReading& r, std::optional<LengthPct>& target)
{
    if (r.value == u"auto") {
        target.reset();
    } else if (auto l = StyleResolver::parseLengthPct(r.value, r.em); l && l->value >= 0) {
        target = LengthPct{std::min(l->value, 1e6), l->isPercent};
    }
}

/// "super", "sub", "baseline", a length or a percentage of the line height.
bool readShift(PropertyReading& r)
{
    // Raised by about the surrounding text's x-height, lowered by half of
    // it, as Apache FOP does with its standard fonts.
    const double em = r.parent.fontSize;
    if (r.value == u"baseline") {
        r.style.baselineShift = 0.0;
    } else if (r.value == u"super") {
        r.style.baselineShift = em * 0.45;
    } else if (r.value == u"sub") {
        r.style.baselineShift = -em * 0.225;
    } else if (auto l = StyleResolver::parseLengthPct(r.value, r.em)) {
        r.style.baselineShift = std::clamp(l->resolve(r.parent.lineHeightPx()), -1e5, 1e5);
    } else {
        return false;
    }
    return true;
}

} // namespace

void readMinHeight(PropertyReading& r)
{
    readSizeLimit(r, r.style.minHeight);
}

void readMaxHeight(PropertyReading& r)
{
    readSizeLimit(r, r.style.maxHeight);
}

void readAbsolutePosition(PropertyReading& r)
{
    if (r.value == u"absolute" || r.value == u"fixed") {
        r.style.absolute = true;
    } else if (r.value == u"auto" || r.value == u"relative") {
        r.style.absolute = false;
    }
}

void readOverflow(PropertyReading& r)
{
    const QStringView v = r.value;
    if (v == u"hidden" || v == u"scroll" || v == u"error-if-overflow") {
        r.style.overflowHidden = true;
    } else if (v == u"visible" || v == u"auto") {
        r.style.overflowHidden = false;
    }
}

void readSpan(PropertyReading& r)
{
    if (r.value == u"all") {
        r.style.spanAll = true;
    } else if (r.value == u"none") {
        r.style.spanAll = false;
    }
}

void readReferenceOrientation(PropertyReading& r)
{
    bool ok = false;
    const int degrees = r.value.toInt(&ok);
    if (ok && degrees % 90 == 0 && std::abs(degrees) <= 270) {
        r.style.turns = static_cast<unsigned char>(((degrees / 90) % 4 + 4) % 4);
    }
}

void readWritingMode(PropertyReading& r)
{
    const QStringView v = r.value;
    if (v == u"rl-tb" || v == u"rl") {
        r.style.rightToLeft = true;
    } else if (v == u"lr-tb" || v == u"lr") {
        r.style.rightToLeft = false;
    }
}

void readBaselineShift(PropertyReading& r)
{
    readShift(r);
}

void readVerticalAlign(PropertyReading& r)
{
    // The shorthand shifts inline text, and aligns the content of cells.
    const QStringView v = r.value;
    if (v == u"top" || v == u"text-top") {
        r.style.displayAlign = DisplayAlign::Before;
    } else if (v == u"middle") {
        r.style.displayAlign = DisplayAlign::Center;
    } else if (v == u"bottom" || v == u"text-bottom") {
        r.style.displayAlign = DisplayAlign::After;
    } else {
        readShift(r);
    }
}

} // namespace Fo
