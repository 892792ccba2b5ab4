#include "outside/render/focontainerlayout_p.h"

#include "outside/render/foareaframe_p.h"
#include "outside/render/foareatransform_p.h"
#include "outside/render/foflowcursor_p.h"
#include "outside/render/folayoutmetrics_p.h"

#include <algorithm>

namespace Fo {

namespace {

/// A length given in pixels; percentages of an unknown height count as not given.
std::optional<double> fixedLength(const std::optional<LengthPct>& length)
{
    if (!length || length->isPercent) {
        return std::nullopt;
    }
    return std::clamp(length->value, 0.0, 1e6);
}

} // namespace

bool ContainerLayout::needed(const Style& style)
{
    return style.turns != 0 || style.absolute || style.overflowHidden ||
           fixedLength(style.height) || fixedLength(style.minHeight) ||
           fixedLength(style.maxHeight);
}

QSizeF ContainerLayout::layoutContent(double contentWidth, std::vector<PaintItem>& items) const
{
    const Style& s = *m_node->style;
    // The content's lines are as long as the box is wide; turned a quarter,
    // width and height measure the turned content (as Apache FOP reads
    // them), so the box on the page is as wide as the content is high.
    const double natural = stackContent(m_context, m_node, contentWidth, items);
    double height = natural;
    if (const std::optional<double> fixed = fixedLength(s.height)) {
        height = *fixed;
    } else {
        height = std::max(height, fixedLength(s.minHeight).value_or(0.0));
        height = std::min(height, fixedLength(s.maxHeight).value_or(height));
    }
    const QSizeF local(contentWidth, height);
    const QSizeF onPage = turnedSize(local, s.turns);
    const AreaFrame frame(QRectF(QPointF(0, 0), onPage), s);
    frame.finish(items, 0, natural);
    return onPage;
}

void ContainerLayout::layout(const Slice& start, double contentLeft, double contentWidth,
                             const Slice& end, std::deque<Slice>& out) const
{
    const Style& s = *m_node->style;
    const double pt = paddingOf(s, Top, m_referenceWidth);
    const double pb = paddingOf(s, Bottom, m_referenceWidth);
    const double pl = paddingOf(s, Left, m_referenceWidth);
    const double pr = paddingOf(s, Right, m_referenceWidth);
    if (m_context.depth > maxLayoutNesting) {
        return;
    }
    std::vector<PaintItem> items;
    const QSizeF size = layoutContent(contentWidth, items);
    const double height = size.height();
    contentWidth = size.width();
    Slice boxStart = start;
    boxStart.width = contentWidth + pl + pr + s.borderWidth(Left) + s.borderWidth(Right);
    if (s.overflowHidden) {
        clipItems(items, 0, QRectF(-pl, -pt, contentWidth + pl + pr, height + pt + pb));
    }

    if (!s.absolute) {
        out.push_back(std::move(boxStart));
        Slice content;
        content.kind = Slice::Content;
        content.height = height;
        shiftItems(items, 0, contentLeft, 0.0);
        content.items = std::move(items);
        out.push_back(std::move(content));
        out.push_back(end);
        return;
    }

    // Out of the flow: the border box where its offsets put it.
    const double bl = s.borderWidth(Left), bt = s.borderWidth(Top);
    Slice placed;
    placed.kind = Slice::Content;
    placed.absolute = true;
    placed.width = boxStart.width;
    for (int side = 0; side < 4; ++side) {
        if (const auto& given = s.offset[size_t(side)]) {
            placed.offset[size_t(side)] = given->resolve(m_referenceWidth);
        }
    }
    placed.x = placed.offset[Left]    ? *placed.offset[Left]
               : placed.offset[Right] ? m_referenceWidth - *placed.offset[Right] - placed.width
                                      : boxStart.x;
    placed.height = bt + pt + height + pb + s.borderWidth(Bottom);
    PaintItem box;
    box.kind = PaintItem::Box;
    box.role = PaintItem::Block;
    box.style = &s;
    box.node = m_node;
    box.rect = QRectF(0, 0, placed.width, placed.height);
    placed.items.push_back(std::move(box));
    shiftItems(items, 0, bl + pl, bt + pt);
    std::move(items.begin(), items.end(), std::back_inserter(placed.items));
    out.push_back(std::move(placed));
}

} // namespace Fo
