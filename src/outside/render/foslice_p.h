#pragma once

// Layout: the flow is turned, lazily and in document order, into slices
// (block edges, lines, table rows, list items) which placers stack into
// areas (page columns, region areas, table cells). Only the slices a page
// needs are made, so the first page of a long document is ready without
// laying out the rest.

#include "outside/render/fopage_p.h"
#include "outside/render/fotree_p.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace Fo {

struct Slice
{
    enum Kind : unsigned char { BlockStart, BlockEnd, Content, Break };
    Kind kind = Content;
    PaintItem::Role role = PaintItem::Block;
    bool noBorders = false;
    bool span = false; ///< the start of a block across all columns (span="all")
    const Node* node = nullptr;
    const Style* style = nullptr;
    double x = 0.0;      ///< border box, area coordinates
    double width = 0.0;  ///< border box
    double space = 0.0;  ///< space before (starts) or after (ends), dropped at an area's top
    double margin = 0.0; ///< margin before (starts) or after (ends), always kept
    double edge = 0.0;   ///< border and padding at this end
    double height = 0.0;
    /// Content: how strongly it stays with the content before it, for a
    /// column break and for a page break (0: a break may come between).
    int keepColumn = 0;
    int keepPage = 0;
    std::vector<PaintItem> items; ///< content, relative to the slice's top
    /// Content placed out of the flow (absolute-position), relative to its
    /// box's top left (`width` wide): the offsets are from the edges of the
    /// area the flow fills; without top or bottom it goes where the flow has
    /// got to, without left or right where `x` says. Takes no room.
    bool absolute = false;
    std::array<std::optional<double>, 4> offset{}; ///< by Side
    /// Footnote bodies cited by this content, placed at the bottom of its page.
    std::vector<const Node*> footnotes;
    /// Rows placed again at the top of the next area when a table breaks here.
    std::shared_ptr<const std::vector<Slice>> header;
};

} // namespace Fo
