#pragma once

#include "outside/render/fofont_p.h"
#include "outside/render/fotree_p.h"

#include <map>
#include <unordered_map>

namespace Fo {

class MarkerBoard;
class PageReferences;

/// What the layout of one page shares: fonts, the page number, the nesting
/// depth and which containers hold block-level content.
struct LayoutContext
{
    FontCache& fonts;
    int pageNumber = 1;
    int depth = 0; ///< nesting of cells in cells
    std::unordered_map<const Node*, bool> blockContent;
    const MarkerBoard* markers = nullptr; ///< set while static content is laid out
    /// The page sequence's format token for its page numbers ("1", "i", "A"...).
    QString pageFormat;
    /// Pages known for ids so far; citations of the others are fixed up later.
    const PageReferences* references = nullptr;
    /// Footnotes cited inside cells and list items, for the row that holds them.
    std::vector<const Node*> nestedFootnotes;

    bool hasBlockContent(const Node* node);
    bool isInlineLevel(const Node* node);
    /// The marker a retrieve-marker shows on this page; null for none.
    const Node* retrieved(const Node* retrieveMarker) const;
};

} // namespace Fo
