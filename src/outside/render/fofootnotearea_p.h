#pragma once

#include "outside/render/folayoutcontext_p.h"
#include "outside/render/foslice_p.h"

#include <QRectF>

#include <vector>

namespace Fo {

/// The footnotes at the foot of an area, under the footnote separator, in
/// the order they are cited.
class FootnoteArea
{
public:
    struct Footnote
    {
        std::vector<PaintItem> items;
        double height = 0.0;
    };
    /// `separator`: the static content above the footnotes, or null.
    FootnoteArea(LayoutContext& context, const Node* separator)
        : m_context(context), m_separator(separator)
    {
    }

    /// Lays out footnote bodies `width` wide; `added` is the height they
    /// add to this area (with the separator when they are its first).
    std::vector<Footnote> layout(const std::vector<const Node*>& bodies, double width,
                                 double& added);
    /// Takes footnotes laid out by layout(), `added` high.
    void add(std::vector<Footnote> notes, double added);
    /// Goes back to the first `count` footnotes, `height` high.
    void truncate(size_t count, double height);
    size_t count() const { return m_notes.size(); }
    double height() const { return m_height; }
    bool empty() const { return m_notes.empty(); }
    /// Places the footnotes at the bottom of `area` and empties this one;
    /// footnotes taller than the area start at its top.
    void place(std::vector<PaintItem>& out, const QRectF& area);
    void clear();

private:
    LayoutContext& m_context;
    const Node* m_separator;
    Footnote m_separatorLayout;
    std::vector<Footnote> m_notes;
    double m_height = 0.0;
};

} // namespace Fo
