#pragma once

#include "outside/cssvalues/xmllength.h"
#include "outside/cssvalues/xmllengthorpercent.h"
#include "outside/types/bordersandbackgrounddata.h"
#include "outside/types/keptattribute.h"
#include "uieditor_export.h"

#include <array>
#include <vector>

/// One region of a page layout (fo:region-body, -before, -after, -start or
/// -end) as the region page edits it. A region that is not visible is not
/// written into the layout; the body always is.
class UIEDITOR_EXPORT RegionData
{
public:
    /// The sides in the order the record holds them.
    enum Side { Left = 0, Right = 1, Top = 2, Bottom = 3 };
    static constexpr int SideCount = 4;
    /// Items of the orientation list: 0, 90, 180 and 270 degrees.
    static constexpr int OrientationCount = 4;
    /// Items of the vertical alignment list: top, middle, bottom.
    static constexpr int AlignmentCount = 3;

    /// No padding, margins or extent, one column with the usual 12pt gap,
    /// not visible, no precedence, not rotated, aligned at the top.
    RegionData();

    const Xml::LengthOrPercent& getPadding(Side side) const { return m_paddings[side]; }
    void setPadding(Side side, const Xml::LengthOrPercent& value) { m_paddings[side] = value; }
    /// The margins of the body inside the page's content rectangle.
    const Xml::LengthOrPercent& getMargin(Side side) const { return m_margins[side]; }
    void setMargin(Side side, const Xml::LengthOrPercent& value) { m_margins[side] = value; }
    /// The depth of a region other than the body.
    const Xml::Length& getExtent() const { return m_extent; }
    void setExtent(const Xml::Length& extent) { m_extent = extent; }
    const Xml::Length& getColumnGap() const { return m_columnGap; }
    void setColumnGap(const Xml::Length& gap) { m_columnGap = gap; }
    int getColumnCount() const { return m_columnCount; }
    void setColumnCount(int count) { m_columnCount = count; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    /// Whether a header or footer spans the full width, over the sidebars.
    bool hasPrecedence() const { return m_precedence; }
    void setPrecedence(bool precedence) { m_precedence = precedence; }
    /// The index into the orientation list (quarter turns).
    int getOrientation() const { return m_orientation; }
    void setOrientation(int index) { m_orientation = index; }
    /// The index into the vertical alignment list.
    int getVerticalAlignment() const { return m_verticalAlignment; }
    void setVerticalAlignment(int index) { m_verticalAlignment = index; }
    const BordersAndBackgroundData& getBordersAndBackground() const { return m_borders; }
    BordersAndBackgroundData& getBordersAndBackground() { return m_borders; }
    void setBordersAndBackground(const BordersAndBackgroundData& data) { m_borders = data; }

    /// What the region element carried beyond the edited values (its
    /// "region-name" among them), written back as read.
    const std::vector<KeptAttribute>& getKeptAttributes() const { return m_kept; }
    void setKeptAttributes(std::vector<KeptAttribute> kept) { m_kept = std::move(kept); }

    friend bool operator==(const RegionData&, const RegionData&) = default;

private:
    std::array<Xml::LengthOrPercent, SideCount> m_paddings;
    std::array<Xml::LengthOrPercent, SideCount> m_margins;
    Xml::Length m_extent;
    Xml::Length m_columnGap;
    int m_columnCount = 1;
    bool m_visible = false;
    bool m_precedence = false;
    int m_orientation = 0;
    int m_verticalAlignment = 0;
    BordersAndBackgroundData m_borders;
    std::vector<KeptAttribute> m_kept;
};
