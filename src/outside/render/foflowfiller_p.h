#pragma once

#include "outside/render/foflowcursor_p.h"
#include "outside/render/fofootnotearea_p.h"
#include "outside/render/foplacer_p.h"

#include <QRectF>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace Fo {

/// Pours a flow into the columns of its pages. It breaks where keeps,
/// widows and orphans allow, going back to an earlier break when they ask
/// for it, and puts the footnotes cited in a column at its bottom, under
/// the footnote separator. Footnotes cited in spanning blocks and in
/// balanced bands go to the foot of the page, across the body.
class FlowFiller
{
public:
    /// Where the flow stood at the start of a page, to lay the page out again.
    struct Snapshot
    {
        std::deque<Slice> carry;
        Placer::State state;
        const Node* spanNode = nullptr;
    };
    /// How a column ended.
    enum class Stop {
        Full,     ///< the rest goes on in the next column
        Finished, ///< the flow is done
        Span,     ///< a block spanning all columns comes next (see fillSpan)
    };

    FlowFiller(LayoutContext& context, const Node* flow, const Node* footnoteSeparator);
    ~FlowFiller();
    FlowFiller(const FlowFiller&) = delete;
    FlowFiller& operator=(const FlowFiller&) = delete;

    /// Fills one column of `region` (the body, which holds absolutely
    /// positioned content and spanning blocks). `pageEnd`: a break after it
    /// is a page break. With `spans`, a block spanning all columns stops the column.
    Stop fill(std::vector<PaintItem>& out, const QRectF& area, const QRectF& region, int pageNumber,
              bool pageEnd, bool spans = false);
    /// Places the spanning block (begun, or carried over from an earlier
    /// page) across `region` from `top`: Full, Finished, or Span once the
    /// block ended and columns go on below it, at spanBottom().
    Stop fillSpan(std::vector<PaintItem>& out, const QRectF& region, double top, int pageNumber);
    /// Whether a spanning block goes on from an earlier page.
    bool inSpan() const { return m_spanNode != nullptr; }
    double spanBottom() const { return m_spanBottom; }
    /// Where the content of the column filled last ends.
    double columnBottom() const { return m_columnBottom; }

    /// Starts a band of columns: what it takes is kept for balancing; false
    /// when it continues content carried over (which is not balanced).
    bool startBand();
    const std::vector<Slice>& band() const { return m_band; }
    const Placer::State& bandOpen() const { return m_bandOpen; }
    /// Lays out the footnotes the band cites, `width` wide, for the foot of
    /// the page: answers the height of the page's footnotes with them.
    double layoutBandFootnotes(double width);
    /// The columns of the band were placed again (balanced): they leave
    /// `state` open, and the band's footnotes go to the foot of the page.
    void bandBalanced(Placer::State state);

    /// A new page: its foot holds no footnotes yet.
    void startPage();
    /// The height the footnotes at the foot of the page take.
    double pageFootnoteHeight() const { return m_pageNotes.height(); }
    /// Places the footnotes of the page's foot at the bottom of `region`;
    /// false when there are none.
    bool placePageFootnotes(std::vector<PaintItem>& out, const QRectF& region);

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

    bool take(Slice& out);
    bool placeContent(Placer& placer, Slice& slice, bool pageEnd, bool force, double width);

    LayoutContext& m_context;
    const Node* m_flow;
    std::unique_ptr<FlowCursor> m_cursor;
    std::deque<Slice> m_carry;
    std::deque<Slice> m_replay;
    Placer::State m_state;
    std::vector<Placed> m_history;
    FootnoteArea m_columnNotes; ///< cited in the column being filled
    FootnoteArea m_pageNotes;   ///< at the foot of the page, across the body
    std::vector<FootnoteArea::Footnote> m_bandNotes;
    double m_bandNotesHeight = 0.0;
    bool m_recording = false;
    std::vector<Slice> m_recorded;
    std::vector<Slice> m_band;
    Placer::State m_bandOpen;
    bool m_banding = false;
    std::optional<Slice> m_spanStart; ///< the spanning block that stopped a column
    const Node* m_spanNode = nullptr; ///< the spanning block being placed
    double m_spanBottom = 0.0;
    double m_columnBottom = 0.0;
};

} // namespace Fo
