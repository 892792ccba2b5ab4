// Readers of the font and text properties.

#include "outside/render/fostylereaders_p.h"
#include "outside/render/fostyletokens_p.h"

#include <algorithm>
#include <cmath>

namespace Fo {

namespace {

double fontSizeKeyword(QStringView v, double parent, bool& ok)
{
    ok = true;
    static const std::pair<const char16_t*, double> sizes[] = {
        {u"xx-small", 9}, {u"x-small", 10}, {u"small", 13},   {u"medium", 16},
        {u"large", 18},   {u"x-large", 24}, {u"xx-large", 32}};
    for (const auto& [name, px] : sizes) {
        if (v == QStringView(name)) {
            return px;
        }
    }
    if (v == u"larger") {
        return parent * 1.2;
    }
    if (v == u"smaller") {
        return parent / 1.2;
    }
    ok = false;
    return parent;
}

std::optional<TextAlign> parseTextAlign(QStringView v)
{
    if (v == u"start" || v == u"left" || v == u"inside") {
        return TextAlign::Start;
    }
    if (v == u"end" || v == u"right" || v == u"outside") {
        return TextAlign::End;
    }
    if (v == u"center") {
        return TextAlign::Center;
    }
    if (v == u"justify") {
        return TextAlign::Justify;
    }
    if (v == u"relevant") {
        return TextAlign::Relevant;
    }
    return std::nullopt;
}

std::optional<Decoration> parseDecoration(QStringView text)
{
    if (text == u"none") {
        return Decoration::None;
    }
    if (text == u"solid" || text == u"wave" || text == u"wavy") {
        return Decoration::Solid;
    }
    if (text == u"double") {
        return Decoration::Double;
    }
    if (text == u"dotted") {
        return Decoration::Dotted;
    }
    if (text == u"dashed") {
        return Decoration::Dashed;
    }
    return std::nullopt;
}

void readTextSpacing(PropertyReading& r, double& target)
{
    double px = 0;
    if (r.value != u"normal") {
        auto l = StyleResolver::parseLength(r.value, r.em);
        if (!l) {
            return;
        }
        px = std::clamp(*l, -1000.0, 1000.0);
    }
    target = px;
}

void readDecorationStyle(PropertyReading& r, Decoration& target)
{
    if (auto d = parseDecoration(r.value)) {
        target = *d;
        r.decorationSet = r.decorationSet || *d != Decoration::None;
    }
}

} // namespace

void readFontSize(PropertyReading& r)
{
    bool keyword = false;
    const double size = fontSizeKeyword(r.value, r.parent.fontSize, keyword);
    if (keyword) {
        r.style.fontSize = size;
    } else if (auto length = StyleResolver::parseLengthPct(r.value, r.parent.fontSize)) {
        const double px = length->resolve(r.parent.fontSize);
        if (px > 0 && px < 10000) {
            r.style.fontSize = px;
        }
    }
}

void readFontFamily(PropertyReading& r)
{
    r.style.fontFamily = r.value.toString();
}

void readFontWeight(PropertyReading& r)
{
    const QStringView v = r.value;
    if (v == u"normal") {
        r.style.fontWeight = 400;
    } else if (v == u"bold") {
        r.style.fontWeight = 700;
    } else if (v == u"bolder") {
        r.style.fontWeight = std::min(900, r.parent.fontWeight + 300);
    } else if (v == u"lighter") {
        r.style.fontWeight = std::max(100, r.parent.fontWeight - 300);
    } else {
        bool ok = false;
        const int w = v.toInt(&ok);
        if (ok && w >= 100 && w <= 900) {
            r.style.fontWeight = w;
        }
    }
}

void readFontStyle(PropertyReading& r)
{
    const QStringView v = r.value;
    if (v == u"italic" || v == u"oblique" || v == u"backslant") {
        r.style.italic = true;
    } else if (v == u"normal") {
        r.style.italic = false;
    }
}

void readFontVariant(PropertyReading& r)
{
    if (r.value == u"small-caps") {
        r.style.smallCaps = true;
    } else if (r.value == u"normal" || r.value == u"none") {
        r.style.smallCaps = false;
    }
}

void readFont(PropertyReading& r)
{
    // [style] [variant] [weight] size[/line-height] family...
    Style& s = r.style;
    const auto parts = valueTokens(r.value);
    for (size_t i = 0; i < parts.size(); ++i) {
        const QStringView p = parts[i];
        if (p == u"italic" || p == u"oblique") {
            s.italic = true;
        } else if (p == u"small-caps") {
            s.smallCaps = true;
        } else if (p == u"bold") {
            s.fontWeight = 700;
        } else if (p == u"normal") {
            continue;
        } else {
            const qsizetype slash = p.indexOf(u'/');
            const QStringView sizeText = slash >= 0 ? p.left(slash) : p;
            if (auto length = StyleResolver::parseLengthPct(sizeText, r.parent.fontSize)) {
                s.fontSize = std::clamp(length->resolve(r.parent.fontSize), 0.1, 10000.0);
                QString family;
                for (size_t j = i + 1; j < parts.size(); ++j) {
                    family +=
                        (family.isEmpty() ? QString() : QStringLiteral(" ")) + parts[j].toString();
                }
                if (!family.isEmpty()) {
                    s.fontFamily = family;
                }
            }
            return;
        }
    }
}

void readColor(PropertyReading& r)
{
    if (auto c = StyleResolver::parseColor(r.value)) {
        r.style.color = *c;
    }
}

void readTextAlign(PropertyReading& r)
{
    if (auto a = parseTextAlign(r.value)) {
        r.style.textAlign = *a;
    }
}

void readTextAlignLast(PropertyReading& r)
{
    if (auto a = parseTextAlign(r.value)) {
        r.style.textAlignLast = *a;
    }
}

void readLineHeight(PropertyReading& r)
{
    Style& s = r.style;
    if (r.value == u"normal") {
        s.lineHeight = 1.2;
        s.lineHeightIsFactor = true;
        return;
    }
    bool ok = false;
    const double factor = r.value.toDouble(&ok);
    if (ok && std::isfinite(factor) && factor >= 0 && factor < 1000) {
        s.lineHeight = factor;
        s.lineHeightIsFactor = true;
    } else if (auto l = StyleResolver::parseLengthPct(r.value, r.em)) {
        s.lineHeight = std::clamp(l->resolve(r.em), 0.0, 100000.0);
        s.lineHeightIsFactor = false;
    }
}

void readTextTransform(PropertyReading& r)
{
    const QStringView v = r.value;
    if (v == u"uppercase") {
        r.style.textTransform = TextTransform::Upper;
    } else if (v == u"lowercase") {
        r.style.textTransform = TextTransform::Lower;
    } else if (v == u"capitalize") {
        r.style.textTransform = TextTransform::Capitalize;
    } else if (v == u"none") {
        r.style.textTransform = TextTransform::None;
    }
}

void readLetterSpacing(PropertyReading& r)
{
    readTextSpacing(r, r.style.letterSpacing);
}

void readWordSpacing(PropertyReading& r)
{
    readTextSpacing(r, r.style.wordSpacing);
}

void readWhiteSpace(PropertyReading& r)
{
    Style& s = r.style;
    const QStringView v = r.value;
    if (v == u"pre") {
        s.collapseWhiteSpace = false;
        s.preserveLinefeeds = true;
        s.preserveSpaces = true;
        s.wrap = false;
    } else if (v == u"pre-wrap") {
        s.collapseWhiteSpace = false;
        s.preserveLinefeeds = true;
        s.preserveSpaces = true;
        s.wrap = true;
    } else if (v == u"pre-line") {
        s.collapseWhiteSpace = true;
        s.preserveLinefeeds = true;
        s.preserveSpaces = false;
    } else if (v == u"nowrap") {
        s.wrap = false;
    } else if (v == u"normal") {
        s.collapseWhiteSpace = true;
        s.preserveLinefeeds = false;
        s.preserveSpaces = false;
        s.wrap = true;
    }
}

void readWhiteSpaceCollapse(PropertyReading& r)
{
    r.style.collapseWhiteSpace = r.value != u"false";
}

void readLinefeedTreatment(PropertyReading& r)
{
    r.style.preserveLinefeeds = r.value == u"preserve";
}

void readWhiteSpaceTreatment(PropertyReading& r)
{
    r.style.preserveSpaces = r.value == u"preserve";
}

void readWrapOption(PropertyReading& r)
{
    r.style.wrap = r.value != u"no-wrap";
}

void readTextDecoration(PropertyReading& r)
{
    Style& s = r.style;
    for (QStringView t : valueTokens(r.value)) {
        if (t == u"none") {
            s.underline = s.overline = s.lineThrough = Decoration::None;
        } else if (t == u"underline") {
            s.underline = Decoration::Solid;
            r.decorationSet = true;
        } else if (t == u"overline") {
            s.overline = Decoration::Solid;
            r.decorationSet = true;
        } else if (t == u"line-through") {
            s.lineThrough = Decoration::Solid;
            r.decorationSet = true;
        } else if (t == u"no-underline") {
            s.underline = Decoration::None;
        } else if (t == u"no-overline") {
            s.overline = Decoration::None;
        } else if (t == u"no-line-through") {
            s.lineThrough = Decoration::None;
        }
    }
}

void readUnderlineStyle(PropertyReading& r)
{
    readDecorationStyle(r, r.style.underline);
}

void readOverlineStyle(PropertyReading& r)
{
    readDecorationStyle(r, r.style.overline);
}

void readLineThroughStyle(PropertyReading& r)
{
    readDecorationStyle(r, r.style.lineThrough);
}

} // namespace Fo
