#include "outside/render/fomarkerboard_p.h"

namespace Fo {

void MarkerBoard::startSequence()
{
    m_beforeInSequence.clear();
}

void MarkerBoard::readPage(const std::vector<PaintItem>& items, size_t first, size_t end)
{
    m_firstStarting.clear();
    m_firstIncluding.clear();
    m_lastStarting.clear();
    m_lastEnding.clear();
    for (size_t i = first; i < end && i < items.size(); ++i) {
        const PaintItem& item = items[i];
        if (item.kind != PaintItem::Box || !item.node || item.node->markers.empty()) {
            continue;
        }
        const bool starts = (item.openSides & (1 << Top)) == 0;
        const bool ends = (item.openSides & (1 << Bottom)) == 0;
        for (const Node* marker : item.node->markers) {
            m_firstIncluding.emplace(marker->text, marker);
            if (starts) {
                m_firstStarting.emplace(marker->text, marker);
                m_lastStarting[marker->text] = marker;
            }
            if (ends) {
                m_lastEnding[marker->text] = marker;
            }
        }
    }
}

const Node* MarkerBoard::retrieve(const Node& retrieveMarker) const
{
    const ByClass* onPage = &m_firstStarting;
    switch (retrieveMarker.retrievePosition) {
    case Node::RetrievePosition::FirstStarting:
        break;
    case Node::RetrievePosition::FirstIncludingCarryover:
        onPage = &m_firstIncluding;
        break;
    case Node::RetrievePosition::LastStarting:
        onPage = &m_lastStarting;
        break;
    case Node::RetrievePosition::LastEnding:
        onPage = &m_lastEnding;
        break;
    }
    if (auto it = onPage->find(retrieveMarker.text); it != onPage->end()) {
        return it->second;
    }
    // None qualifies on this page: the last one before it, within the boundary.
    const ByClass* before = nullptr;
    if (retrieveMarker.retrieveBoundary == Node::RetrieveBoundary::PageSequence) {
        before = &m_beforeInSequence;
    } else if (retrieveMarker.retrieveBoundary == Node::RetrieveBoundary::Document) {
        before = &m_beforeInDocument;
    }
    if (before) {
        if (auto it = before->find(retrieveMarker.text); it != before->end()) {
            return it->second;
        }
    }
    return nullptr;
}

void MarkerBoard::endPage()
{
    for (const ByClass* page : {&m_firstIncluding, &m_lastEnding, &m_lastStarting}) {
        for (const auto& [name, marker] : *page) {
            m_beforeInSequence[name] = marker;
            m_beforeInDocument[name] = marker;
        }
    }
}

} // namespace Fo
