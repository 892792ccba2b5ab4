#include "outside/render/fopaginator_p.h"

#include "outside/render/folayoutmetrics_p.h"
#include "outside/render/fopagenumberformat_p.h"

#include <algorithm>

namespace Fo {

Paginator::Paginator(const Document& document, FontCache& fonts)
    : m_document(document), m_context{fonts, 1, 0, {}, {}, {}, {}}
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
    FlowCursor cursor(m_context, content, area.width(), false);
    Placer placer(page.items, area.left(), area.top(), area.height(), page.number,
                  m_context.pageFormat);
    Slice slice;
    while (cursor.next(slice)) {
        if (!placer.place(slice)) {
            break;
        }
    }
    placer.breakHere();
    const double used = placer.bottomUsed() - area.top();
    double shift = 0.0;
    if (regionStyle.displayAlign == DisplayAlign::Center) {
        shift = (area.height() - used) / 2.0;
    } else if (regionStyle.displayAlign == DisplayAlign::After) {
        shift = area.height() - used;
    }
    if (shift > 0) {
        for (size_t i = first; i < page.items.size(); ++i) {
            page.items[i].translate(0, shift);
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

    const QRectF p = QRectF(0, 0, master->width, master->height)
                         .adjusted(master->margin[Left], master->margin[Top],
                                   -master->margin[Right], -master->margin[Bottom]);
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
                layoutStatic(page, content->second, area, *region.style);
            }
        }
    }

    // The flow, column by column.
    const Region& body = regions[Body];
    const QRectF area = contentOf(body, rects[Body]);
    const int columns = std::max(1, body.columnCount);
    const double gap = columns > 1 ? body.columnGap : 0.0;
    const double columnWidth = std::max(0.0, (area.width() - gap * (columns - 1)) / columns);
    if (!m_cursor) {
        m_cursor = std::make_unique<FlowCursor>(m_context, sequence.flow, columnWidth, true);
    }
    bool finished = false;
    for (int c = 0; c < columns && !finished; ++c) {
        Placer placer(page.items, area.left() + c * (columnWidth + gap), area.top(),
                      std::max(0.0, area.height()), m_pageNumber, m_context.pageFormat);
        placer.resume(std::move(m_state));
        m_state = Placer::State();
        if (m_carry) {
            if (m_carry->header && m_carry->kind == Slice::Content) {
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
        for (;;) {
            Slice slice;
            if (!m_cursor->next(slice)) {
                finished = true;
                break;
            }
            if (!placer.place(slice)) {
                m_carry = std::move(slice);
                m_state = placer.breakHere();
                break;
            }
        }
        if (finished) {
            placer.breakHere();
        }
    }
    ++m_pageInSequence;
    if (finished) {
        m_cursor.reset();
        m_carry.reset();
        m_state = Placer::State();
        ++m_sequence;
    }
    return true;
}

} // namespace Fo
