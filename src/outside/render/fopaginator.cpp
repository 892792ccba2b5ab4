#include "outside/render/fopaginator_p.h"

#include "outside/render/foareaframe_p.h"
#include "outside/render/foareatransform_p.h"
#include "outside/render/focolumnbalancer_p.h"
#include "outside/render/folayoutmetrics_p.h"

#include <algorithm>
#include <iterator>

namespace Fo {

Paginator::Paginator(const Document& document, FontCache& fonts, const PageReferences* references)
    : m_document(document), m_context{fonts, 1, 0, {}, nullptr, {}, references, {}}
{
}

Paginator::~Paginator() = default;

void Paginator::layoutStatic(Page& page, const Node* content, const QRectF& area,
                             const Style& regionStyle)
{
    const size_t first = page.items.size();
    const AreaFrame frame(area, regionStyle);
    const QRectF local = frame.local();
    m_context.markers = &m_markers;
    FlowCursor cursor(m_context, content, local.width(), false);
    Placer placer(page.items, local.left(), local.top(), local.height(), page.number,
                  m_context.pageFormat);
    placer.setAbsoluteArea(local);
    Slice slice;
    while (cursor.next(slice)) {
        if (!placer.place(slice)) {
            break;
        }
    }
    placer.breakHere();
    m_context.markers = nullptr;
    frame.finish(page.items, first, placer.bottomUsed());
}

bool Paginator::nextPage(Page& page)
{
    const auto& sequences = m_document.sequences();
    if (!m_done && m_pagesMade >= maxPages) {
        m_done = true;
        m_truncated = m_blankPending || m_filler || m_sequence < sequences.size();
    }
    if (m_done) {
        return false;
    }
    if (!m_filler && !m_blankPending) {
        if (m_sequence >= sequences.size()) {
            m_done = true;
            return false;
        }
        startSequence(sequences[m_sequence]);
    }
    const PageSequence& sequence = sequences[m_sequence];
    ++m_pageNumber;
    ++m_pagesMade;
    m_context.pageNumber = m_pageNumber;
    m_context.pageFormat = sequence.format;
    if (m_blankPending) {
        // The blank page force-page-count asks for ends the sequence.
        m_blankPending = false;
        const PageMaster* master =
            m_document.masterFor(sequence, m_pageInSequence, m_pageNumber, true, true);
        if (master) {
            layoutPage(page, master, true);
        }
        endSequence();
        return master != nullptr;
    }
    const PageMaster* master =
        m_document.masterFor(sequence, m_pageInSequence, m_pageNumber, false);
    if (!master) {
        m_done = true;
        return false;
    }
    const bool mayBeLast = m_document.hasLastPageMaster(sequence);
    FlowFiller::Snapshot start;
    if (mayBeLast) {
        start = m_filler->startRecording();
    }
    const bool finished = layoutPage(page, master, false);
    const bool blankAfter = finished && needsBlankPage(sequence);
    bool lastDoesNotFit = false;
    if (finished && mayBeLast && !blankAfter) {
        // The last page of the sequence: laid out again on its own master,
        // when the flow's end fits there too.
        const PageMaster* last =
            m_document.masterFor(sequence, m_pageInSequence, m_pageNumber, true);
        if (last && last != master) {
            m_filler->replay(std::move(start));
            Page again;
            if (layoutPage(again, last, false)) {
                page = std::move(again);
            } else {
                lastDoesNotFit = true; // the page stays; an empty last page follows
            }
        }
    }
    ++m_pageInSequence;
    if (finished) {
        if (blankAfter || lastDoesNotFit) {
            m_blankPending = true;
            m_filler.reset();
        } else {
            endSequence();
        }
    }
    return true;
}

void Paginator::startSequence(const PageSequence& sequence)
{
    if (sequence.initialPageNumber > 0) {
        m_pageNumber = sequence.initialPageNumber - 1;
    } else if ((sequence.initialParity == PageSequence::Parity::Odd && m_pageNumber % 2 != 0) ||
               (sequence.initialParity == PageSequence::Parity::Even && m_pageNumber % 2 == 0)) {
        ++m_pageNumber; // the next page number has the parity asked for
    }
    m_pageInSequence = 0;
    m_markers.startSequence();
    auto separator = sequence.staticContents.find(QStringLiteral("xsl-footnote-separator"));
    m_filler = std::make_unique<FlowFiller>(
        m_context, sequence.flow,
        separator == sequence.staticContents.end() ? nullptr : separator->second);
}

void Paginator::endSequence()
{
    m_filler.reset();
    m_blankPending = false;
    ++m_sequence;
}

bool Paginator::needsBlankPage(const PageSequence& sequence) const
{
    const QString& force = sequence.forcePageCount;
    const int pages = m_pageInSequence + 1; // with the page just made
    const bool lastOdd = m_pageNumber % 2 != 0;
    if (force == QLatin1String("even")) {
        return pages % 2 != 0;
    }
    if (force == QLatin1String("odd")) {
        return pages % 2 == 0;
    }
    if (force == QLatin1String("end-on-even")) {
        return lastOdd;
    }
    if (force == QLatin1String("end-on-odd")) {
        return !lastOdd;
    }
    if (force != QLatin1String("auto") || m_sequence + 1 >= m_document.sequences().size()) {
        return false;
    }
    // auto: the next sequence's first number decides how this one ends.
    const PageSequence& next = m_document.sequences()[m_sequence + 1];
    if (next.initialPageNumber > 0) {
        return (next.initialPageNumber % 2 == 0) != lastOdd;
    }
    if (next.initialParity == PageSequence::Parity::Odd) {
        return lastOdd;
    }
    if (next.initialParity == PageSequence::Parity::Even) {
        return !lastOdd;
    }
    return false;
}

bool Paginator::layoutPage(Page& page, const PageMaster* master, bool blank)
{
    const PageSequence& sequence = m_document.sequences()[m_sequence];
    page = Page();
    page.size = QSizeF(master->width, master->height);
    page.number = m_pageNumber;
    page.format = sequence.format;
    page.sequenceId = sequence.id;

    // A turned page master lays its regions out in a frame of its own.
    const QRectF pageArea = QRectF(0, 0, master->width, master->height)
                                .adjusted(master->margin[Left], master->margin[Top],
                                          -master->margin[Right], -master->margin[Bottom]);
    const int pageTurns = master->style ? master->style->turns : 0;
    const QRectF p =
        pageTurns ? QRectF(QPointF(), turnedSize(pageArea.size(), pageTurns)) : pageArea;
    const auto& regions = master->regions;
    const auto extentOf = [&](RegionIndex r) {
        return regions[size_t(r)].present ? regions[size_t(r)].extent : 0.0;
    };
    QRectF rects[5];
    rects[Body] = p.adjusted(regions[Body].margin[Left], regions[Body].margin[Top],
                             -regions[Body].margin[Right], -regions[Body].margin[Bottom]);
    const bool beforeWins = regions[Before].present && regions[Before].precedence;
    const bool afterWins = regions[After].present && regions[After].precedence;
    rects[Before] = QRectF(beforeWins ? p.left() : p.left() + extentOf(Start), p.top(),
                           beforeWins ? p.width() : p.width() - extentOf(Start) - extentOf(End),
                           extentOf(Before));
    rects[After] = QRectF(
        afterWins ? p.left() : p.left() + extentOf(Start), p.bottom() - extentOf(After),
        afterWins ? p.width() : p.width() - extentOf(Start) - extentOf(End), extentOf(After));
    const double sideTop = p.top() + (beforeWins ? extentOf(Before) : 0.0);
    const double sideBottom = p.bottom() - (afterWins ? extentOf(After) : 0.0);
    rects[Start] = QRectF(p.left(), sideTop, extentOf(Start), sideBottom - sideTop);
    rects[End] = QRectF(p.right() - extentOf(End), sideTop, extentOf(End), sideBottom - sideTop);

    // Static content is laid out after the flow, whose markers it may show,
    // and painted before it.
    struct StaticArea
    {
        const Node* content;
        QRectF area;
        const Style* style;
    };
    std::vector<StaticArea> statics;
    const auto contentOf = [](const Region& region, const QRectF& r) {
        const Style& s = *region.style;
        const double w = r.width();
        return r.adjusted(s.borderWidth(Left) + paddingOf(s, Left, w),
                          s.borderWidth(Top) + paddingOf(s, Top, w),
                          -s.borderWidth(Right) - paddingOf(s, Right, w),
                          -s.borderWidth(Bottom) - paddingOf(s, Bottom, w));
    };
    for (int r = 0; r < 5; ++r) {
        const Region& region = regions[size_t(r)];
        if (!region.present || !region.style) {
            continue;
        }
        PaintItem box;
        box.kind = PaintItem::Box;
        box.role = PaintItem::Region;
        box.style = region.style;
        box.rect = rects[r].normalized();
        box.text = region.name;
        page.items.push_back(std::move(box));
        if (r == Body) {
            continue;
        }
        auto content = sequence.staticContents.find(region.name);
        if (content != sequence.staticContents.end()) {
            const QRectF area = contentOf(region, rects[r]);
            if (area.width() > 0 && area.height() > 0) {
                statics.push_back({content->second, area, region.style});
            }
        }
    }

    // The flow, column by column.
    const Region& body = regions[Body];
    const size_t flowFirst = page.items.size();
    const AreaFrame bodyFrame(contentOf(body, rects[Body]), *body.style);
    const QRectF area = bodyFrame.local();
    double flowBottom = area.top();
    bool finished = false;
    if (!blank && m_filler) {
        const int columns = std::max(1, body.columnCount);
        finished = layoutFlow(page, area, columns, columns > 1 ? body.columnGap : 0.0, flowBottom);
    }
    bodyFrame.finish(page.items, flowFirst, flowBottom);
    m_markers.readPage(page.items, flowFirst, page.items.size());
    if (!statics.empty()) {
        std::vector<PaintItem> flowItems(
            std::make_move_iterator(page.items.begin() + std::ptrdiff_t(flowFirst)),
            std::make_move_iterator(page.items.end()));
        page.items.resize(flowFirst);
        for (const StaticArea& s : statics) {
            layoutStatic(page, s.content, s.area, *s.style);
        }
        std::move(flowItems.begin(), flowItems.end(), std::back_inserter(page.items));
    }
    m_markers.endPage();
    if (pageTurns) {
        turnItems(page.items, 0, pageArea, pageTurns);
    }
    return finished;
}

bool Paginator::layoutFlow(Page& page, const QRectF& area, int columns, double gap, double& bottom)
{
    m_filler->startPage();
    const bool finished = fillBands(page, area, columns, gap, bottom);
    if (m_filler->placePageFootnotes(page.items, area)) {
        bottom = area.bottom();
    }
    return finished;
}

bool Paginator::fillBands(Page& page, const QRectF& area, int columns, double gap, double& bottom)
{
    const double columnWidth = std::max(0.0, (area.width() - gap * (columns - 1)) / columns);
    // The footnotes at the foot of the page shorten every band above them.
    const auto heightBelow = [&](double top, double notes) {
        return std::max(0.0, area.bottom() - notes - top);
    };
    double bandTop = area.top();
    if (m_filler->inSpan()) {
        const FlowFiller::Stop stop = m_filler->fillSpan(page.items, area, bandTop, m_pageNumber);
        bottom = std::max(bottom, m_filler->spanBottom());
        if (stop != FlowFiller::Stop::Span) {
            return stop == FlowFiller::Stop::Finished;
        }
        bandTop = m_filler->spanBottom();
    }
    for (;;) {
        // A band of columns, ended by the page or by a block spanning them all.
        const size_t bandFirst = page.items.size();
        const bool balanceable = columns > 1 && m_filler->startBand();
        FlowFiller::Stop stop = FlowFiller::Stop::Full;
        double bandBottom = bandTop;
        const double columnHeight = heightBelow(bandTop, m_filler->pageFootnoteHeight());
        for (int c = 0; c < columns; ++c) {
            const QRectF column(area.left() + c * (columnWidth + gap), bandTop, columnWidth,
                                columnHeight);
            stop = m_filler->fill(page.items, column, area, m_pageNumber, c + 1 == columns,
                                  columns > 1);
            bandBottom = std::max(bandBottom, m_filler->columnBottom());
            if (stop != FlowFiller::Stop::Full) {
                break;
            }
        }
        bottom = std::max(bottom, bandBottom);
        if (stop != FlowFiller::Stop::Span) {
            return stop == FlowFiller::Stop::Finished;
        }
        // The columns so far end, balanced, and the block goes below them.
        double top = bandBottom;
        if (balanceable && !m_filler->band().empty()) {
            const double notes = m_filler->layoutBandFootnotes(area.width());
            const ColumnBalancer balancer(columns, area.left(), columnWidth + gap, bandTop,
                                          heightBelow(bandTop, notes), m_pageNumber,
                                          m_context.pageFormat);
            if (auto balanced = balancer.place(m_filler->band(), m_filler->bandOpen())) {
                page.items.resize(bandFirst);
                std::move(balanced->items.begin(), balanced->items.end(),
                          std::back_inserter(page.items));
                m_filler->bandBalanced(std::move(balanced->state));
                top = balanced->bottom;
            }
        }
        stop = m_filler->fillSpan(page.items, area, top, m_pageNumber);
        bottom = std::max(bottom, m_filler->spanBottom());
        if (stop != FlowFiller::Stop::Span) {
            return stop == FlowFiller::Stop::Finished;
        }
        bandTop = m_filler->spanBottom();
    }
}

} // namespace Fo
