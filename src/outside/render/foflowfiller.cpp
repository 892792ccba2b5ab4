#include "outside/render/foflowfiller_p.h"

#include "outside/render/folayoutmetrics_p.h"

#include <algorithm>

namespace Fo {

FlowFiller::FlowFiller(LayoutContext& context, const Node* flow, const Node* footnoteSeparator)
    : m_context(context), m_flow(flow), m_columnNotes(context, footnoteSeparator),
      m_pageNotes(context, footnoteSeparator)
{
}

FlowFiller::~FlowFiller() = default;

FlowFiller::Snapshot FlowFiller::startRecording()
{
    m_recording = true;
    m_recorded.clear();
    return {m_carry, m_state, m_spanNode};
}

void FlowFiller::replay(Snapshot snapshot)
{
    m_recording = false;
    m_carry = std::move(snapshot.carry);
    m_state = std::move(snapshot.state);
    m_spanNode = snapshot.spanNode;
    m_spanStart.reset();
    m_band.clear();
    m_banding = false;
    m_replay.insert(m_replay.begin(), std::make_move_iterator(m_recorded.begin()),
                    std::make_move_iterator(m_recorded.end()));
    m_recorded.clear();
}

bool FlowFiller::take(Slice& out)
{
    if (!m_carry.empty()) {
        out = std::move(m_carry.front());
        m_carry.pop_front();
        return true;
    }
    if (!m_replay.empty()) {
        out = std::move(m_replay.front());
        m_replay.pop_front();
    } else if (!m_cursor || !m_cursor->next(out)) {
        return false;
    }
    if (m_recording) {
        m_recorded.push_back(out);
    }
    if (m_banding) {
        m_band.push_back(out);
    }
    return true;
}

bool FlowFiller::startBand()
{
    m_band.clear();
    m_bandOpen = m_state;
    m_banding = m_carry.empty();
    return m_banding;
}

FlowFiller::Stop FlowFiller::fillSpan(std::vector<PaintItem>& out, const QRectF& region, double top,
                                      int pageNumber)
{
    m_banding = false;
    Placer placer(out, region.left(), top, std::max(0.0, region.bottom() - top), pageNumber,
                  m_context.pageFormat);
    placer.setAbsoluteArea(region);
    if (top > region.top()) {
        placer.followOtherContent();
    }
    placer.resume(std::move(m_state));
    m_state = Placer::State();
    placer.reserveBottom(m_pageNotes.height());
    bool force = false;
    if (m_spanStart) {
        m_spanNode = m_spanStart->node;
        Slice start = std::move(*m_spanStart);
        m_spanStart.reset();
        placer.place(start);
    } else if (!m_carry.empty()) {
        force = true; // carried over: the page's first content
    }
    for (;;) {
        Slice slice;
        if (!take(slice)) {
            placer.breakHere();
            m_spanNode = nullptr;
            m_spanBottom = placer.bottomUsed();
            return Stop::Finished;
        }
        const bool ends = slice.kind == Slice::BlockEnd && slice.node == m_spanNode;
        // The footnotes it cites go to the foot of the page with it.
        double extra = 0.0;
        std::vector<FootnoteArea::Footnote> notes;
        if (slice.kind == Slice::Content && !slice.footnotes.empty()) {
            notes = m_pageNotes.layout(slice.footnotes, region.width(), extra);
            placer.reserveBottom(m_pageNotes.height() + extra);
        }
        const bool fits = placer.place(slice, force);
        if (fits && !notes.empty()) {
            m_pageNotes.add(std::move(notes), extra);
        }
        placer.reserveBottom(m_pageNotes.height());
        if (!fits) {
            m_carry.push_front(std::move(slice));
            m_state = placer.breakHere();
            m_spanBottom = region.bottom();
            return Stop::Full;
        }
        force = false;
        if (ends) {
            m_spanNode = nullptr;
            m_spanBottom = placer.bottomUsed();
            m_state = placer.breakHere();
            return Stop::Span;
        }
    }
}

FlowFiller::Stop FlowFiller::fill(std::vector<PaintItem>& out, const QRectF& area,
                                  const QRectF& region, int pageNumber, bool pageEnd, bool spans)
{
    if (!m_cursor) {
        m_cursor = std::make_unique<FlowCursor>(m_context, m_flow, area.width(), true);
        m_cursor->setSpanWidth(region.width());
    }
    Placer placer(out, area.left(), area.top(), std::max(0.0, area.height()), pageNumber,
                  m_context.pageFormat);
    placer.setAbsoluteArea(region);
    if (area.top() > region.top()) {
        placer.followOtherContent(); // below a spanning block
    }
    placer.resume(std::move(m_state));
    m_state = Placer::State();
    m_history.clear();
    m_columnNotes.clear();

    bool force = false;
    if (!m_carry.empty() && m_carry.front().header && m_carry.front().kind == Slice::Content) {
        // The table's header again above its rows, when both fit.
        const Slice& carried = m_carry.front();
        double needed = carried.height;
        for (const Slice& row : *carried.header) {
            needed += row.height;
        }
        m_banding = false;
        if (needed <= area.height()) {
            for (const Slice& row : *carried.header) {
                Slice copy = row;
                copy.footnotes.clear();
                placer.place(copy);
            }
            force = true;
        }
    }
    bool finished = false;
    bool spanned = false;
    for (;;) {
        Slice slice;
        if (!take(slice)) {
            finished = true;
            break;
        }
        if (spans && slice.span) {
            if (m_banding && !m_band.empty() && m_band.back().span &&
                m_band.back().node == slice.node) {
                m_band.pop_back(); // not the band's: it goes below the columns
            }
            m_spanStart = std::move(slice);
            spanned = true;
            break;
        }
        if (slice.kind == Slice::Content) {
            if (!placeContent(placer, slice, pageEnd, force, area.width())) {
                break;
            }
            force = false;
            continue;
        }
        if (!placer.place(slice)) {
            m_carry.push_front(std::move(slice)); // a break: the next area starts with it
            break;
        }
        if (!m_history.empty()) {
            m_history.push_back({std::move(slice), false, false, 0, {}, 0, 0.0});
        }
    }
    if (finished) {
        placer.breakHere();
    } else {
        m_state = placer.breakHere();
    }
    m_history.clear();
    m_columnBottom = m_columnNotes.empty() ? placer.bottomUsed() : area.bottom();
    m_columnNotes.place(out, area);
    return finished ? Stop::Finished : spanned ? Stop::Span : Stop::Full;
}

bool FlowFiller::placeContent(Placer& placer, Slice& slice, bool pageEnd, bool force, double width)
{
    // The footnotes this slice cites must fit below the column with it.
    double extra = 0.0;
    std::vector<FootnoteArea::Footnote> notes = m_columnNotes.layout(slice.footnotes, width, extra);
    placer.reserveBottom(m_columnNotes.height() + extra);

    // No break before the first content of a column (nor before the rows a
    // repeated table header stands above): the column would stay empty.
    const bool first = !placer.hasContent() || force;
    const int strength = pageEnd ? std::max(slice.keepColumn, slice.keepPage) : slice.keepColumn;
    Placer::Mark mark = placer.mark();
    Slice placed = slice;
    if (placer.place(placed, force)) {
        if (strength == 0 && !first) {
            m_history.clear(); // no later break goes back further than this one
        }
        m_history.push_back({std::move(slice), true, first, strength, std::move(mark),
                             m_columnNotes.count(), m_columnNotes.height()});
        m_columnNotes.add(std::move(notes), extra);
        return true;
    }
    placer.reserveBottom(m_columnNotes.height());

    // It does not fit: break before it, or before an earlier content whose
    // keep is weaker. Keeps that no break can honour give way.
    size_t chosen = m_history.size();
    int best = strength;
    if (strength > 0) {
        for (size_t i = m_history.size(); i-- > 0;) {
            const Placed& p = m_history[i];
            if (p.content && !p.first && p.strength < best) {
                best = p.strength;
                chosen = i;
                if (best == 0) {
                    break;
                }
            }
        }
        if (best >= keepAlways) {
            chosen = m_history.size();
        }
    }
    std::vector<Slice> moved;
    if (chosen < m_history.size()) {
        Placed& target = m_history[chosen];
        placer.rewind(std::move(target.mark));
        m_columnNotes.truncate(target.footnotes, target.footnoteHeight);
        placer.reserveBottom(m_columnNotes.height());
        for (size_t i = chosen; i < m_history.size(); ++i) {
            moved.push_back(std::move(m_history[i].slice));
        }
        m_history.resize(chosen);
    }
    moved.push_back(std::move(slice));
    m_carry.insert(m_carry.begin(), std::make_move_iterator(moved.begin()),
                   std::make_move_iterator(moved.end()));
    return false;
}

void FlowFiller::startPage()
{
    m_pageNotes.clear();
    m_bandNotes.clear();
    m_bandNotesHeight = 0.0;
}

double FlowFiller::layoutBandFootnotes(double width)
{
    std::vector<const Node*> bodies;
    for (const Slice& slice : m_band) {
        bodies.insert(bodies.end(), slice.footnotes.begin(), slice.footnotes.end());
    }
    m_bandNotes = m_pageNotes.layout(bodies, width, m_bandNotesHeight);
    return m_pageNotes.height() + m_bandNotesHeight;
}

void FlowFiller::bandBalanced(Placer::State state)
{
    m_state = std::move(state);
    m_pageNotes.add(std::move(m_bandNotes), m_bandNotesHeight);
    m_bandNotes.clear();
    m_bandNotesHeight = 0.0;
}

bool FlowFiller::placePageFootnotes(std::vector<PaintItem>& out, const QRectF& region)
{
    const bool any = !m_pageNotes.empty();
    m_pageNotes.place(out, region);
    return any;
}

} // namespace Fo
