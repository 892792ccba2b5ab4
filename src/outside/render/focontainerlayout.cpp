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
    return style.turns != 0 || style.absolute || style.overflowHidden || fixedLength(style.height) ||
           fixedLength(style.minHeight) || fixedLength(style.maxHeight);
}

double ContainerLayout::layoutContent(double contentWidth, std::vector<PaintItem>& items) const
{
    const Style& s = *m_node->style;
    const std::optional<double> fixed = fixedLength(s.height);
    const std::optional<double> minimum = fixedLength(s.minHeight);
    const std::optional<double> maximum = fixedLength(s.maxHeight);
    // Turned a quarter, the lines run along the box's height: the given
    // height, else the largest allowed, else as long as the box is wide.
    const bool across = s.turns % 2 != 0;
    const double lineLength =
        across ? (fixed ? *fixed : maximum ? *maximum : contentWidth) : contentWidth;
    const double natural = stackContent(m_context, m_node, lineLength, items);
    double height = across ? lineLength : natural;
    if (!across) {
        if (fixed) {
            height = *fixed;
        } else {
            height = std::max(height, minimum.value_or(0.0));
            height = std::min(height, maximum.value_or(height));
        }
    }
    const AreaFrame frame(QRectF(0, 0, contentWidth, height), s);
    frame.finish(items, 0, natural);
    return height;
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
    const double height = layoutContent(contentWidth, items);
    if (s.overflowHidden) {
        clipItems(items, 0, QRectF(-pl, -pt, contentWidth + pl + pr, height + pt + pb));
    }

    if (!s.absolute) {
        out.push_back(start);
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
    double width = start.width;
    const auto offset = [&](Side side) -> std::optional<double> {
        if (!s.offset[size_t(side)]) {
            return std::nullopt;
        }
        return s.offset[size_t(side)]->resolve(m_referenceWidth);
    };
    const auto left = offset(Left), right = offset(Right);
    double x = start.x;
    if (left) {
        x = *left;
    } else if (right) {
        x = m_referenceWidth - *right - width;
    }
    Slice placed;
    placed.kind = Slice::Content;
    placed.absolute = true;
    placed.absoluteTop = offset(Top);
    placed.absoluteBottom = offset(Bottom);
    placed.height = bt + pt + height + pb + s.borderWidth(Bottom);
    PaintItem box;
    box.kind = PaintItem::Box;
    box.role = PaintItem::Block;
    box.style = &s;
    box.node = m_node;
    box.rect = QRectF(x, 0, width, placed.height);
    placed.items.push_back(std::move(box));
    shiftItems(items, 0, x + bl + pl, bt + pt);
    std::move(items.begin(), items.end(), std::back_inserter(placed.items));
    out.push_back(std::move(placed));
}

} // namespace Fo
