#include "outside/render/fostyle_p.h"

#include "outside/cssvalues/xmlborderwidth.h"
#include "outside/cssvalues/xmlboxshadow.h"
#include "outside/cssvalues/xmlcolorparse.h"
#include "outside/cssvalues/xmllength.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <vector>

namespace Fo {

namespace {

enum class Prop {
    Unknown,
    FontSize,
    FontFamily,
    FontWeight,
    FontStyle,
    FontVariant,
    Font,
    Color,
    TextAlign,
    TextAlignLast,
    TextIndent,
    LastLineEndIndent,
    LineHeight,
    TextTransform,
    LetterSpacing,
    WordSpacing,
    WhiteSpace,
    WhiteSpaceCollapse,
    LinefeedTreatment,
    WhiteSpaceTreatment,
    WrapOption,
    DisplayAlign,
    BorderCollapse,
    BorderSpacing,
    BorderSpacingH,
    BorderSpacingV,
    TextDecoration,
    UnderlineStyle,
    OverlineStyle,
    LineThroughStyle,
    Margin,
    MarginSide,
    Padding,
    PaddingSide,
    Border,
    BorderSideAll,
    BorderWidthAll,
    BorderStyleAll,
    BorderColorAll,
    BorderSideWidth,
    BorderSideStyle,
    BorderSideColor,
    SpaceBefore,
    SpaceAfter,
    StartIndent,
    EndIndent,
    Background,
    BackgroundColor,
    BackgroundImage,
    BackgroundRepeat,
    BackgroundPosition,
    BackgroundPosH,
    BackgroundPosV,
    BackgroundSize,
    BoxShadow,
    Width,
    Height,
    ContentWidth,
    ContentHeight,
    Scaling,
    BreakBefore,
    BreakAfter,
    PageBreakBefore,
    PageBreakAfter,
};

struct PropInfo
{
    Prop prop = Prop::Unknown;
    int side = 0;
    int rank = 3; // shorthands apply before the longhands that refine them
};

int sideFromName(QStringView name)
{
    if (name == u"top" || name == u"before") {
        return Top;
    }
    if (name == u"bottom" || name == u"after") {
        return Bottom;
    }
    if (name == u"left" || name == u"start") {
        return Left;
    }
    if (name == u"right" || name == u"end") {
        return Right;
    }
    return -1;
}

PropInfo lookup(const QString& fullName)
{
    static const QHash<QString, PropInfo> table = [] {
        QHash<QString, PropInfo> t;
        t.insert("font-size", {Prop::FontSize, 0, 0});
        t.insert("font-family", {Prop::FontFamily, 0, 3});
        t.insert("font-weight", {Prop::FontWeight, 0, 3});
        t.insert("font-style", {Prop::FontStyle, 0, 3});
        t.insert("font-variant", {Prop::FontVariant, 0, 3});
        t.insert("font", {Prop::Font, 0, 1});
        t.insert("color", {Prop::Color, 0, 1});
        t.insert("text-align", {Prop::TextAlign, 0, 3});
        t.insert("text-align-last", {Prop::TextAlignLast, 0, 3});
        t.insert("text-indent", {Prop::TextIndent, 0, 3});
        t.insert("last-line-end-indent", {Prop::LastLineEndIndent, 0, 3});
        t.insert("line-height", {Prop::LineHeight, 0, 3});
        t.insert("text-transform", {Prop::TextTransform, 0, 3});
        t.insert("letter-spacing", {Prop::LetterSpacing, 0, 3});
        t.insert("word-spacing", {Prop::WordSpacing, 0, 3});
        t.insert("white-space", {Prop::WhiteSpace, 0, 1});
        t.insert("white-space-collapse", {Prop::WhiteSpaceCollapse, 0, 3});
        t.insert("linefeed-treatment", {Prop::LinefeedTreatment, 0, 3});
        t.insert("white-space-treatment", {Prop::WhiteSpaceTreatment, 0, 3});
        t.insert("wrap-option", {Prop::WrapOption, 0, 3});
        t.insert("display-align", {Prop::DisplayAlign, 0, 3});
        t.insert("border-collapse", {Prop::BorderCollapse, 0, 3});
        t.insert("border-spacing", {Prop::BorderSpacing, 0, 1});
        t.insert("border-separation", {Prop::BorderSpacing, 0, 1});
        t.insert("border-separation.inline-progression-direction", {Prop::BorderSpacingH, 0, 3});
        t.insert("border-separation.block-progression-direction", {Prop::BorderSpacingV, 0, 3});
        t.insert("text-decoration", {Prop::TextDecoration, 0, 2});
        t.insert("text-underline-style", {Prop::UnderlineStyle, 0, 3});
        t.insert("text-overline-style", {Prop::OverlineStyle, 0, 3});
        t.insert("text-line-through-style", {Prop::LineThroughStyle, 0, 3});
        t.insert("margin", {Prop::Margin, 0, 1});
        t.insert("padding", {Prop::Padding, 0, 1});
        t.insert("border", {Prop::Border, 0, 1});
        t.insert("border-width", {Prop::BorderWidthAll, 0, 2});
        t.insert("border-style", {Prop::BorderStyleAll, 0, 2});
        t.insert("border-color", {Prop::BorderColorAll, 0, 2});
        for (const char* side :
             {"top", "right", "bottom", "left", "before", "after", "start", "end"}) {
            const QString s = QString::fromLatin1(side);
            const int index = sideFromName(s);
            // Relative names refine the absolute ones in our only writing mode.
            const int relative =
                (s == "before" || s == "after" || s == "start" || s == "end") ? 1 : 0;
            t.insert("margin-" + s, {Prop::MarginSide, index, 3});
            t.insert("padding-" + s, {Prop::PaddingSide, index, 3 + relative});
            t.insert("padding-" + s + ".length", {Prop::PaddingSide, index, 3 + relative});
            t.insert("border-" + s, {Prop::BorderSideAll, index, 2});
            t.insert("border-" + s + "-width", {Prop::BorderSideWidth, index, 3 + relative});
            t.insert("border-" + s + "-width.length", {Prop::BorderSideWidth, index, 3 + relative});
            t.insert("border-" + s + "-style", {Prop::BorderSideStyle, index, 3 + relative});
            t.insert("border-" + s + "-color", {Prop::BorderSideColor, index, 3 + relative});
        }
        t.insert("space-before", {Prop::SpaceBefore, 0, 2});
        t.insert("space-before.optimum", {Prop::SpaceBefore, 0, 3});
        t.insert("space-after", {Prop::SpaceAfter, 0, 2});
        t.insert("space-after.optimum", {Prop::SpaceAfter, 0, 3});
        t.insert("start-indent", {Prop::StartIndent, 0, 3});
        t.insert("end-indent", {Prop::EndIndent, 0, 3});
        t.insert("background", {Prop::Background, 0, 1});
        t.insert("background-color", {Prop::BackgroundColor, 0, 3});
        t.insert("background-image", {Prop::BackgroundImage, 0, 3});
        t.insert("background-repeat", {Prop::BackgroundRepeat, 0, 3});
        t.insert("background-position", {Prop::BackgroundPosition, 0, 2});
        t.insert("background-position-horizontal", {Prop::BackgroundPosH, 0, 3});
        t.insert("background-position-vertical", {Prop::BackgroundPosV, 0, 3});
        t.insert("background-size", {Prop::BackgroundSize, 0, 3});
        t.insert("box-shadow", {Prop::BoxShadow, 0, 3});
        t.insert("width", {Prop::Width, 0, 2});
        t.insert("inline-progression-dimension", {Prop::Width, 0, 3});
        t.insert("inline-progression-dimension.optimum", {Prop::Width, 0, 3});
        t.insert("height", {Prop::Height, 0, 2});
        t.insert("block-progression-dimension", {Prop::Height, 0, 3});
        t.insert("block-progression-dimension.optimum", {Prop::Height, 0, 3});
        t.insert("block-progression-dimension.minimum", {Prop::Height, 0, 3});
        t.insert("content-width", {Prop::ContentWidth, 0, 3});
        t.insert("content-height", {Prop::ContentHeight, 0, 3});
        t.insert("scaling", {Prop::Scaling, 0, 3});
        t.insert("break-before", {Prop::BreakBefore, 0, 3});
        t.insert("break-after", {Prop::BreakAfter, 0, 3});
        t.insert("page-break-before", {Prop::PageBreakBefore, 0, 2});
        t.insert("page-break-after", {Prop::PageBreakAfter, 0, 2});
        return t;
    }();
    return table.value(fullName);
}

/// Splits at blanks outside parentheses, so "rgb(1, 2, 3) solid" gives two tokens.
std::vector<QStringView> tokens(QStringView text)
{
    std::vector<QStringView> out;
    int depth = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'(') {
            ++depth;
        } else if (c == u')' && depth > 0) {
            --depth;
        }
        const bool blank = depth == 0 && (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r');
        if (blank) {
            if (start >= 0) {
                out.push_back(text.mid(start, i - start));
                start = -1;
            }
        } else if (start < 0) {
            start = i;
        }
    }
    if (start >= 0) {
        out.push_back(text.mid(start));
    }
    return out;
}

/// CSS 1-4 value expansion: top, right, bottom, left.
template <typename T>
bool expandFour(const std::vector<std::optional<T>>& values, std::array<T, 4>& out)
{
    if (values.empty() || values.size() > 4) {
        return false;
    }
    for (const auto& v : values) {
        if (!v) {
            return false;
        }
    }
    const size_t n = values.size();
    out[Top] = *values[0];
    out[Right] = n > 1 ? *values[1] : *values[0];
    out[Bottom] = n > 2 ? *values[2] : *values[0];
    out[Left] = n > 3 ? *values[3] : out[Right];
    return true;
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

std::optional<LengthPct> parseDimension(QStringView v, double fontSize)
{
    if (v == u"auto") {
        return std::nullopt;
    }
    return StyleResolver::parseLengthPct(v, fontSize);
}

std::optional<LengthPct> parsePosition(QStringView v, double fontSize, bool horizontal)
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
    return StyleResolver::parseLengthPct(v, fontSize);
}

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

void applyBorderShorthand(Style& s, const std::vector<QStringView>& parts, int side, bool all)
{
    // "1px solid red" in any order; what is left out takes its initial value.
    BorderSide border;
    bool ok = !parts.empty();
    bool haveStyle = false;
    for (QStringView part : parts) {
        if (auto style = StyleResolver::parseBorderStyle(part); style && !haveStyle) {
            border.style = *style;
            haveStyle = true;
        } else if (auto width = StyleResolver::parseBorderWidth(part, s.fontSize)) {
            border.width = *width;
        } else if (auto color = StyleResolver::parseColor(part)) {
            border.color = *color;
        } else {
            ok = false;
        }
    }
    if (!ok) {
        return;
    }
    if (all) {
        s.border.fill(border);
    } else {
        s.border[size_t(side)] = border;
    }
}

void applyBackgroundShorthand(Style& s, const std::vector<QStringView>& parts)
{
    std::vector<QStringView> positions;
    for (QStringView part : parts) {
        if (part.startsWith(u"url(") || part.startsWith(u"data:")) {
            s.backgroundImage = part.toString();
        } else if (part == u"none") {
            s.backgroundImage.clear();
        } else if (part == u"repeat") {
            s.backgroundRepeat = Repeat::Repeat;
        } else if (part == u"repeat-x") {
            s.backgroundRepeat = Repeat::RepeatX;
        } else if (part == u"repeat-y") {
            s.backgroundRepeat = Repeat::RepeatY;
        } else if (part == u"no-repeat") {
            s.backgroundRepeat = Repeat::NoRepeat;
        } else if (auto color = StyleResolver::parseColor(part)) {
            s.backgroundColor = *color;
        } else {
            positions.push_back(part);
        }
    }
    if (!positions.empty()) {
        if (auto h = parsePosition(positions[0], s.fontSize, true)) {
            s.backgroundPosH = *h;
        }
        if (positions.size() > 1) {
            if (auto v = parsePosition(positions[1], s.fontSize, false)) {
                s.backgroundPosV = *v;
            }
        } else {
            s.backgroundPosV = LengthPct{50, true};
        }
    }
}

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

void applyOne(Style& s, const Style& parent, const PropInfo& info, const QString& valueText,
              bool& decorationSet)
{
    const QStringView v = QStringView(valueText).trimmed();
    if (v.isEmpty() || v == u"inherit") {
        return;
    }
    const double fs = s.fontSize;
    const auto side = size_t(info.side);
    switch (info.prop) {
    case Prop::Unknown:
        return;
    case Prop::FontSize: {
        bool keyword = false;
        const double size = fontSizeKeyword(v, parent.fontSize, keyword);
        if (keyword) {
            s.fontSize = size;
        } else if (auto length = StyleResolver::parseLengthPct(v, parent.fontSize)) {
            const double px = length->resolve(parent.fontSize);
            if (px > 0 && px < 10000) {
                s.fontSize = px;
            }
        }
        return;
    }
    case Prop::FontFamily:
        s.fontFamily = v.toString();
        return;
    case Prop::FontWeight: {
        if (v == u"normal") {
            s.fontWeight = 400;
        } else if (v == u"bold") {
            s.fontWeight = 700;
        } else if (v == u"bolder") {
            s.fontWeight = std::min(900, parent.fontWeight + 300);
        } else if (v == u"lighter") {
            s.fontWeight = std::max(100, parent.fontWeight - 300);
        } else {
            bool ok = false;
            const int w = v.toInt(&ok);
            if (ok && w >= 100 && w <= 900) {
                s.fontWeight = w;
            }
        }
        return;
    }
    case Prop::FontStyle:
        if (v == u"italic" || v == u"oblique" || v == u"backslant") {
            s.italic = true;
        } else if (v == u"normal") {
            s.italic = false;
        }
        return;
    case Prop::FontVariant:
        if (v == u"small-caps") {
            s.smallCaps = true;
        } else if (v == u"normal" || v == u"none") {
            s.smallCaps = false;
        }
        return;
    case Prop::Font: {
        // [style] [variant] [weight] size[/line-height] family...
        const auto parts = tokens(v);
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
                if (auto length = StyleResolver::parseLengthPct(sizeText, parent.fontSize)) {
                    s.fontSize = std::clamp(length->resolve(parent.fontSize), 0.1, 10000.0);
                    QString family;
                    for (size_t j = i + 1; j < parts.size(); ++j) {
                        family += (family.isEmpty() ? QString() : QStringLiteral(" ")) +
                                  parts[j].toString();
                    }
                    if (!family.isEmpty()) {
                        s.fontFamily = family;
                    }
                }
                return;
            }
        }
        return;
    }
    case Prop::Color:
        if (auto c = StyleResolver::parseColor(v)) {
            s.color = *c;
        }
        return;
    case Prop::TextAlign:
        if (auto a = parseTextAlign(v)) {
            s.textAlign = *a;
        }
        return;
    case Prop::TextAlignLast:
        if (auto a = parseTextAlign(v)) {
            s.textAlignLast = *a;
        }
        return;
    case Prop::TextIndent:
        if (auto l = StyleResolver::parseLengthPct(v, fs)) {
            s.textIndent = *l;
        }
        return;
    case Prop::LastLineEndIndent:
        if (auto l = StyleResolver::parseLengthPct(v, fs)) {
            s.lastLineEndIndent = *l;
        }
        return;
    case Prop::LineHeight: {
        if (v == u"normal") {
            s.lineHeight = 1.2;
            s.lineHeightIsFactor = true;
            return;
        }
        bool ok = false;
        const double factor = v.toDouble(&ok);
        if (ok && std::isfinite(factor) && factor >= 0 && factor < 1000) {
            s.lineHeight = factor;
            s.lineHeightIsFactor = true;
        } else if (auto l = StyleResolver::parseLengthPct(v, fs)) {
            s.lineHeight = std::clamp(l->resolve(fs), 0.0, 100000.0);
            s.lineHeightIsFactor = false;
        }
        return;
    }
    case Prop::TextTransform:
        if (v == u"uppercase") {
            s.textTransform = TextTransform::Upper;
        } else if (v == u"lowercase") {
            s.textTransform = TextTransform::Lower;
        } else if (v == u"capitalize") {
            s.textTransform = TextTransform::Capitalize;
        } else if (v == u"none") {
            s.textTransform = TextTransform::None;
        }
        return;
    case Prop::LetterSpacing:
    case Prop::WordSpacing: {
        double px = 0;
        if (v != u"normal") {
            auto l = StyleResolver::parseLength(v, fs);
            if (!l) {
                return;
            }
            px = std::clamp(*l, -1000.0, 1000.0);
        }
        (info.prop == Prop::LetterSpacing ? s.letterSpacing : s.wordSpacing) = px;
        return;
    }
    case Prop::WhiteSpace:
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
        return;
    case Prop::WhiteSpaceCollapse:
        s.collapseWhiteSpace = v != u"false";
        return;
    case Prop::LinefeedTreatment:
        s.preserveLinefeeds = v == u"preserve";
        return;
    case Prop::WhiteSpaceTreatment:
        s.preserveSpaces = v == u"preserve";
        return;
    case Prop::WrapOption:
        s.wrap = v != u"no-wrap";
        return;
    case Prop::DisplayAlign:
        if (v == u"before" || v == u"top") {
            s.displayAlign = DisplayAlign::Before;
        } else if (v == u"center" || v == u"middle") {
            s.displayAlign = DisplayAlign::Center;
        } else if (v == u"after" || v == u"bottom") {
            s.displayAlign = DisplayAlign::After;
        } else if (v == u"auto") {
            s.displayAlign = DisplayAlign::Auto;
        }
        return;
    case Prop::BorderCollapse:
        s.borderCollapse = v != u"separate";
        return;
    case Prop::BorderSpacing: {
        const auto parts = tokens(v);
        if (parts.empty() || parts.size() > 2) {
            return;
        }
        auto h = StyleResolver::parseLength(parts[0], fs);
        auto w = parts.size() > 1 ? StyleResolver::parseLength(parts[1], fs) : h;
        if (h && w && *h >= 0 && *w >= 0) {
            s.borderSpacingH = *h;
            s.borderSpacingV = *w;
        }
        return;
    }
    case Prop::BorderSpacingH:
    case Prop::BorderSpacingV:
        if (auto l = StyleResolver::parseLength(v, fs); l && *l >= 0) {
            (info.prop == Prop::BorderSpacingH ? s.borderSpacingH : s.borderSpacingV) = *l;
        }
        return;
    case Prop::TextDecoration:
        for (QStringView t : tokens(v)) {
            if (t == u"none") {
                s.underline = s.overline = s.lineThrough = Decoration::None;
            } else if (t == u"underline") {
                s.underline = Decoration::Solid;
                decorationSet = true;
            } else if (t == u"overline") {
                s.overline = Decoration::Solid;
                decorationSet = true;
            } else if (t == u"line-through") {
                s.lineThrough = Decoration::Solid;
                decorationSet = true;
            } else if (t == u"no-underline") {
                s.underline = Decoration::None;
            } else if (t == u"no-overline") {
                s.overline = Decoration::None;
            } else if (t == u"no-line-through") {
                s.lineThrough = Decoration::None;
            }
        }
        return;
    case Prop::UnderlineStyle:
    case Prop::OverlineStyle:
    case Prop::LineThroughStyle:
        if (auto d = parseDecoration(v)) {
            Decoration& target = info.prop == Prop::UnderlineStyle  ? s.underline
                                 : info.prop == Prop::OverlineStyle ? s.overline
                                                                    : s.lineThrough;
            target = *d;
            decorationSet = decorationSet || *d != Decoration::None;
        }
        return;
    case Prop::Margin:
    case Prop::Padding: {
        std::vector<std::optional<LengthPct>> values;
        for (QStringView t : tokens(v)) {
            values.push_back(t == u"auto" ? std::optional<LengthPct>(LengthPct{})
                                          : StyleResolver::parseLengthPct(t, fs));
        }
        expandFour(values, info.prop == Prop::Margin ? s.margin : s.padding);
        return;
    }
    case Prop::MarginSide:
        if (v == u"auto") {
            s.margin[side] = LengthPct{};
        } else if (auto l = StyleResolver::parseLengthPct(v, fs)) {
            s.margin[side] = *l;
        }
        return;
    case Prop::PaddingSide:
        if (auto l = StyleResolver::parseLengthPct(v, fs); l && l->value >= 0) {
            s.padding[side] = *l;
        }
        return;
    case Prop::Border:
        applyBorderShorthand(s, tokens(v), 0, true);
        return;
    case Prop::BorderSideAll:
        applyBorderShorthand(s, tokens(v), info.side, false);
        return;
    case Prop::BorderWidthAll: {
        std::vector<std::optional<double>> values;
        for (QStringView t : tokens(v)) {
            values.push_back(StyleResolver::parseBorderWidth(t, fs));
        }
        std::array<double, 4> widths{};
        if (expandFour(values, widths)) {
            for (size_t i = 0; i < 4; ++i) {
                s.border[i].width = widths[i];
            }
        }
        return;
    }
    case Prop::BorderStyleAll: {
        std::vector<std::optional<BorderStyle>> values;
        for (QStringView t : tokens(v)) {
            values.push_back(StyleResolver::parseBorderStyle(t));
        }
        std::array<BorderStyle, 4> styles{};
        if (expandFour(values, styles)) {
            for (size_t i = 0; i < 4; ++i) {
                s.border[i].style = styles[i];
            }
        }
        return;
    }
    case Prop::BorderColorAll: {
        std::vector<std::optional<QColor>> values;
        for (QStringView t : tokens(v)) {
            values.push_back(StyleResolver::parseColor(t));
        }
        std::array<QColor, 4> colors{};
        if (expandFour(values, colors)) {
            for (size_t i = 0; i < 4; ++i) {
                s.border[i].color = colors[i];
            }
        }
        return;
    }
    case Prop::BorderSideWidth:
        if (auto w = StyleResolver::parseBorderWidth(v, fs)) {
            s.border[side].width = *w;
        }
        return;
    case Prop::BorderSideStyle:
        if (auto st = StyleResolver::parseBorderStyle(v)) {
            s.border[side].style = *st;
        }
        return;
    case Prop::BorderSideColor:
        if (auto c = StyleResolver::parseColor(v)) {
            s.border[side].color = *c;
        }
        return;
    case Prop::SpaceBefore:
    case Prop::SpaceAfter: {
        // "space-before" may be a compound "min opt max"; the optimum is what is laid out.
        const auto parts = tokens(v);
        if (parts.empty()) {
            return;
        }
        const QStringView chosen = parts.size() >= 2 ? parts[1] : parts[0];
        if (auto l = StyleResolver::parseLength(chosen, fs)) {
            (info.prop == Prop::SpaceBefore ? s.spaceBefore : s.spaceAfter) =
                std::clamp(*l, -1e6, 1e6);
        }
        return;
    }
    case Prop::StartIndent:
        if (auto l = StyleResolver::parseLengthPct(v, fs)) {
            s.startIndent = *l;
        }
        return;
    case Prop::EndIndent:
        if (auto l = StyleResolver::parseLengthPct(v, fs)) {
            s.endIndent = *l;
        }
        return;
    case Prop::Background:
        applyBackgroundShorthand(s, tokens(v));
        return;
    case Prop::BackgroundColor:
        if (auto c = StyleResolver::parseColor(v)) {
            s.backgroundColor = *c;
        }
        return;
    case Prop::BackgroundImage:
        if (v == u"none") {
            s.backgroundImage.clear();
        } else {
            s.backgroundImage = v.toString();
        }
        return;
    case Prop::BackgroundRepeat:
        if (v == u"repeat") {
            s.backgroundRepeat = Repeat::Repeat;
        } else if (v == u"repeat-x") {
            s.backgroundRepeat = Repeat::RepeatX;
        } else if (v == u"repeat-y") {
            s.backgroundRepeat = Repeat::RepeatY;
        } else if (v == u"no-repeat") {
            s.backgroundRepeat = Repeat::NoRepeat;
        }
        return;
    case Prop::BackgroundPosition: {
        const auto parts = tokens(v);
        if (parts.empty() || parts.size() > 2) {
            return;
        }
        auto h = parsePosition(parts[0], fs, true);
        auto vv = parts.size() > 1 ? parsePosition(parts[1], fs, false)
                                   : std::optional<LengthPct>(LengthPct{50, true});
        if (h && vv) {
            s.backgroundPosH = *h;
            s.backgroundPosV = *vv;
        }
        return;
    }
    case Prop::BackgroundPosH:
        if (auto l = parsePosition(v, fs, true)) {
            s.backgroundPosH = *l;
        }
        return;
    case Prop::BackgroundPosV:
        if (auto l = parsePosition(v, fs, false)) {
            s.backgroundPosV = *l;
        }
        return;
    case Prop::BackgroundSize:
        s.backgroundSizeGiven = v != u"auto";
        return;
    case Prop::BoxShadow: {
        Xml::BoxShadow shadow;
        if (v == u"none") {
            s.shadow = Shadow{};
        } else if (shadow.readFromString(v.toString()) && !shadow.isNone()) {
            s.shadow.present = true;
            s.shadow.inset = shadow.isInset();
            s.shadow.dx = std::clamp(shadow.getDx().pxSize(fs), -1e4, 1e4);
            s.shadow.dy = std::clamp(shadow.getDy().pxSize(fs), -1e4, 1e4);
            s.shadow.blur = std::clamp(shadow.getBlur().pxSize(fs), 0.0, 200.0);
            s.shadow.spread = std::clamp(shadow.getSpread().pxSize(fs), -1e4, 1e4);
            if (shadow.getColor().isSet()) {
                const Drawing::RGBColor& c = shadow.getColor().getValue();
                s.shadow.color = QColor(c.getR(), c.getG(), c.getB(), c.getAlpha());
            } else {
                s.shadow.color = QColor();
            }
        }
        return;
    }
    case Prop::Width:
        if (v == u"auto") {
            s.width.reset();
        } else if (auto l = StyleResolver::parseLengthPct(v, fs); l && l->value >= 0) {
            s.width = *l;
        }
        return;
    case Prop::Height:
        if (v == u"auto") {
            s.height.reset();
        } else if (auto l = StyleResolver::parseLengthPct(v, fs); l && l->value >= 0) {
            s.height = *l;
        }
        return;
    case Prop::ContentWidth:
    case Prop::ContentHeight: {
        const bool isWidth = info.prop == Prop::ContentWidth;
        std::optional<LengthPct>& target = isWidth ? s.contentWidth : s.contentHeight;
        bool& fit = isWidth ? s.scaleToFitWidth : s.scaleToFitHeight;
        if (v == u"scale-to-fit" || v == u"scale-down-to-fit" || v == u"scale-up-to-fit") {
            fit = true;
            target.reset();
        } else if (v == u"auto") {
            fit = false;
            target.reset();
        } else if (auto l = parseDimension(v, fs); l && l->value >= 0) {
            fit = false;
            target = *l;
        }
        return;
    }
    case Prop::Scaling:
        s.uniformScaling = v != u"non-uniform";
        return;
    case Prop::BreakBefore:
    case Prop::PageBreakBefore:
        if (auto b = parseBreak(v)) {
            s.breakBefore = *b;
        }
        return;
    case Prop::BreakAfter:
    case Prop::PageBreakAfter:
        if (auto b = parseBreak(v)) {
            s.breakAfter = *b;
        }
        return;
    }
}

} // namespace

std::optional<double> StyleResolver::parseLength(QStringView text, double fontSize)
{
    Xml::Length length;
    if (!Xml::Length::parseLength(length, text.toString(), false)) {
        return std::nullopt;
    }
    const double px = length.pxSize(fontSize);
    if (!std::isfinite(px)) {
        return std::nullopt;
    }
    return px;
}

std::optional<LengthPct> StyleResolver::parseLengthPct(QStringView text, double fontSize)
{
    text = text.trimmed();
    if (text.endsWith(u'%')) {
        bool ok = false;
        const double pct = text.chopped(1).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(pct) || std::abs(pct) > 1e6) {
            return std::nullopt;
        }
        return LengthPct{pct, true};
    }
    if (auto px = parseLength(text, fontSize)) {
        return LengthPct{*px, false};
    }
    return std::nullopt;
}

std::optional<QColor> StyleResolver::parseColor(QStringView text)
{
    const auto parsed = Xml::ColorParse::parseColor(text.toString());
    if (!parsed) {
        return std::nullopt;
    }
    return QColor(parsed->getR(), parsed->getG(), parsed->getB(), parsed->getAlpha());
}

std::optional<BorderStyle> StyleResolver::parseBorderStyle(QStringView v)
{
    static const std::pair<const char16_t*, BorderStyle> styles[] = {
        {u"none", BorderStyle::None},     {u"hidden", BorderStyle::Hidden},
        {u"solid", BorderStyle::Solid},   {u"dotted", BorderStyle::Dotted},
        {u"dashed", BorderStyle::Dashed}, {u"double", BorderStyle::Double},
        {u"groove", BorderStyle::Groove}, {u"ridge", BorderStyle::Ridge},
        {u"inset", BorderStyle::Inset},   {u"outset", BorderStyle::Outset}};
    for (const auto& [name, style] : styles) {
        if (v == QStringView(name)) {
            return style;
        }
    }
    return std::nullopt;
}

std::optional<double> StyleResolver::parseBorderWidth(QStringView v, double fontSize)
{
    if (const std::optional<Xml::BorderWidth> keyword = Xml::BorderWidth::fromKeyword(v)) {
        return keyword->getSize() * 4.0 / 3.0; // points to pixels
    }
    auto px = parseLength(v, fontSize);
    if (!px || *px < 0) {
        return std::nullopt;
    }
    return std::min(*px, 10000.0);
}

Style StyleResolver::inheritOnly(const Style& parent)
{
    Style s;
    static_cast<InheritedProps&>(s) = static_cast<const InheritedProps&>(parent);
    return s;
}

Style StyleResolver::compute(const Style& parent, const PropertyText* props, int count)
{
    Style s = inheritOnly(parent);
    struct Pending
    {
        PropInfo info;
        const QString* value;
    };
    std::vector<Pending> pending;
    pending.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const PropInfo info = lookup(props[i].name);
        if (info.prop != Prop::Unknown) {
            pending.push_back({info, &props[i].value});
        }
    }
    std::stable_sort(pending.begin(), pending.end(),
                     [](const Pending& a, const Pending& b) { return a.info.rank < b.info.rank; });
    bool decorationSet = false;
    for (const Pending& p : pending) {
        applyOne(s, parent, p.info, *p.value, decorationSet);
    }
    if (decorationSet) {
        // A decoration takes the colour of the object that asks for it.
        if (s.underline != parent.underline || !s.underlineColor.isValid()) {
            s.underlineColor = s.color;
        }
        if (s.overline != parent.overline || !s.overlineColor.isValid()) {
            s.overlineColor = s.color;
        }
        if (s.lineThrough != parent.lineThrough || !s.lineThroughColor.isValid()) {
            s.lineThroughColor = s.color;
        }
    }
    return s;
}

} // namespace Fo
