#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/xmlborderwidth.h"
#include "outside/cssvalues/xmllength.h"
#include "outside/cssvalues/xmllengthorpercent.h"
#include "uieditor_export.h"

#include <array>

/// The borders, background, box shadow and padding of one formatting object as
/// the designer hands them between its dialogs: the borders and background
/// dialog edits it, the page-region page keeps one per region. Colours are CSS
/// text; an empty text means "not given".
class UIEDITOR_EXPORT BordersAndBackgroundData
{
public:
    /// The sides, in the order the record is read and written.
    enum Side { Left = 0, Top = 1, Right = 2, Bottom = 3 };
    static constexpr int SideCount = 4;

    /// How a background image repeats.
    enum RepeatMode { Repeat = 0, RepeatX = 1, RepeatY = 2, NoRepeat = 3 };

    /// Every value reset (resetValues), no element name.
    BordersAndBackgroundData();

    /// The index of a border style in the style table: "none" 0, "inset" 1,
    /// "groove" 2, "outset" 3, "ridge" 4, "dotted" 5, "dashed" 6, "solid" 7,
    /// "double" 8, "hidden" 9 (the values of Xml::BorderStyle). Names are
    /// compared exactly; a name that is not in the table gives 0, as "none" does.
    static int getStyleIdx(const Core::String& name);
    /// The style name at `index`; "" outside the table.
    static Core::String getStyleName(int index);
    /// The number of entries in the style table.
    static int getStyleCount();
    /// The value of fo:background-repeat for `mode`, and back; a text that
    /// is no repeat value gives Repeat, with `known` false.
    static Core::String repeatModeName(RepeatMode mode);
    /// The side as XSL-FO property names spell it: "left", "top"...
    static Core::String sideName(Side side);
    static RepeatMode repeatModeOf(const Core::String& text, bool* known = nullptr);

    /// Back to no border ("none", 0px, no colour), no shadow, no background,
    /// repeat, zero positions and paddings. The element name is kept: it names
    /// the object the values belong to, not one of them.
    void resetValues();

    /// The side's index in the style table; -1 when none is chosen.
    int getStyle(Side side) const { return m_styles[side]; }
    void setStyle(Side side, int style) { m_styles[side] = style; }
    const Xml::BorderWidth& getWidth(Side side) const { return m_widths[side]; }
    void setWidth(Side side, const Xml::BorderWidth& width) { m_widths[side] = width; }
    const Core::String& getColor(Side side) const { return m_colors[side]; }
    void setColor(Side side, const Core::String& color) { m_colors[side] = color; }

    const Xml::Length& getShadowDx() const { return m_shadowDx; }
    void setShadowDx(const Xml::Length& dx) { m_shadowDx = dx; }
    const Xml::Length& getShadowDy() const { return m_shadowDy; }
    void setShadowDy(const Xml::Length& dy) { m_shadowDy = dy; }
    const Core::String& getShadowColor() const { return m_shadowColor; }
    void setShadowColor(const Core::String& color) { m_shadowColor = color; }

    const Core::String& getBackgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const Core::String& color) { m_backgroundColor = color; }
    /// The image path without the url() around it.
    const Core::String& getBackgroundImage() const { return m_backgroundImage; }
    void setBackgroundImage(const Core::String& path) { m_backgroundImage = path; }
    /// The gradient definition (GradientsHelper::getGradientData of the value);
    /// a gradient and an image exclude each other.
    const Core::String& getGradient() const { return m_gradient; }
    void setGradient(const Core::String& gradient) { m_gradient = gradient; }
    RepeatMode getRepeatMode() const { return m_repeatMode; }
    void setRepeatMode(RepeatMode mode) { m_repeatMode = mode; }
    const Xml::LengthOrPercent& getPositionHorizontal() const { return m_positionHorizontal; }
    void setPositionHorizontal(const Xml::LengthOrPercent& position)
    {
        m_positionHorizontal = position;
    }
    const Xml::LengthOrPercent& getPositionVertical() const { return m_positionVertical; }
    void setPositionVertical(const Xml::LengthOrPercent& position)
    {
        m_positionVertical = position;
    }

    const Xml::LengthOrPercent& getPadding(Side side) const { return m_paddings[side]; }
    void setPadding(Side side, const Xml::LengthOrPercent& padding) { m_paddings[side] = padding; }

    /// The name the borders dialog shows in "Apply to" when it edits the record
    /// without a document (a page region's name).
    const Core::String& getElementName() const { return m_elementName; }
    void setElementName(const Core::String& name) { m_elementName = name; }

    friend bool operator==(const BordersAndBackgroundData&,
                           const BordersAndBackgroundData&) = default;

private:
    std::array<int, SideCount> m_styles{};
    std::array<Xml::BorderWidth, SideCount> m_widths;
    std::array<Core::String, SideCount> m_colors;
    Xml::Length m_shadowDx;
    Xml::Length m_shadowDy;
    Core::String m_shadowColor;
    Core::String m_backgroundColor;
    Core::String m_backgroundImage;
    Core::String m_gradient;
    RepeatMode m_repeatMode = Repeat;
    Xml::LengthOrPercent m_positionHorizontal;
    Xml::LengthOrPercent m_positionVertical;
    std::array<Xml::LengthOrPercent, SideCount> m_paddings;
    Core::String m_elementName;
};
