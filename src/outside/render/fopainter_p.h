#pragma once

#include "outside/render/fopage_p.h"

class QPainter;

namespace Fo {

/// Paints a laid-out page at (0, 0) in page pixels, clipped to the page.
void paintPage(QPainter& painter, const Page& page);

} // namespace Fo
