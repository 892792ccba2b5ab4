#pragma once

#include "outside/render/fopage_p.h"
#include "outside/render/fotree_p.h"

#include <QString>

#include <map>
#include <vector>

namespace Fo {

/// Which markers the boxes of the flow put on each page, for the
/// retrieve-markers of the static content (running headers).
class MarkerBoard
{
public:
    /// A new page sequence: markers of earlier sequences are out of its boundary.
    void startSequence();
    /// Reads the markers of the flow's boxes among items [first, end).
    void readPage(const std::vector<PaintItem>& items, size_t first, size_t end);
    /// The marker a retrieve-marker shows on the page just read; null for none.
    const Node* retrieve(const Node& retrieveMarker) const;
    /// The page is done: its markers now count for later pages.
    void endPage();

private:
    using ByClass = std::map<QString, const Node*>;
    ByClass m_firstStarting, m_firstIncluding, m_lastStarting, m_lastEnding;
    ByClass m_beforeInSequence, m_beforeInDocument;
};

} // namespace Fo
