#pragma once

#include "uieditor_export.h"

#include <utility>
#include <vector>

namespace XSLFO {

/// Where content is being inserted, as the rulers of the editing view see it:
/// the kind of place and the lengths, in pixels, that bound it there. Content
/// that should fill its place (a barcode) is sized from these.
class UIEDITOR_EXPORT RulerContext
{
public:
    enum Kind : int {
        None = 0,
        TableCell = 4,            ///< widths: the cell's column widths, its own first
        SizedBlockContainer = 5,  ///< widths: the container's width
        FixedHeightRow = 6,       ///< heights: the row's height
        HeightBlockContainer = 7, ///< heights: the container's height
    };

    RulerContext() = default;
    RulerContext(int kind, std::vector<double> heights, std::vector<double> widths)
        : m_kind(kind), m_heights(std::move(heights)), m_widths(std::move(widths))
    {
    }

    int getKind() const { return m_kind; }
    /// The first list of lengths: vertical extents.
    const std::vector<double>& getHeights() const { return m_heights; }
    /// The second list of lengths: horizontal extents.
    const std::vector<double>& getWidths() const { return m_widths; }

private:
    int m_kind = None;
    std::vector<double> m_heights;
    std::vector<double> m_widths;
};

} // namespace XSLFO
