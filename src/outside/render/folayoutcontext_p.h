#pragma once

#include "outside/render/fofont_p.h"
#include "outside/render/fotree_p.h"

#include <map>
#include <unordered_map>

namespace Fo {

class MarkerBoard;

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
    /// The first and last page of each page sequence with an id, as written
    /// there; what page number citations of those ids show.
    std::map<QString, QString> firstPageOf;
    std::map<QString, QString> lastPageOf;

    bool hasBlockContent(const Node* node);
    bool isInlineLevel(const Node* node);
    /// The marker a retrieve-marker shows on this page; null for none.
    const Node* retrieved(const Node* retrieveMarker) const;
};

} // namespace Fo
