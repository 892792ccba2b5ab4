#pragma once

// Reference areas that are turned, mirrored or clipped are laid out in a
// frame of their own at (0, 0) and then moved onto the page with these.

#include "outside/render/fopage_p.h"

#include <QRectF>
#include <QSizeF>

#include <vector>

namespace Fo {

/// The size of the content frame of an area of `size` turned by `turns`.
QSizeF turnedSize(const QSizeF& size, int turns);

/// Moves items [first, end) laid out in a frame at (0, 0) of the size
/// turnedSize(area.size(), turns) onto `area`, turned by `turns` quarter
/// turns anticlockwise (reference-orientation).
void turnItems(std::vector<PaintItem>& items, size_t first, const QRectF& area, int turns);

/// Mirrors items [first, end) across the middle of [left, right], for lines
/// that start at the right (writing-mode rl-tb). Text keeps its reading order.
void mirrorItems(std::vector<PaintItem>& items, size_t first, double left, double right);

/// Clips items [first, end) to `clip`; those wholly outside are dropped.
void clipItems(std::vector<PaintItem>& items, size_t first, const QRectF& clip);

/// Moves items [first, end) by (dx, dy).
void shiftItems(std::vector<PaintItem>& items, size_t first, double dx, double dy);

} // namespace Fo
