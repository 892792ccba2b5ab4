#pragma once

#include "outside/cssvalues/colorref.h"

#include <algorithm>

namespace Drawing {

/// An sRGB colour with an alpha channel, as the CSS colour parsers give it.
/// Components outside 0..255 given to the constructor are clamped.
class RGBColor
{
public:
    /// Opaque black.
    constexpr RGBColor() = default;
    constexpr RGBColor(int red, int green, int blue, int alpha = 255)
        : m_red(clamp(red)), m_green(clamp(green)), m_blue(clamp(blue)), m_alpha(clamp(alpha))
    {
    }

    /// The Windows colour value of the same red, green and blue (alpha is lost).
    static constexpr RGBColor fromCOLORREF(COLORREF color)
    {
        return RGBColor(GetRValue(color), GetGValue(color), GetBValue(color));
    }

    constexpr int getR() const { return m_red; }
    constexpr int getG() const { return m_green; }
    constexpr int getB() const { return m_blue; }
    /// 0 fully transparent .. 255 opaque.
    constexpr int getAlpha() const { return m_alpha; }
    constexpr bool isOpaque() const { return m_alpha == 255; }

    constexpr COLORREF toCOLORREF() const { return RGB(m_red, m_green, m_blue); }

    friend constexpr bool operator==(const RGBColor&, const RGBColor&) = default;

private:
    static constexpr unsigned char clamp(int value)
    {
        return static_cast<unsigned char>(std::clamp(value, 0, 255));
    }

    unsigned char m_red = 0;
    unsigned char m_green = 0;
    unsigned char m_blue = 0;
    unsigned char m_alpha = 255;
};

} // namespace Drawing
