// Readers of sizes, spaces, indents, alignment in the block direction and breaks.

#include "outside/render/fostylereaders_p.h"
#include "outside/render/fostyletokens_p.h"

#include <algorithm>

namespace Fo {

namespace {

std::optional<Break> parseBreak(QStringView v)
{
    if (v == u"page" || v == u"even-page" || v == u"odd-page" || v == u"always" || v == u"left" ||
        v == u"right") {
        return Break::Page;
    }
    if (v == u"column") {
        return Break::Column;
    }
    if (v == u"auto" || v == u"avoid") {
        return Break::Auto;
    }
    return std::nullopt;
}

void readSpace(PropertyReading& r, double& target)
{
    // "space-before" may be a compound "min opt max"; the optimum is what is laid out.
    const auto parts = valueTokens(r.value);
    if (parts.empty()) {
        return;
    }
    const QStringView chosen = parts.size() >= 2 ? parts[1] : parts[0];
    if (auto l = StyleResolver::parseLength(chosen, r.em)) {
        target = std::clamp(*l, -1e6, 1e6);
    }
}

void readBoxSize(PropertyReading& r, std::optional<LengthPct>& target)
{
    if (r.value == u"auto") {
        target.reset();
    } else if (auto l = StyleResolver::parseLengthPct(r.value, r.em); l && l->value >= 0) {
        target = *l;
    }
}

void readContentSize(PropertyReading& r, std::optional<LengthPct>& target, bool& fit)
{
    const QStringView v = r.value;
    if (v == u"scale-to-fit" || v == u"scale-down-to-fit" || v == u"scale-up-to-fit") {
        fit = true;
        target.reset();
    } else if (v == u"auto") {
        fit = false;
        target.reset();
    } else if (auto l = StyleResolver::parseLengthPct(v, r.em); l && l->value >= 0) {
        fit = false;
        target = *l;
    }
}

} // namespace

void readSpaceBefore(PropertyReading& r)
{
    readSpace(r, r.style.spaceBefore);
}

void readSpaceAfter(PropertyReading& r)
{
    readSpace(r, r.style.spaceAfter);
}

void readWidth(PropertyReading& r)
{
    readBoxSize(r, r.style.width);
}

void readHeight(PropertyReading& r)
{
    readBoxSize(r, r.style.height);
}

void readContentWidth(PropertyReading& r)
{
    readContentSize(r, r.style.contentWidth, r.style.scaleToFitWidth);
}

void readContentHeight(PropertyReading& r)
{
    readContentSize(r, r.style.contentHeight, r.style.scaleToFitHeight);
}

void readScaling(PropertyReading& r)
{
    r.style.uniformScaling = r.value != u"non-uniform";
}

void readDisplayAlign(PropertyReading& r)
{
    const QStringView v = r.value;
    if (v == u"before" || v == u"top") {
        r.style.displayAlign = DisplayAlign::Before;
    } else if (v == u"center" || v == u"middle") {
        r.style.displayAlign = DisplayAlign::Center;
    } else if (v == u"after" || v == u"bottom") {
        r.style.displayAlign = DisplayAlign::After;
    } else if (v == u"auto") {
        r.style.displayAlign = DisplayAlign::Auto;
    }
}

void readBreakBefore(PropertyReading& r)
{
    if (auto b = parseBreak(r.value)) {
        r.style.breakBefore = *b;
    }
}

void readBreakAfter(PropertyReading& r)
{
    if (auto b = parseBreak(r.value)) {
        r.style.breakAfter = *b;
    }
}

} // namespace Fo
