#pragma once

#include "outside/render/foflowcursor_p.h"
#include "outside/render/foplacer_p.h"

#include <QRectF>

#include <deque>
#include <memory>
#include <vector>

namespace Fo {

/// Pours a flow into the columns of its pages. It breaks where keeps,
/// widows and orphans allow, going back to an earlier break when they ask
/// for it, and puts the footnotes cited in a column at its bottom, under
/// the footnote separator.
class FlowFiller
{
public:
    /// Where the flow stood at the start of a page, to lay the page out again.
    struct Snapshot
    {
        std::deque<Slice> carry;
        Placer::State state;
    };

    FlowFiller(LayoutContext& context, const Node* flow, const Node* footnoteSeparator);
    ~FlowFiller();
    FlowFiller(const FlowFiller&) = delete;
    FlowFiller& operator=(const FlowFiller&) = delete;

    /// Fills one column. `pageEnd`: a break after it is a page break.
    /// True when the flow is done.
    bool fill(std::vector<PaintItem>& out, const QRectF& area, int pageNumber, bool pageEnd);

    /// Remembers what the next page takes, so that it can be laid out again.
    Snapshot startRecording();
    /// Goes back to `snapshot`: the flow gives again what it gave since.
    void replay(Snapshot snapshot);

private:
    struct Placed
    {
        Slice slice;
        bool content = false;
        bool first = false; ///< the first content of its column: no break before it
        int strength = 0;
        Placer::Mark mark;
        size_t footnotes = 0;
        double footnoteHeight = 0.0;
    };
    struct Footnote
    {
        std::vector<PaintItem> items;
        double height = 0.0;
    };

    bool take(Slice& out);
    bool placeContent(Placer& placer, Slice& slice, bool pageEnd, bool force, double width);
    void placeFootnotes(std::vector<PaintItem>& out, const QRectF& area);

    LayoutContext& m_context;
    const Node* m_flow;
    const Node* m_separator;
    std::unique_ptr<FlowCursor> m_cursor;
    std::deque<Slice> m_carry;
    std::deque<Slice> m_replay;
    Placer::State m_state;
    std::vector<Placed> m_history;
    std::vector<Footnote> m_footnotes;
    Footnote m_separatorLayout;
    double m_footnoteHeight = 0.0;
    bool m_recording = false;
    std::vector<Slice> m_recorded;
};

} // namespace Fo
