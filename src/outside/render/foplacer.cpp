#include "outside/render/foplacer_p.h"

#include "outside/render/fopagenumberformat_p.h"

#include "outside/render/folayoutmetrics_p.h"

#include <algorithm>
#include <cmath>

namespace Fo {

Placer::Placer(std::vector<PaintItem>& out, double left, double top, double height, int pageNumber,
               const QString& pageFormat)
    : m_out(out), m_left(left), m_top(top), m_bottom(top + height), m_limit(top + height), m_y(top),
      m_pageNumber(pageNumber), m_pageFormat(pageFormat)
{
}

Placer::Mark Placer::mark() const
{
    return {m_out.size(), m_y, m_pendingSpace, m_hasContent, m_pendingStarts, m_open};
}

void Placer::rewind(Mark mark)
{
    m_out.resize(std::min(m_out.size(), mark.items));
    m_y = mark.y;
    m_pendingSpace = mark.pendingSpace;
    m_hasContent = mark.hasContent;
    m_pendingStarts = std::move(mark.pendingStarts);
    m_open = std::move(mark.open);
}

void Placer::placeStarts()
{
    for (Slice& start : m_pendingStarts) {
        const double space = std::max(m_pendingSpace, start.space);
        if (m_y > m_top) {
            m_y += space;
        }
        m_y += start.margin;
        m_pendingSpace = 0.0;
        PaintItem item;
        item.kind = PaintItem::Box;
        item.role = start.role;
        item.noBorders = start.noBorders;
        item.style = start.style;
        item.node = start.node;
        item.rect = QRectF(m_left + start.x, m_y, start.width, 0.0);
        m_out.push_back(std::move(item));
        m_open.push_back({start.node, start.style, start.role, start.noBorders, start.x,
                          start.width, int(m_out.size()) - 1});
        m_y += start.edge;
    }
    m_pendingStarts.clear();
}

bool Placer::place(Slice& slice, bool force)
{
    switch (slice.kind) {
    case Slice::Break:
        return !m_hasContent;
    case Slice::BlockStart:
        m_pendingStarts.push_back(std::move(slice));
        return true;
    case Slice::Content: {
        if (slice.absolute) {
            placeAbsolute(slice);
            return true;
        }
        double y = m_y;
        double space = m_pendingSpace;
        for (const Slice& start : m_pendingStarts) {
            space = std::max(space, start.space);
            if (y > m_top) {
                y += space;
            }
            space = 0.0;
            y += start.margin + start.edge;
        }
        if (y > m_top) {
            y += space;
        }
        if (!force && m_hasContent && y + slice.height > m_bottom + layoutEpsilon) {
            return false;
        }
        placeStarts();
        if (m_y > m_top) {
            m_y += m_pendingSpace;
        }
        m_pendingSpace = 0.0;
        for (PaintItem& item : slice.items) {
            item.translate(m_left, m_y);
            if (item.pageNumber) {
                item.text = formatPageNumber(m_pageNumber, m_pageFormat);
            }
            m_out.push_back(std::move(item));
        }
        m_y += slice.height;
        m_hasContent = true;
        return true;
    }
    case Slice::BlockEnd:
        placeStarts();
        m_y += slice.edge;
        const double endOfBox = m_y;
        m_y += slice.margin;
        if (!m_open.empty()) {
            const OpenBox box = m_open.back();
            m_open.pop_back();
            if (box.item >= 0 && size_t(box.item) < m_out.size()) {
                QRectF& rect = m_out[size_t(box.item)].rect;
                rect.setBottom(endOfBox);
            }
        }
        m_pendingSpace = std::max(m_pendingSpace, slice.space);
        return true;
    }
    return true;
}

void Placer::placeAbsolute(Slice& slice)
{
    // Without an area of its own (a cell, a container), the offsets count
    // from this one's top and bottom, and `x` already holds the left or right one.
    const bool own = !m_absoluteArea.isNull();
    const QRectF area = own ? m_absoluteArea : QRectF(m_left, m_top, 0.0, m_bottom - m_top);
    const auto& offset = slice.offset;
    double x = m_left + slice.x;
    if (own && offset[Left]) {
        x = area.left() + *offset[Left];
    } else if (own && offset[Right]) {
        x = area.right() - *offset[Right] - slice.width;
    }
    double y = m_y;
    if (offset[Top]) {
        y = area.top() + *offset[Top];
    } else if (offset[Bottom] && std::isfinite(area.bottom())) {
        y = area.bottom() - *offset[Bottom] - slice.height;
    }
    for (PaintItem& item : slice.items) {
        item.translate(x, y);
        m_out.push_back(std::move(item));
    }
}

Placer::State Placer::breakHere()
{
    for (const OpenBox& box : m_open) {
        if (box.item >= 0 && size_t(box.item) < m_out.size()) {
            PaintItem& item = m_out[size_t(box.item)];
            item.rect.setBottom(m_y);
            item.openSides |= (1 << Bottom);
        }
    }
    State state;
    state.open = std::move(m_open);
    state.pendingStarts = std::move(m_pendingStarts);
    m_open.clear();
    m_pendingStarts.clear();
    m_pendingSpace = 0.0;
    return state;
}

void Placer::resume(State state)
{
    for (OpenBox box : state.open) {
        PaintItem item;
        item.kind = PaintItem::Box;
        item.role = box.role;
        item.noBorders = box.noBorders;
        item.style = box.style;
        item.node = box.node;
        item.openSides = (1 << Top);
        item.rect = QRectF(m_left + box.x, m_y, box.width, 0.0);
        m_out.push_back(std::move(item));
        box.item = int(m_out.size()) - 1;
        m_open.push_back(box);
    }
    m_pendingStarts = std::move(state.pendingStarts);
}

} // namespace Fo
