#pragma once

#include "outside/render/fopage_p.h"

#include <QRectF>

#include <vector>

namespace Fo {

/// A reference area (a region, a container) whose content is laid out in a
/// frame of its own, then aligned in the block direction (display-align),
/// mirrored for lines that start at the right and turned onto the page.
class AreaFrame
{
public:
    /// `onPage`: the content rectangle where the content ends up.
    AreaFrame(const QRectF& onPage, const Style& style);

    /// Where to lay the content out: `onPage` itself unless it is turned.
    QRectF local() const { return m_local; }
    /// Aligns, mirrors and turns items [first, end), whose content ends at
    /// `usedBottom` in the local frame.
    void finish(std::vector<PaintItem>& items, size_t first, double usedBottom) const;

private:
    QRectF m_onPage;
    QRectF m_local;
    const Style& m_style;
};

} // namespace Fo
