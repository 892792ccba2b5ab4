#pragma once

#include <cstdint>

// Hosts receive colours as Windows colour values: 0x00BBGGRR, red in the low byte.
using COLORREF = std::uint32_t;

/// Like the Windows macro, each component keeps only its low 8 bits.
constexpr COLORREF RGB(int red, int green, int blue)
{
    return COLORREF(red & 0xFF) | (COLORREF(green & 0xFF) << 8) | (COLORREF(blue & 0xFF) << 16);
}

constexpr int GetRValue(COLORREF color)
{
    return int(color & 0xFF);
}

constexpr int GetGValue(COLORREF color)
{
    return int((color >> 8) & 0xFF);
}

constexpr int GetBValue(COLORREF color)
{
    return int((color >> 16) & 0xFF);
}
