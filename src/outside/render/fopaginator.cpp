#include "outside/render/fopaginator_p.h"

#include "outside/render/foareaframe_p.h"
#include "outside/render/foareatransform_p.h"
#include "outside/render/focolumnbalancer_p.h"
#include "outside/render/folayoutmetrics_p.h"
#include "outside/render/fopagenumberformat_p.h"

#include <algorithm>
#include <iterator>

namespace Fo {

Paginator::Paginator(const Document& document, FontCache& fonts)
    : m_document(document), m_context{fonts, 1, 0, {}, nullptr, {}, {}, {}}
{
}

Paginator::~Paginator() = default;

void Paginator::citePagesOf(const Paginator& finished)
{
    m_context.firstPageOf = finished.m_firstPageOf;
    m_context.lastPageOf = finished.m_lastPageOf;
}

void Paginator::layoutStatic(Page& page, const Node* content, const QRectF& area,
                             const Style& regionStyle)
{
    const size_t first = page.items.size();
    const AreaFrame frame(area, regionStyle);
    const QRectF local = frame.local();
    m_context.markers = &m_markers;
    FlowCursor cursor(m_context, content, local.width(), false);
    Placer placer(page.items, local.left(), local.top(), local.height(), page.number, m_context.pageFormat);
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

bool Paginator::placeSpan(Page& page, const QRectF& area, double top, std::optional<Slice> start,
                          bool& finished)
{
    Placer placer(page.items, area.left(), top, std::max(0.0, area.bottom() - top), m_pageNumber, m_context.pageFormat);
    placer.setAbsoluteArea(area);
    if (top > area.top()) {
        placer.followOtherContent();
    }
    placer.resume(std::move(m_state));
    m_state = Placer::State();
    if (start) {
        m_spanNode = start->node;
        placer.place(*start);
    }
    if (m_carry) {
        Slice carried = std::move(*m_carry);
        m_carry.reset();
        placer.place(carried, true);
    }
    for (;;) {
        Slice slice;
        if (!m_cursor->next(slice)) {
            finished = true;
            placer.breakHere();
            m_spanNode = nullptr;
            m_spanBottom = placer.bottomUsed();
            return true;
        }
        const bool ends = slice.kind == Slice::BlockEnd && slice.node == m_spanNode;
        if (!placer.place(slice)) {
            m_carry = std::move(slice);
            m_state = placer.breakHere();
            m_spanBottom = area.bottom();
            return false;
        }
        if (ends) {
            m_spanNode = nullptr;
            m_spanBottom = placer.bottomUsed();
            m_state = placer.breakHere();
            return true;
        }
    }
}

bool Paginator::nextPage(Page& page)
{
    if (m_done) {
        return false;
    }
    const auto& sequences = m_document.sequences();
    if (!m_cursor) {
        if (m_sequence >= sequences.size()) {
            m_done = true;
            return false;
        }
        if (sequences[m_sequence].initialPageNumber > 0) {
            m_pageNumber = sequences[m_sequence].initialPageNumber - 1;
        }
        m_pageInSequence = 0;
        m_markers.startSequence();
        m_carry.reset();
        m_state = Placer::State();
    }
    const PageSequence& sequence = sequences[m_sequence];
    ++m_pageNumber;
    m_context.pageNumber = m_pageNumber;
    m_context.pageFormat = sequence.format;
    if (!sequence.id.isEmpty()) {
        const QString written = formatPageNumber(m_pageNumber, sequence.format);
        m_firstPageOf.emplace(sequence.id, written);
        m_lastPageOf[sequence.id] = written;
    }
    const PageMaster* master =
        m_document.masterFor(sequence, m_pageInSequence, m_pageNumber, false);
    if (!master) {
        m_done = true;
        return false;
    }
    page = Page();
    page.size = QSizeF(master->width, master->height);
    page.number = m_pageNumber;

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
    const int columns = std::max(1, body.columnCount);
    const double gap = columns > 1 ? body.columnGap : 0.0;
    const double columnWidth = std::max(0.0, (area.width() - gap * (columns - 1)) / columns);
    if (!m_cursor) {
        m_cursor = std::make_unique<FlowCursor>(m_context, sequence.flow, columnWidth, true);
        m_cursor->setSpanWidth(area.width());
    }
    bool finished = false;
    bool full = false;
    // Columns run in bands between blocks that span them all.
    double bandTop = area.top();
    if (m_spanNode) {
        full = !placeSpan(page, area, bandTop, std::nullopt, finished);
        bandTop = m_spanBottom;
        flowBottom = std::max(flowBottom, bandTop);
    }
    std::vector<Slice> band; // what the band's columns hold, to balance them
    size_t bandFirst = 0;
    Placer::State bandOpen;
    bool balanceable = false;
    for (int c = 0; c < columns && !finished && !full; ++c) {
        Placer placer(page.items, area.left() + c * (columnWidth + gap), bandTop,
                      std::max(0.0, area.bottom() - bandTop), m_pageNumber, m_context.pageFormat);
        placer.setAbsoluteArea(area);
        if (bandTop > area.top()) {
            placer.followOtherContent();
        }
        if (c == 0 && columns > 1) {
            band.clear();
            bandFirst = page.items.size();
            bandOpen = m_state;
            balanceable = !m_carry;
        }
        placer.resume(std::move(m_state));
        m_state = Placer::State();
        if (m_carry) {
            if (m_carry->header && m_carry->kind == Slice::Content) {
                balanceable = false;
                // The table's header again above its rows, when both fit.
                double needed = m_carry->height;
                for (const Slice& row : *m_carry->header) {
                    needed += row.height;
                }
                if (needed <= area.height()) {
                    for (const Slice& row : *m_carry->header) {
                        Slice copy = row;
                        placer.place(copy);
                    }
                }
            }
            Slice carried = std::move(*m_carry);
            m_carry.reset();
            placer.place(carried, true);
        }
        bool spanned = false;
        for (;;) {
            Slice slice;
            if (!m_cursor->next(slice)) {
                finished = true;
                break;
            }
            if (slice.span && columns > 1) {
                // The columns so far end, balanced, and the block goes below them.
                m_state = placer.breakHere();
                double top = std::max(flowBottom, placer.bottomUsed());
                if (balanceable && !band.empty()) {
                    const ColumnBalancer balancer(columns, area.left(), columnWidth + gap, bandTop,
                                                  std::max(0.0, area.bottom() - bandTop),
                                                  m_pageNumber, m_context.pageFormat);
                    if (auto balanced = balancer.place(band, bandOpen)) {
                        page.items.resize(bandFirst);
                        std::move(balanced->items.begin(), balanced->items.end(),
                                  std::back_inserter(page.items));
                        m_state = std::move(balanced->state);
                        top = balanced->bottom;
                    }
                }
                full = !placeSpan(page, area, top, std::move(slice), finished);
                bandTop = m_spanBottom;
                spanned = true;
                break;
            }
            if (columns > 1) {
                band.push_back(slice);
            }
            if (!placer.place(slice)) {
                m_carry = std::move(slice);
                m_state = placer.breakHere();
                break;
            }
        }
        if (finished && !spanned) {
            placer.breakHere();
        }
        flowBottom = std::max({flowBottom, placer.bottomUsed(), spanned ? bandTop : 0.0});
        if (spanned) {
            c = -1; // a new band of columns below the spanning block
        }
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
    ++m_pageInSequence;
    if (finished) {
        m_spanNode = nullptr;
        m_cursor.reset();
        m_carry.reset();
        m_state = Placer::State();
        ++m_sequence;
    }
    return true;
}

} // namespace Fo
