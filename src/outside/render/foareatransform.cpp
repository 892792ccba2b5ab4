#include "outside/render/foareatransform_p.h"

#include <algorithm>

namespace Fo {

QSizeF turnedSize(const QSizeF& size, int turns)
{
    return turns % 2 == 0 ? size : size.transposed();
}

void turnItems(std::vector<PaintItem>& items, size_t first, const QRectF& area, int turns)
{
    turns = ((turns % 4) + 4) % 4;
    const double l = area.left(), t = area.top(), r = area.right(), b = area.bottom();
    const auto map = [&](const QPointF& p) {
        switch (turns) {
        case 1:
            return QPointF(l + p.y(), b - p.x());
        case 2:
            return QPointF(r - p.x(), b - p.y());
        case 3:
            return QPointF(r - p.y(), t + p.x());
        default:
            return QPointF(l + p.x(), t + p.y());
        }
    };
    const auto mapRect = [&](const QRectF& rect) {
        return QRectF(map(rect.topLeft()), map(rect.bottomRight())).normalized();
    };
    for (size_t i = first; i < items.size(); ++i) {
        PaintItem& item = items[i];
        const double aboveCentre = item.rect.center().y() - item.baseline;
        item.rect = mapRect(item.rect);
        if (!item.clip.isNull()) {
            item.clip = mapRect(item.clip);
        }
        item.baseline = item.rect.center().y() - aboveCentre;
        item.turns = static_cast<unsigned char>((item.turns + turns) % 4);
    }
}

void mirrorItems(std::vector<PaintItem>& items, size_t first, double left, double right)
{
    const double sum = left + right;
    for (size_t i = first; i < items.size(); ++i) {
        PaintItem& item = items[i];
        item.rect.moveLeft(sum - item.rect.right());
        if (!item.clip.isNull()) {
            item.clip.moveLeft(sum - item.clip.right());
        }
        // A box open at its start side now opens at its right.
        const bool openLeft = item.openSides & (1 << Left);
        const bool openRight = item.openSides & (1 << Right);
        item.openSides = static_cast<unsigned char>(
            (item.openSides & ~((1 << Left) | (1 << Right))) | (openLeft ? (1 << Right) : 0) |
            (openRight ? (1 << Left) : 0));
    }
}

void clipItems(std::vector<PaintItem>& items, size_t first, const QRectF& clip)
{
    size_t kept = first;
    for (size_t i = first; i < items.size(); ++i) {
        PaintItem& item = items[i];
        const QRectF visible = item.clip.isNull() ? clip : item.clip.intersected(clip);
        if (visible.isEmpty() || !item.rect.intersects(visible)) {
            continue;
        }
        item.clip = visible;
        if (kept != i) {
            items[kept] = std::move(item);
        }
        ++kept;
    }
    items.erase(items.begin() + std::ptrdiff_t(kept), items.end());
}

void shiftItems(std::vector<PaintItem>& items, size_t first, double dx, double dy)
{
    for (size_t i = first; i < items.size(); ++i) {
        items[i].translate(dx, dy);
    }
}

} // namespace Fo
