#pragma once

#include "outside/render/folayoutcontext_p.h"
#include "outside/render/foslice_p.h"

#include <QSizeF>

#include <deque>

namespace Fo {

/// A block or block-container that is an area of its own: its height is
/// given or limited, it hides what overflows, its content is turned, or it is
/// placed absolutely. Its content is laid out whole and never broken.
class ContainerLayout
{
public:
    /// Whether `style` asks for an area of its own.
    static bool needed(const Style& style);

    /// `start`: the box's start as the flow would place it; `contentLeft`
    /// and `contentWidth` its content rectangle across; `end`: its end.
    /// `referenceWidth`: what absolute offsets in percent are of.
    ContainerLayout(LayoutContext& context, const Node* node, double referenceWidth)
        : m_context(context), m_node(node), m_referenceWidth(referenceWidth)
    {
    }

    /// Adds the slices of the box to `out`.
    void layout(const Slice& start, double contentLeft, double contentWidth, const Slice& end,
                std::deque<Slice>& out) const;

private:
    /// The content's items relative to the content's top left; answers the
    /// size of the content box on the page.
    QSizeF layoutContent(double contentWidth, std::vector<PaintItem>& items) const;

    LayoutContext& m_context;
    const Node* m_node;
    double m_referenceWidth;
};

} // namespace Fo
