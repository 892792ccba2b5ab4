#pragma once

#include "outside/cssvalues/drawingrgbcolor.h"
#include "outside/cssvalues/xmllength.h"
#include "outside/cssvalues/xmltxmlattribute.h"

namespace Xml {

/// One CSS box shadow: "none", or [inset] dx dy [blur [spread]] with an optional
/// colour before or after the lengths (and "inset" first or last).
class UIEDITOR_EXPORT BoxShadow
{
public:
    /// "none".
    BoxShadow() = default;

    /// Reads one shadow; answers false for anything else (including a comma list
    /// of several shadows, which the designer does not edit) and then leaves this
    /// value as it was. Offsets, blur and spread are lengths (a bare "0" too);
    /// the blur may not be negative. The colour is any notation of
    /// ColorParse::parseColor; a function colour may contain blanks.
    bool readFromString(const Core::String& text);

    bool isNone() const { return m_none; }
    bool isInset() const { return m_inset; }
    const Length& getDx() const { return m_dx; }
    const Length& getDy() const { return m_dy; }
    const Length& getBlur() const { return m_blur; }
    const Length& getSpread() const { return m_spread; }
    /// Not set when the text gave no colour (the renderer then uses the text colour).
    const TXmlAttribute<Drawing::RGBColor>& getColor() const { return m_color; }

    /// Setting any offset, blur, spread, colour or inset makes the shadow not "none".
    void setDx(const Length& dx);
    void setDy(const Length& dy);
    void setBlur(const Length& blur);
    void setSpread(const Length& spread);
    void setColor(const TXmlAttribute<Drawing::RGBColor>& color);
    void setInset(bool inset);

    /// CSS text: "none", or "[inset ]dx dy[ blur[ spread]][ colour]" with the blur
    /// written when blur or spread is not zero and the colour as
    /// ColorParse::getColorAsString writes it.
    Core::String getValueAsString() const;

    friend bool operator==(const BoxShadow&, const BoxShadow&) = default;

private:
    bool m_none = true;
    bool m_inset = false;
    Length m_dx;
    Length m_dy;
    Length m_blur;
    Length m_spread;
    TXmlAttribute<Drawing::RGBColor> m_color;
};

} // namespace Xml
