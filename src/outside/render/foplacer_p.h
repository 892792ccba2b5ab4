#pragma once

#include "outside/render/foslice_p.h"

#include <vector>

namespace Fo {

/// Stacks slices into one area and records what it places.
class Placer
{
public:
    struct OpenBox
    {
        const Node* node = nullptr;
        const Style* style = nullptr;
        PaintItem::Role role = PaintItem::Block;
        bool noBorders = false;
        double x = 0.0;
        double width = 0.0;
        int item = -1;
    };
    /// What goes on in the next area when this one is full.
    struct State
    {
        std::vector<OpenBox> open;
        std::vector<Slice> pendingStarts;
    };

    /// Page numbers placed here are written as `pageFormat` asks (a page sequence's format).
    Placer(std::vector<PaintItem>& out, double left, double top, double height, int pageNumber,
           const QString& pageFormat = QString());
    /// Where the area stood before a content slice, to go back there when a
    /// keep moves that slice and what follows to the next area.
    struct Mark
    {
        size_t items = 0;
        double y = 0.0;
        double pendingSpace = 0.0;
        bool hasContent = false;
        std::vector<Slice> pendingStarts;
        std::vector<OpenBox> open;
    };

    /// Places a slice; false when it does not fit (the area is full and the
    /// slice belongs to the next one). An empty area takes any slice, and so
    /// does any area when `force` is set (what did not fit in the last one).
    bool place(Slice& slice, bool force = false);
    /// Ends the area at a break: open boxes stop here, their bottoms open.
    State breakHere();
    /// Continues boxes left open by the previous area.
    void resume(State state);

    /// The area goes on below other content of the page (a band of columns
    /// under a spanning block): what does not fit goes on to the next page
    /// even when this area is still empty.
    void followOtherContent() { m_hasContent = true; }
    /// What absolutely positioned content is placed in: the whole region
    /// rather than this column.
    void setAbsoluteArea(const QRectF& area) { m_absoluteArea = area; }
    Mark mark() const;
    void rewind(Mark mark);
    /// Keeps `height` free at the bottom of the area (footnotes).
    void reserveBottom(double height) { m_bottom = m_limit - height; }

    double bottomUsed() const { return m_y; }
    bool hasContent() const { return m_hasContent; }

private:
    void placeStarts();
    void placeAbsolute(Slice& slice);

    std::vector<PaintItem>& m_out;
    double m_left;
    double m_top;
    double m_bottom;
    double m_limit;
    double m_y;
    int m_pageNumber;
    QString m_pageFormat;
    bool m_hasContent = false;
    double m_pendingSpace = 0.0;
    std::vector<Slice> m_pendingStarts;
    std::vector<OpenBox> m_open;
    QRectF m_absoluteArea;
};

} // namespace Fo
