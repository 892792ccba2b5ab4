#pragma once

// Computed formatting properties of one formatting object, in CSS pixels.
// Inherited properties are copied from the parent; the others start from
// their initial values. Values that do not parse are skipped, so the parent's
// (or the initial) value stays.

#include "outside/render/fobreakprops_p.h"

#include <QColor>
#include <QString>
#include <QStringView>

#include <array>
#include <memory>
#include <optional>

namespace Fo {

class Image;

/// A length that may be a percentage of a reference length known only at layout.
struct LengthPct
{
    double value = 0.0; ///< pixels, or percent when isPercent
    bool isPercent = false;

    double resolve(double reference) const { return isPercent ? reference * value / 100.0 : value; }
};

enum class BorderStyle : unsigned char {
    None,
    Hidden,
    Solid,
    Dotted,
    Dashed,
    Double,
    Groove,
    Ridge,
    Inset,
    Outset
};

struct BorderSide
{
    BorderStyle style = BorderStyle::None;
    double width = 3.0; ///< "medium" until given; only counts when the style is visible
    QColor color;       ///< invalid: the text colour

    bool visible() const
    {
        return style != BorderStyle::None && style != BorderStyle::Hidden && width > 0;
    }
    double effectiveWidth() const { return visible() ? width : 0.0; }
};

enum Side { Top = 0, Right = 1, Bottom = 2, Left = 3 };

enum class TextAlign : unsigned char { Start, End, Center, Justify, Relevant };
enum class DisplayAlign : unsigned char { Before, Center, After, Auto };
enum class Decoration : unsigned char { None, Solid, Double, Dotted, Dashed };
enum class TextTransform : unsigned char { None, Upper, Lower, Capitalize };
enum class Repeat : unsigned char { Repeat, RepeatX, RepeatY, NoRepeat };
enum class Break : unsigned char { Auto, Page, Column };

struct Shadow
{
    bool present = false;
    bool inset = false;
    double dx = 0, dy = 0, blur = 0, spread = 0;
    QColor color; ///< invalid: the text colour
};

/// Properties that pass from parent to child.
struct InheritedProps
{
    QString fontFamily = QStringLiteral("Times");
    double fontSize = 16.0;
    int fontWeight = 400;
    bool italic = false;
    bool smallCaps = false;
    QColor color = Qt::black;
    TextAlign textAlign = TextAlign::Start;
    TextAlign textAlignLast = TextAlign::Relevant;
    LengthPct textIndent;
    LengthPct lastLineEndIndent;
    /// Line height: a factor of the font size when lineHeightIsFactor, else pixels.
    double lineHeight = 1.2;
    bool lineHeightIsFactor = true;
    TextTransform textTransform = TextTransform::None;
    double letterSpacing = 0.0;
    double wordSpacing = 0.0;
    bool collapseWhiteSpace = true;
    bool preserveLinefeeds = false;
    bool preserveSpaces = false;
    bool wrap = true;
    DisplayAlign displayAlign = DisplayAlign::Auto;
    bool rightToLeft = false; ///< writing-mode rl-tb: lines start at the right
    bool borderCollapse = true;
    double borderSpacingH = 0.0;
    double borderSpacingV = 0.0;
    // Decorations propagate to every descendant's text, each in the colour of
    // the object that asked for it.
    Decoration underline = Decoration::None;
    Decoration overline = Decoration::None;
    Decoration lineThrough = Decoration::None;
    QColor underlineColor, overlineColor, lineThroughColor;
    LineBreaking lineBreaking;
};

struct Style : InheritedProps
{
    std::array<LengthPct, 4> margin{};
    std::array<LengthPct, 4> padding{};
    std::array<BorderSide, 4> border{};
    std::optional<LengthPct> startIndent;
    std::optional<LengthPct> endIndent;
    double spaceBefore = 0.0;
    double spaceAfter = 0.0;
    QColor backgroundColor;                  ///< invalid: none
    QString backgroundImage;                 ///< the raw value, url(...) or data
    std::shared_ptr<const Image> background; ///< read when the document loads
    Repeat backgroundRepeat = Repeat::Repeat;
    LengthPct backgroundPosH{0, true};
    LengthPct backgroundPosV{0, true};
    bool backgroundSizeGiven = false;
    Shadow shadow;
    std::optional<LengthPct> width;
    std::optional<LengthPct> height;
    std::optional<LengthPct> minHeight; ///< block-progression-dimension.minimum
    std::optional<LengthPct> maxHeight; ///< block-progression-dimension.maximum
    /// Offsets of an absolutely positioned container, by Side.
    std::array<std::optional<LengthPct>, 4> offset{};
    bool absolute = false;       ///< absolute-position absolute or fixed
    bool overflowHidden = false; ///< overflow hidden, scroll or error-if-overflow
    bool spanAll = false;        ///< span="all"
    unsigned char turns = 0;     ///< reference-orientation in quarter turns anticlockwise
    double baselineShift = 0.0;  ///< pixels the baseline rises (sub is negative)
    std::optional<LengthPct> contentWidth;
    std::optional<LengthPct> contentHeight;
    bool scaleToFitWidth = false;
    bool scaleToFitHeight = false;
    bool uniformScaling = true;
    Break breakBefore = Break::Auto;
    Break breakAfter = Break::Auto;
    Keeps keeps;

    bool hasBoxDecoration() const
    {
        if (backgroundColor.isValid() && backgroundColor.alpha() > 0) {
            return true;
        }
        if (!backgroundImage.isEmpty() || shadow.present) {
            return true;
        }
        for (const BorderSide& side : border) {
            if (side.visible()) {
                return true;
            }
        }
        return false;
    }
    double borderWidth(int side) const { return border[size_t(side)].effectiveWidth(); }
    double lineHeightPx() const { return lineHeightIsFactor ? lineHeight * fontSize : lineHeight; }
    QColor borderColor(int side) const
    {
        const QColor& c = border[size_t(side)].color;
        return c.isValid() ? c : color;
    }
};

/// One property as written: local name (without the fo: prefix) and value.
struct PropertyText
{
    QString name;
    QString value;
};

/// Computes styles from attribute lists. Shorthands are applied before the
/// longhands they expand to, whatever the attribute order, so the more
/// specific property wins as XSL-FO says.
class StyleResolver
{
public:
    /// The style of a child of `parent` that sets the given properties.
    static Style compute(const Style& parent, const PropertyText* props, int count);
    /// The style of a child that sets nothing: inherited part only.
    static Style inheritOnly(const Style& parent);

    /// "12pt", "1.5em", "50%"... `fontSize` is the size an em stands for.
    static std::optional<LengthPct> parseLengthPct(QStringView text, double fontSize);
    static std::optional<double> parseLength(QStringView text, double fontSize);
    static std::optional<QColor> parseColor(QStringView text);
    static std::optional<BorderStyle> parseBorderStyle(QStringView text);
    static std::optional<double> parseBorderWidth(QStringView text, double fontSize);
};

} // namespace Fo
