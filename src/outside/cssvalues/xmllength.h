#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

namespace Xml {

/// A CSS length: a size and a unit. Sizes are doubles and always finite.
class UIEDITOR_EXPORT Length
{
public:
    /// Unit codes; hosts and the unit lists store them as numbers, so the values are fixed.
    enum Unit : int {
        Px = 0, ///< CSS pixel, 1/96 in
        Pt = 1, ///< point, 1/72 in
        Pc = 2, ///< pica, 12 pt
        Cm = 3,
        Mm = 4,
        In = 5,
        Em = 6, ///< the font size
    };

    /// The font size an em stands for when the caller knows none: CSS "medium",
    /// which is also the 12pt the designer's templates and previews default to.
    static constexpr double DefaultFontSizePx = 16.0;
    /// Parsed numbers beyond this magnitude are refused: no page needs them, and
    /// controls that show lengths as integers must not overflow.
    static constexpr double MaxMagnitude = 1e6;

    /// 0px.
    Length() = default;
    /// A size that is not finite becomes 0; an unknown unit code becomes px.
    Length(double size, Unit unit);

    double getSize() const { return m_size; }
    Unit getUnit() const { return m_unit; }
    void setSize(double size);
    void setUnit(Unit unit);

    /// Reads "12pt", "1.5 cm", ".5in", "-3px", "2PT" (units in any case, blanks
    /// allowed between number and unit and around the whole). A bare number is a
    /// length only when it is zero (CSS), or with `bareNumberIsPx`, in pixels.
    /// On failure answers false and leaves `value` as it was.
    static bool parseLength(Length& value, const Core::String& text, bool bareNumberIsPx = false);
    /// As parseLength, but raises Core::Exception naming the text when it is no length.
    static Length fromString(const Core::String& text, bool bareNumberIsPx = false);

    /// The size in CSS pixels at 96 dpi (1in = 96px = 72pt = 6pc = 2.54cm = 25.4mm);
    /// an em is `fontSizePx` pixels. Rounded to a millionth of a pixel, so that one
    /// length written in two units compares equal (2.54cm and 1in both give 96).
    double pxSize(double fontSizePx = DefaultFontSizePx) const;
    /// The same length in another unit.
    Length convertTo(Unit unit, double fontSizePx = DefaultFontSizePx) const;

    /// CSS text such as "12pt", "1.5cm" or "0px": at most six decimals, a dot
    /// whatever the locale.
    Core::String getValueAsString() const;

    /// "px", "pt", "pc", "cm", "mm", "in" or "em".
    static Core::String unitName(Unit unit);
    /// The unit of a name in any case; false for anything else.
    static bool unitFromName(const Core::String& name, Unit& unit);
    static bool isUnitCode(int code) { return code >= Px && code <= Em; }

    /// Same size and unit (1in and 96px are different values; compare pxSize for that).
    friend bool operator==(const Length& a, const Length& b)
    {
        return a.m_size == b.m_size && a.m_unit == b.m_unit;
    }

private:
    double m_size = 0.0;
    Unit m_unit = Px;
};

} // namespace Xml
