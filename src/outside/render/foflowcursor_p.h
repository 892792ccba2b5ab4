#pragma once

#include "outside/render/fokeeptracker_p.h"
#include "outside/render/folayoutcontext_p.h"
#include "outside/render/foslice_p.h"

#include <deque>
#include <memory>
#include <vector>

namespace Fo {

class TableLayout;

/// Walks the block-level content of a container and hands out its slices.
class FlowCursor
{
public:
    /// `boxed`: the container itself is a block with its own box (a flow);
    /// otherwise only its children are laid out (a cell's content).
    FlowCursor(LayoutContext& context, const Node* container, double width, bool boxed);
    ~FlowCursor();
    FlowCursor(const FlowCursor&) = delete;
    FlowCursor& operator=(const FlowCursor&) = delete;

    /// The next slice; false when the container is done.
    bool next(Slice& out);
    /// Blocks of the flow that span all columns are laid out this wide.
    void setSpanWidth(double width) { m_spanWidth = width; }

private:
    struct Frame
    {
        const Node* node = nullptr;
        size_t child = 0;
        bool started = false;
        bool boxed = false;
        bool firstParagraph = true;
        double left = 0.0;
        double width = 0.0;
        Slice start; ///< the box's start, fixed when the frame is pushed
        double endSpace = 0.0;
        double endMargin = 0.0;
        double endEdge = 0.0;
        std::unique_ptr<TableLayout> table;
    };

    void pushBlock(const Node* node, double parentLeft, double parentWidth, PaintItem::Role role);
    void pushListItem(const Node* item, const Node* list, double parentLeft, double parentWidth);
    void buildParagraph(Frame& frame, size_t begin, size_t end);
    void layoutContainer();
    bool produce(Slice& out);

    LayoutContext& m_context;
    double m_referenceWidth;
    double m_spanWidth = 0.0;
    std::vector<Frame> m_stack;
    std::deque<Slice> m_pending;
    KeepTracker m_keeps;
};

/// Lays out the children of a container (a cell, a list item part) at a
/// width without breaks. Answers the height used; items are relative to (0, 0).
double stackContent(LayoutContext& context, const Node* container, double width,
                    std::vector<PaintItem>& out);

} // namespace Fo
