#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/colorref.h"
#include "outside/cssvalues/drawingrgbcolor.h"
#include "uieditor_export.h"

#include <optional>
#include <vector>

namespace Xml {

/// Parsers of CSS and XSL-FO colour notations, one per notation, and the colour
/// text written back. Every parser takes any text: it answers a colour, or no
/// value when the text is not a colour of its notation (never black by default).
/// Surrounding white space is ignored; function names match in any case.
class UIEDITOR_EXPORT ColorParse
{
public:
    using Result = std::optional<Drawing::RGBColor>;

    /// How rgb() integers outside 0..255 come back into range.
    enum class Range {
        Clamp,  ///< CSS: 300 gives 255, -5 gives 0
        LowByte ///< the Windows colour value: each integer keeps its low 8 bits (300 gives 44)
    };

    /// The notation chosen by the beginning of the text, tested in this order:
    /// "rgb-icc", "spot-color", "rgb", "cmyk", "#", else a colour name. This is
    /// the recognition of colour tokens in shorthands and of colour fields.
    static Result parseColor(const Core::String& text);

    /// rgb(r, g, b), rgba(r, g, b, a), also the blank-separated rgb(r g b / a).
    /// Components are numbers (0..255, decimals rounded) or percentages; alpha is
    /// a number 0..1 or a percentage. Percentages and alpha are always clamped.
    static Result parseRGB(const Core::String& text, Range range = Range::Clamp);
    /// #rgb, #rgba, #rrggbb or #rrggbbaa, hex digits in any case.
    static Result parseHexaColor(const Core::String& text);
    /// cmyk(c, m, y, k): each a fraction 0..1 or a percentage, clamped; converted
    /// without a colour profile: red = 255 (1 - c)(1 - k) and so on.
    static Result parseCMYKString(const Core::String& text);
    /// rgb-icc(r, g, b, profile [, values...]) of XSL-FO: the first three arguments
    /// are the sRGB fallback, read as in rgb(); the profile name and its values
    /// only need to be present, since no colour profile is applied here.
    static Result parseICCColor(const Core::String& text);
    /// spot-color(name, c, m, y, k [, tint]): a named ink with its process-colour
    /// equivalent (as in cmyk()) and a tint, 0..1 or a percentage, 1 when absent;
    /// the tint scales the four components. The name may be quoted.
    static Result parseSpotColor(const Core::String& text);
    /// One of the 147 CSS colour keywords, or "transparent" (alpha 0).
    static Result parseColorName(const Core::String& text,
                                 Qt::CaseSensitivity cs = Qt::CaseInsensitive);

    /// Only the 147 CSS Color Level 3 keywords ("aliceblue" to "yellowgreen", both
    /// gray and grey spellings); colour fields match them exactly (Qt::CaseSensitive).
    static std::optional<COLORREF> lookupColorKeyword(const Core::String& name,
                                                      Qt::CaseSensitivity cs = Qt::CaseInsensitive);
    /// The 147 keywords in alphabetical order.
    static std::vector<Core::String> colorKeywords();

    /// The loose forms a colour field's swatch follows: text from which the scan
    /// pattern "rgb( %d , %d , %d )" reads three integers (a blank matching any
    /// run of white space, text after the third number ignored), failing that the
    /// pattern "%d ; %d ; %d )". Each integer keeps its low 8 bits.
    static Result scanRGBTriplet(const Core::String& text);

    /// The text colour fields write and recognise: "rgb(255,0,0)", no blanks;
    /// "transparent" for transparent black; "rgba(r,g,b,a)" for other
    /// translucent colours, alpha with at most three decimals.
    static Core::String getColorAsString(const Drawing::RGBColor& color);
    /// "#rrggbb" in lower case (alpha is not written).
    static Core::String getColorAsHexString(const Drawing::RGBColor& color);

private:
    ColorParse() = delete;
};

} // namespace Xml
