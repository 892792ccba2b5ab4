#pragma once

#include "outside/render/foflowcursor_p.h"
#include "outside/render/folayoutcontext_p.h"
#include "outside/render/fomarkerboard_p.h"
#include "outside/render/foplacer_p.h"

#include <memory>
#include <optional>

namespace Fo {

/// Makes the pages of a document one at a time.
class Paginator
{
public:
    Paginator(const Document& document, FontCache& fonts);
    ~Paginator();

    /// Lays out the next page; false when every page is made.
    bool nextPage(Page& page);
    /// What citations of page sequences show: the pages another paginator
    /// found. Call before the first page.
    void citePagesOf(const Paginator& finished);

private:
    void layoutStatic(Page& page, const Node* content, const QRectF& area,
                      const Style& regionStyle);
    /// Places a block across all columns from `top`: `start` begins it, or
    /// the one begun on an earlier page goes on. False when the page is full.
    bool placeSpan(Page& page, const QRectF& area, double top, std::optional<Slice> start,
                   bool& finished);

    const Document& m_document;
    LayoutContext m_context;
    std::map<QString, QString> m_firstPageOf; ///< of each page sequence with an id, so far
    std::map<QString, QString> m_lastPageOf;
    size_t m_sequence = 0;
    int m_pageInSequence = 0;
    int m_pageNumber = 0;
    bool m_done = false;
    std::unique_ptr<FlowCursor> m_cursor;
    std::optional<Slice> m_carry;
    Placer::State m_state;
    MarkerBoard m_markers;
    const Node* m_spanNode = nullptr; ///< the spanning block being placed
    double m_spanBottom = 0.0;        ///< where the last spanning block ended
};

} // namespace Fo
