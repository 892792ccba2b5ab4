#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/xmllength.h"
#include "outside/cssvalues/xmllengthorpercent.h"
#include "outside/types/keptattribute.h"
#include "outside/types/regiondata.h"
#include "uieditor_export.h"

#include <array>
#include <vector>

/// One page layout of a template (an fo:simple-page-master): its name, page
/// size, page margins and five regions. The page layout dialog edits it;
/// SimplePageMasterXml reads it from and writes it into the template.
class UIEDITOR_EXPORT PageLayoutData
{
public:
    /// The regions, in the order of the region list and of the markup.
    enum Region { Body = 0, Before = 1, After = 2, Start = 3, End = 4 };
    static constexpr int RegionCount = 5;

    /// A page of no size and no margins with only its body visible.
    PageLayoutData();

    /// The layout's "master-name".
    const Core::String& getMasterName() const { return m_masterName; }
    void setMasterName(const Core::String& name) { m_masterName = name; }
    const Xml::Length& getWidth() const { return m_width; }
    void setWidth(const Xml::Length& width) { m_width = width; }
    const Xml::Length& getHeight() const { return m_height; }
    void setHeight(const Xml::Length& height) { m_height = height; }
    const Xml::LengthOrPercent& getMargin(RegionData::Side side) const { return m_margins[side]; }
    void setMargin(RegionData::Side side, const Xml::LengthOrPercent& value)
    {
        m_margins[side] = value;
    }

    /// `index` is a Region; outside 0 to 4 the body.
    const RegionData& getRegion(int index) const;
    RegionData& getRegion(int index);

    /// What the page master element carried beyond the edited values.
    const std::vector<KeptAttribute>& getKeptAttributes() const { return m_kept; }
    void setKeptAttributes(std::vector<KeptAttribute> kept) { m_kept = std::move(kept); }

    /// A one-page XSL-FO document of this layout for previews: every visible
    /// region shows its name, the body runs sample text through its columns.
    Core::String getXml() const;

    friend bool operator==(const PageLayoutData&, const PageLayoutData&) = default;

private:
    Core::String m_masterName;
    Xml::Length m_width;
    Xml::Length m_height;
    std::array<Xml::LengthOrPercent, RegionData::SideCount> m_margins;
    std::array<RegionData, RegionCount> m_regions;
    std::vector<KeptAttribute> m_kept;
};
