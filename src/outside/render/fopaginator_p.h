#pragma once

#include "outside/render/foflowfiller_p.h"
#include "outside/render/folayoutcontext_p.h"
#include "outside/render/fomarkerboard_p.h"

#include <memory>

namespace Fo {

/// Makes the pages of a document one at a time.
class Paginator
{
public:
    /// `references`: the pages known for ids, which citations show.
    Paginator(const Document& document, FontCache& fonts,
              const PageReferences* references = nullptr);
    ~Paginator();

    /// Lays out the next page; false when every page is made.
    bool nextPage(Page& page);
    /// Whether the pages stopped at maxPages with more to come.
    bool truncated() const { return m_truncated; }

private:
    /// The page's regions and, unless `blank`, its share of the flow;
    /// true when the flow is done.
    bool layoutPage(Page& page, const PageMaster* master, bool blank);
    /// Pours the flow into the body's columns, in bands between blocks that
    /// span them all, with footnotes at the foot; true when the flow is
    /// done. `bottom`: where it ends.
    bool layoutFlow(Page& page, const QRectF& area, int columns, double gap, double& bottom);
    /// The bands and spanning blocks of layoutFlow(), without the page's footnotes.
    bool fillBands(Page& page, const QRectF& area, int columns, double gap, double& bottom);
    /// Whether force-page-count asks for a blank page after the last one.
    bool needsBlankPage(const PageSequence& sequence) const;
    void startSequence(const PageSequence& sequence);
    void endSequence();
    void layoutStatic(Page& page, const Node* content, const QRectF& area,
                      const Style& regionStyle);

    const Document& m_document;
    LayoutContext m_context;
    size_t m_sequence = 0;
    int m_pageInSequence = 0;
    int m_pageNumber = 0;
    bool m_done = false;
    bool m_blankPending = false;
    bool m_truncated = false;
    int m_pagesMade = 0;
    std::unique_ptr<FlowFiller> m_filler;
    MarkerBoard m_markers;
};

} // namespace Fo
