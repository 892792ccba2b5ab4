// Readers of the background and the box shadow.

#include "outside/render/fostylereaders_p.h"
#include "outside/render/fostyletokens_p.h"

#include "outside/cssvalues/xmlboxshadow.h"

#include <algorithm>

namespace Fo {

namespace {

std::optional<LengthPct> parseBackgroundPosition(QStringView v, double em, bool horizontal)
{
    if (v == u"center") {
        return LengthPct{50, true};
    }
    if ((horizontal && v == u"left") || (!horizontal && v == u"top")) {
        return LengthPct{0, true};
    }
    if ((horizontal && v == u"right") || (!horizontal && v == u"bottom")) {
        return LengthPct{100, true};
    }
    return StyleResolver::parseLengthPct(v, em);
}

std::optional<Repeat> parseRepeat(QStringView v)
{
    if (v == u"repeat") {
        return Repeat::Repeat;
    }
    if (v == u"repeat-x") {
        return Repeat::RepeatX;
    }
    if (v == u"repeat-y") {
        return Repeat::RepeatY;
    }
    if (v == u"no-repeat") {
        return Repeat::NoRepeat;
    }
    return std::nullopt;
}

} // namespace

void readBackground(PropertyReading& r)
{
    Style& s = r.style;
    std::vector<QStringView> positions;
    for (QStringView part : valueTokens(r.value)) {
        if (part.startsWith(u"url(") || part.startsWith(u"data:")) {
            s.backgroundImage = part.toString();
        } else if (part == u"none") {
            s.backgroundImage.clear();
        } else if (auto repeat = parseRepeat(part)) {
            s.backgroundRepeat = *repeat;
        } else if (auto color = StyleResolver::parseColor(part)) {
            s.backgroundColor = *color;
        } else {
            positions.push_back(part);
        }
    }
    if (!positions.empty()) {
        if (auto h = parseBackgroundPosition(positions[0], s.fontSize, true)) {
            s.backgroundPosH = *h;
        }
        if (positions.size() > 1) {
            if (auto v = parseBackgroundPosition(positions[1], s.fontSize, false)) {
                s.backgroundPosV = *v;
            }
        } else {
            s.backgroundPosV = LengthPct{50, true};
        }
    }
}

void readBackgroundColor(PropertyReading& r)
{
    if (auto c = StyleResolver::parseColor(r.value)) {
        r.style.backgroundColor = *c;
    }
}

void readBackgroundImage(PropertyReading& r)
{
    if (r.value == u"none") {
        r.style.backgroundImage.clear();
    } else {
        r.style.backgroundImage = r.value.toString();
    }
}

void readBackgroundRepeat(PropertyReading& r)
{
    if (auto repeat = parseRepeat(r.value)) {
        r.style.backgroundRepeat = *repeat;
    }
}

void readBackgroundPosition(PropertyReading& r)
{
    const auto parts = valueTokens(r.value);
    if (parts.empty() || parts.size() > 2) {
        return;
    }
    auto h = parseBackgroundPosition(parts[0], r.em, true);
    auto v = parts.size() > 1 ? parseBackgroundPosition(parts[1], r.em, false)
                              : std::optional<LengthPct>(LengthPct{50, true});
    if (h && v) {
        r.style.backgroundPosH = *h;
        r.style.backgroundPosV = *v;
    }
}

void readBackgroundPositionH(PropertyReading& r)
{
    if (auto l = parseBackgroundPosition(r.value, r.em, true)) {
        r.style.backgroundPosH = *l;
    }
}

void readBackgroundPositionV(PropertyReading& r)
{
    if (auto l = parseBackgroundPosition(r.value, r.em, false)) {
        r.style.backgroundPosV = *l;
    }
}

void readBackgroundSize(PropertyReading& r)
{
    r.style.backgroundSizeGiven = r.value != u"auto";
}

void readBoxShadow(PropertyReading& r)
{
    Shadow& target = r.style.shadow;
    const double em = r.em;
    Xml::BoxShadow shadow;
    if (r.value == u"none") {
        target = Shadow{};
    } else if (shadow.readFromString(r.value.toString()) && !shadow.isNone()) {
        target.present = true;
        target.inset = shadow.isInset();
        target.dx = std::clamp(shadow.getDx().pxSize(em), -1e4, 1e4);
        target.dy = std::clamp(shadow.getDy().pxSize(em), -1e4, 1e4);
        target.blur = std::clamp(shadow.getBlur().pxSize(em), 0.0, 200.0);
        target.spread = std::clamp(shadow.getSpread().pxSize(em), -1e4, 1e4);
        if (shadow.getColor().isSet()) {
            const Drawing::RGBColor& c = shadow.getColor().getValue();
            target.color = QColor(c.getR(), c.getG(), c.getB(), c.getAlpha());
        } else {
            target.color = QColor();
        }
    }
}

} // namespace Fo
