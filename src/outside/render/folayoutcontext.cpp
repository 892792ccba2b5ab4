#include "outside/render/folayoutcontext_p.h"

#include "outside/render/fomarkerboard_p.h"

namespace Fo {

bool LayoutContext::hasBlockContent(const Node* node)
{
    auto it = blockContent.find(node);
    if (it != blockContent.end()) {
        return it->second;
    }
    bool result = false;
    for (const Node* child : node->children) {
        if (child->isBlockLevel() ||
            (child->kind == NodeKind::Transparent && hasBlockContent(child))) {
            result = true;
            break;
        }
    }
    blockContent.emplace(node, result);
    return result;
}

bool LayoutContext::isInlineLevel(const Node* node)
{
    switch (node->kind) {
    case NodeKind::Text:
    case NodeKind::Inline:
    case NodeKind::Graphic:
    case NodeKind::Barcode:
    case NodeKind::PageNumber:
    case NodeKind::Leader:
    case NodeKind::PageCitation:
    case NodeKind::Footnote:
    case NodeKind::Placeholder:
        return true;
    case NodeKind::Transparent:
        return !hasBlockContent(node);
    case NodeKind::RetrieveMarker: {
        const Node* marker = retrieved(node);
        return !marker || !hasBlockContent(marker);
    }
    default:
        return false;
    }
}

} // namespace Fo

namespace Fo {

const Node* LayoutContext::retrieved(const Node* retrieveMarker) const
{
    const Node* marker = markers ? markers->retrieve(*retrieveMarker) : nullptr;
    for (const Node* copy : retrieveMarker->markers) {
        if (copy->markers.front() == marker) {
            return copy;
        }
    }
    return marker;
}

} // namespace Fo
