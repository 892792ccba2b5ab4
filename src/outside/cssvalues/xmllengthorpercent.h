#pragma once

#include "outside/cssvalues/xmllength.h"

namespace Xml {

/// A CSS length or a percentage. A percentage is held as a fraction: 0.5 is 50%.
class UIEDITOR_EXPORT LengthOrPercent
{
public:
    /// The length 0px.
    LengthOrPercent() = default;
    LengthOrPercent(const Length& length) : m_length(length) {}
    /// A percentage given as a fraction (0.5 for 50%). Explicit, so that a bare
    /// number never silently turns into a percentage. Not finite becomes 0.
    explicit LengthOrPercent(double fraction);

    bool isPercent() const { return m_percent; }
    /// The fraction of a percentage (0.5 for 50%); 0 for a length.
    double getPercent() const { return m_percent ? m_fraction : 0.0; }
    /// The length; for a percentage, the percentage number in px (50% gives 50px).
    /// Callers that drop a zero value look at this size, so it must be 0 exactly
    /// when the percentage is 0 ("0%" is dropped, "50%" is kept).
    Length getLength() const;

    /// Reads a percentage ("50%", "-12.5 %") or what Length::parseLength reads
    /// (`bareNumberIsPx` as there). Keywords such as "auto" are not values here:
    /// they must survive untouched where zero values are dropped. On failure
    /// answers false and leaves `value` as it was.
    static bool parseLengthOrPercent(LengthOrPercent& value, const Core::String& text,
                                     bool bareNumberIsPx);

    /// CSS text: "50%", "12pt", "0px"; at most six decimals, a dot whatever the locale.
    Core::String getValueAsString() const;

    friend bool operator==(const LengthOrPercent& a, const LengthOrPercent& b)
    {
        return a.m_percent == b.m_percent &&
               (a.m_percent ? a.m_fraction == b.m_fraction : a.m_length == b.m_length);
    }

private:
    Length m_length;
    double m_fraction = 0.0;
    bool m_percent = false;
};

} // namespace Xml
