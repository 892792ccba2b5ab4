#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// The units a user can measure in. Absolute units convert exactly through the
/// inch (72 pt, 96 px, 2.54 cm, 25.4 mm); an em counts as 12 pt, the default font
/// size of the templates, since a unit setting has no font to refer to.
enum class UnitMeasure : int {
    Point = 0,
    Pixel = 1,
    Inch = 2,
    Centimeter = 3,
    Millimeter = 4,
    Em = 5,
};

/// Conversions between the user's units and the unit codes of CSS lengths.
/// CSS unit codes are those of Xml::Length::Unit: 0 px, 1 pt, 3 cm, 4 mm, 5 in,
/// 6 em; a control turns a code into a unit with fromCSSLength, converts the
/// number with convertUnitMeasure and builds the new length with toCSSLength.
class UIEDITOR_EXPORT UnitMeasureHelper
{
public:
    /// The CSS unit code of `unit`.
    static int toCSSLength(UnitMeasure unit);
    /// The unit of CSS unit code `cssUnit`; a code without a unit of its own
    /// (such as a percentage marker) gives Point.
    static UnitMeasure fromCSSLength(int cssUnit);
    /// `value` measured in `from`, expressed in `to`: 72 pt are 1 in.
    static double convertUnitMeasure(double value, UnitMeasure from, UnitMeasure to);

    /// The CSS name of `unit`: "pt", "px", "in", "cm", "mm", "em".
    static Core::String getUnitName(UnitMeasure unit);
    /// Reads a unit name (blanks and case ignored); false, and `unit` untouched,
    /// when the text names no unit.
    static bool parseUnitName(const Core::String& text, UnitMeasure& unit);
};
