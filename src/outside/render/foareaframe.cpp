#include "outside/render/foareaframe_p.h"

#include "outside/render/foareatransform_p.h"

namespace Fo {

AreaFrame::AreaFrame(const QRectF& onPage, const Style& style)
    : m_onPage(onPage),
      m_local(style.turns == 0 ? onPage
                               : QRectF(QPointF(0, 0), turnedSize(onPage.size(), style.turns))),
      m_style(style)
{
}

void AreaFrame::finish(std::vector<PaintItem>& items, size_t first, double usedBottom) const
{
    if (first >= items.size()) {
        return;
    }
    const double room = m_local.bottom() - usedBottom;
    double shift = 0.0;
    if (m_style.displayAlign == DisplayAlign::Center) {
        shift = room / 2.0;
    } else if (m_style.displayAlign == DisplayAlign::After) {
        shift = room;
    }
    if (shift > 0) {
        shiftItems(items, first, 0.0, shift);
    }
    if (m_style.rightToLeft) {
        mirrorItems(items, first, m_local.left(), m_local.right());
    }
    if (m_style.turns != 0) {
        turnItems(items, first, m_onPage, m_style.turns);
    }
}

} // namespace Fo
