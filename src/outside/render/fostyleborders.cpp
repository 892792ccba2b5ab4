// Readers of borders, padding, margins and the table border model.

#include "outside/render/fostylereaders_p.h"
#include "outside/render/fostyletokens_p.h"

namespace Fo {

namespace {

/// "1pt 2pt" for margin or padding; "auto" counts as zero.
void readFourLengths(PropertyReading& r, std::array<LengthPct, 4>& target)
{
    std::vector<std::optional<LengthPct>> values;
    for (QStringView t : valueTokens(r.value)) {
        values.push_back(t == u"auto" ? std::optional<LengthPct>(LengthPct{})
                                      : StyleResolver::parseLengthPct(t, r.em));
    }
    expandFour(values, target);
}

/// "1px solid red" in any order; what is left out takes its initial value.
std::optional<BorderSide> parseBorderShorthand(QStringView value, double em)
{
    const auto parts = valueTokens(value);
    if (parts.empty()) {
        return std::nullopt;
    }
    BorderSide border;
    bool haveStyle = false;
    for (QStringView part : parts) {
        if (auto style = StyleResolver::parseBorderStyle(part); style && !haveStyle) {
            border.style = *style;
            haveStyle = true;
        } else if (auto width = StyleResolver::parseBorderWidth(part, em)) {
            border.width = *width;
        } else if (auto color = StyleResolver::parseColor(part)) {
            border.color = *color;
        } else {
            return std::nullopt;
        }
    }
    return border;
}

/// One to four values, each read by `parse`, set on the sides' `field`.
template <typename T, typename Parse>
void readFourBorderSides(PropertyReading& r, T BorderSide::*field, Parse parse)
{
    std::vector<std::optional<T>> values;
    for (QStringView t : valueTokens(r.value)) {
        values.push_back(parse(t));
    }
    std::array<T, 4> sides{};
    if (expandFour(values, sides)) {
        for (size_t i = 0; i < 4; ++i) {
            r.style.border[i].*field = sides[i];
        }
    }
}

} // namespace

void readMargin(PropertyReading& r)
{
    readFourLengths(r, r.style.margin);
}

void readMarginSide(PropertyReading& r)
{
    if (r.value == u"auto") {
        r.style.margin[r.side] = LengthPct{};
    } else if (auto l = StyleResolver::parseLengthPct(r.value, r.em)) {
        r.style.margin[r.side] = *l;
    }
}

void readPadding(PropertyReading& r)
{
    readFourLengths(r, r.style.padding);
}

void readPaddingSide(PropertyReading& r)
{
    if (auto l = StyleResolver::parseLengthPct(r.value, r.em); l && l->value >= 0) {
        r.style.padding[r.side] = *l;
    }
}

void readBorder(PropertyReading& r)
{
    if (auto border = parseBorderShorthand(r.value, r.em)) {
        r.style.border.fill(*border);
    }
}

void readBorderSide(PropertyReading& r)
{
    if (auto border = parseBorderShorthand(r.value, r.em)) {
        r.style.border[r.side] = *border;
    }
}

void readBorderWidth(PropertyReading& r)
{
    readFourBorderSides(r, &BorderSide::width,
                        [&r](QStringView t) { return StyleResolver::parseBorderWidth(t, r.em); });
}

void readBorderStyle(PropertyReading& r)
{
    readFourBorderSides(r, &BorderSide::style, StyleResolver::parseBorderStyle);
}

void readBorderColor(PropertyReading& r)
{
    readFourBorderSides(r, &BorderSide::color, StyleResolver::parseColor);
}

void readBorderSideWidth(PropertyReading& r)
{
    if (auto w = StyleResolver::parseBorderWidth(r.value, r.em)) {
        r.style.border[r.side].width = *w;
    }
}

void readBorderSideStyle(PropertyReading& r)
{
    if (auto st = StyleResolver::parseBorderStyle(r.value)) {
        r.style.border[r.side].style = *st;
    }
}

void readBorderSideColor(PropertyReading& r)
{
    if (auto c = StyleResolver::parseColor(r.value)) {
        r.style.border[r.side].color = *c;
    }
}

void readBorderCollapse(PropertyReading& r)
{
    r.style.borderCollapse = r.value != u"separate";
}

void readBorderSpacing(PropertyReading& r)
{
    const auto parts = valueTokens(r.value);
    if (parts.empty() || parts.size() > 2) {
        return;
    }
    auto h = StyleResolver::parseLength(parts[0], r.em);
    auto v = parts.size() > 1 ? StyleResolver::parseLength(parts[1], r.em) : h;
    if (h && v && *h >= 0 && *v >= 0) {
        r.style.borderSpacingH = *h;
        r.style.borderSpacingV = *v;
    }
}

void readBorderSpacingH(PropertyReading& r)
{
    if (auto l = StyleResolver::parseLength(r.value, r.em); l && *l >= 0) {
        r.style.borderSpacingH = *l;
    }
}

void readBorderSpacingV(PropertyReading& r)
{
    if (auto l = StyleResolver::parseLength(r.value, r.em); l && *l >= 0) {
        r.style.borderSpacingV = *l;
    }
}

} // namespace Fo
