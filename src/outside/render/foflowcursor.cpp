#include "outside/render/foflowcursor_p.h"

#include "outside/render/focontainerlayout_p.h"
#include "outside/render/folayoutmetrics_p.h"
#include "outside/render/foparagraph_p.h"
#include "outside/render/foplacer_p.h"
#include "outside/render/fotablelayout_p.h"

#include <algorithm>
#include <limits>

namespace Fo {

FlowCursor::FlowCursor(LayoutContext& context, const Node* container, double width, bool boxed)
    : m_context(context), m_referenceWidth(std::max(0.0, width))
{
    if (boxed) {
        pushBlock(container, 0.0, m_referenceWidth, PaintItem::Block);
    } else {
        Frame frame;
        frame.node = container;
        frame.started = true;
        frame.left = 0.0;
        frame.width = m_referenceWidth;
        m_stack.push_back(std::move(frame));
    }
}

FlowCursor::~FlowCursor() = default;

void FlowCursor::pushBlock(const Node* node, double parentLeft, double parentWidth,
                           PaintItem::Role role)
{
    const Style& s = *node->style;
    const double ml = s.margin[Left].resolve(parentWidth);
    const double mr = s.margin[Right].resolve(parentWidth);
    const double bl = s.borderWidth(Left), br = s.borderWidth(Right);
    const double pl = paddingOf(s, Left, parentWidth), pr = paddingOf(s, Right, parentWidth);
    double contentLeft =
        s.startIndent ? s.startIndent->resolve(m_referenceWidth) : parentLeft + ml + bl + pl;
    double contentRight = s.endIndent ? m_referenceWidth - s.endIndent->resolve(m_referenceWidth)
                                      : parentLeft + parentWidth - mr - br - pr;
    if (s.width) {
        contentRight = contentLeft + s.width->resolve(parentWidth) -
                       (s.width->isPercent ? bl + br + pl + pr : 0.0);
    }
    Frame frame;
    frame.node = node;
    frame.boxed = true;
    frame.left = contentLeft;
    frame.width = std::max(0.0, contentRight - contentLeft);
    frame.started = false;

    Slice start;
    start.kind = Slice::BlockStart;
    start.role = role;
    start.node = node;
    start.style = &s;
    start.x = contentLeft - pl - bl;
    start.width = frame.width + pl + bl + pr + br;
    start.space = s.spaceBefore;
    start.margin = s.margin[Top].resolve(parentWidth);
    start.edge = s.borderWidth(Top) + paddingOf(s, Top, parentWidth);
    frame.start = std::move(start);
    frame.endSpace = s.spaceAfter;
    frame.endMargin = s.margin[Bottom].resolve(parentWidth);
    frame.endEdge = s.borderWidth(Bottom) + paddingOf(s, Bottom, parentWidth);
    m_stack.push_back(std::move(frame));
}

void FlowCursor::pushListItem(const Node* item, const Node* list, double parentLeft,
                              double parentWidth)
{
    const Style& s = *item->style;
    const double left = parentLeft + s.margin[Left].resolve(parentWidth);
    const double width = std::max(0.0, parentWidth - s.margin[Left].resolve(parentWidth) -
                                           s.margin[Right].resolve(parentWidth));
    const double distance = list ? list->provisionalDistance : 32.0;
    const double separation = list ? list->provisionalSeparation : 8.0;
    const Node* label = nullptr;
    const Node* body = nullptr;
    for (const Node* c : item->children) {
        if (c->kind == NodeKind::ListLabel && !label) {
            label = c;
        } else if (c->kind == NodeKind::ListBody && !body) {
            body = c;
        }
    }
    Slice start;
    start.kind = Slice::BlockStart;
    start.node = item;
    start.style = &s;
    start.x = left;
    start.width = width;
    start.space = s.spaceBefore;
    start.margin = s.margin[Top].resolve(parentWidth);
    m_pending.push_back(start);

    Slice content;
    content.kind = Slice::Content;
    double height = 0.0;
    const auto part = [&](const Node* node, double x, double w) {
        if (!node) {
            return;
        }
        std::vector<PaintItem> items;
        height = std::max(height, stackContent(m_context, node, std::max(0.0, w), items));
        for (PaintItem& p : items) {
            p.translate(x, 0);
            content.items.push_back(std::move(p));
        }
    };
    part(label, left, std::min(width, distance - separation));
    part(body, left + std::min(distance, width), width - distance);
    content.height = height;
    m_pending.push_back(std::move(content));

    Slice end = start;
    end.kind = Slice::BlockEnd;
    end.space = s.spaceAfter;
    end.margin = s.margin[Bottom].resolve(parentWidth);
    m_pending.push_back(end);
}

void FlowCursor::layoutContainer()
{
    // Laid out whole here; the frame pushBlock made only carries its measures.
    Frame frame = std::move(m_stack.back());
    m_stack.pop_back();
    const Style& style = *frame.node->style;
    Slice end;
    end.kind = Slice::BlockEnd;
    end.node = frame.node;
    end.style = &style;
    end.space = frame.endSpace;
    end.margin = frame.endMargin;
    end.edge = frame.endEdge;
    if (style.breakBefore != Break::Auto && !style.absolute) {
        Slice brk;
        brk.kind = Slice::Break;
        m_pending.push_back(std::move(brk));
    }
    ContainerLayout(m_context, frame.node, m_referenceWidth)
        .layout(frame.start, frame.left, frame.width, end, m_pending);
    if (style.breakAfter != Break::Auto && !style.absolute) {
        Slice brk;
        brk.kind = Slice::Break;
        m_pending.push_back(std::move(brk));
    }
}

void FlowCursor::buildParagraph(Frame& frame, size_t begin, size_t end)
{
    Paragraph paragraph(m_context, *frame.node->style, frame.left, frame.width,
                        frame.firstParagraph);
    for (size_t i = begin; i < end; ++i) {
        paragraph.gather(frame.node->children[i], nullptr);
    }
    const size_t before = m_pending.size();
    paragraph.layout(m_pending);
    if (m_pending.size() > before) {
        frame.firstParagraph = false;
    }
}

bool FlowCursor::next(Slice& out)
{
    if (!produce(out)) {
        return false;
    }
    if (m_context.depth == 0 && out.kind == Slice::Content && !m_context.nestedFootnotes.empty()) {
        // Footnotes cited in the cells of a row or the parts of a list item.
        out.footnotes.insert(out.footnotes.end(), m_context.nestedFootnotes.begin(),
                             m_context.nestedFootnotes.end());
        m_context.nestedFootnotes.clear();
    }
    m_keeps.observe(out);
    return true;
}

bool FlowCursor::produce(Slice& out)
{
    for (;;) {
        if (!m_pending.empty()) {
            out = std::move(m_pending.front());
            m_pending.pop_front();
            return true;
        }
        if (m_stack.empty()) {
            return false;
        }
        Frame& frame = m_stack.back();
        if (frame.table) {
            if (frame.table->next(out)) {
                return true;
            }
            m_stack.pop_back();
            continue;
        }
        const Style& style = *frame.node->style;
        if (!frame.started) {
            frame.started = true;
            if (frame.boxed) {
                if (style.breakBefore != Break::Auto) {
                    Slice brk;
                    brk.kind = Slice::Break;
                    m_pending.push_back(std::move(brk));
                }
                m_pending.push_back(frame.start);
            }
            continue;
        }
        const auto& children = frame.node->children;
        if (frame.child < children.size()) {
            const Node* child = children[frame.child];
            if (m_context.isInlineLevel(child)) {
                size_t end = frame.child;
                while (end < children.size() && m_context.isInlineLevel(children[end])) {
                    ++end;
                }
                const size_t begin = frame.child;
                frame.child = end;
                buildParagraph(frame, begin, end);
                continue;
            }
            ++frame.child;
            const double left = frame.left;
            const double width = frame.width;
            const Node* parentNode = frame.node;
            if (m_stack.size() > 200) {
                continue; // deeper than any real document; skip rather than recurse on
            }
            switch (child->kind) {
            case NodeKind::Table: {
                Frame tableFrame;
                tableFrame.node = child;
                tableFrame.started = true;
                tableFrame.table =
                    std::make_unique<TableLayout>(m_context, child, left, width, m_referenceWidth);
                m_stack.push_back(std::move(tableFrame));
                break;
            }
            case NodeKind::ListItem:
                pushListItem(child, parentNode->kind == NodeKind::ListBlock ? parentNode : nullptr,
                             left, width);
                break;
            case NodeKind::TableColumn:
                break;
            case NodeKind::RetrieveMarker:
            case NodeKind::Transparent: {
                const Node* content =
                    child->kind == NodeKind::Transparent ? child : m_context.retrieved(child);
                if (!content) {
                    break;
                }
                Frame inner;
                inner.node = content;
                inner.started = true;
                inner.left = left;
                inner.width = width;
                m_stack.push_back(std::move(inner));
                break;
            }
            default:
                if (child->style->spanAll && m_stack.size() == 1 && m_spanWidth > width) {
                    pushBlock(child, left, m_spanWidth - (m_referenceWidth - width),
                              PaintItem::Block);
                    m_stack.back().start.span = true;
                } else {
                    pushBlock(child, left, width, PaintItem::Block);
                }
                if (ContainerLayout::needed(*child->style)) {
                    layoutContainer();
                }
                break;
            }
            continue;
        }
        if (frame.boxed) {
            Slice end;
            end.kind = Slice::BlockEnd;
            end.node = frame.node;
            end.style = &style;
            end.space = frame.endSpace;
            end.margin = frame.endMargin;
            end.edge = frame.endEdge;
            m_pending.push_back(std::move(end));
            if (style.breakAfter != Break::Auto) {
                Slice brk;
                brk.kind = Slice::Break;
                m_pending.push_back(std::move(brk));
            }
        }
        m_stack.pop_back();
    }
}

double stackContent(LayoutContext& context, const Node* container, double width,
                    std::vector<PaintItem>& out)
{
    if (context.depth > maxLayoutNesting) {
        return 0.0;
    }
    ++context.depth;
    FlowCursor cursor(context, container, width, false);
    Placer placer(out, 0.0, 0.0, std::numeric_limits<double>::infinity(), context.pageNumber,
                  context.pageFormat);
    Slice slice;
    while (cursor.next(slice)) {
        if (slice.kind == Slice::Break) {
            continue;
        }
        placer.place(slice);
    }
    placer.breakHere();
    --context.depth;
    return placer.bottomUsed();
}

} // namespace Fo
