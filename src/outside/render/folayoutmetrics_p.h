#pragma once

// Measures every layout class shares.

#include "outside/render/fostyle_p.h"

#include <algorithm>

namespace Fo {

/// Below this, a difference in pixels is rounding, not overflow.
inline constexpr double layoutEpsilon = 0.01;
/// Cells in cells deeper than this are left empty.
inline constexpr int maxLayoutNesting = 48;
/// A document stops after this many pages: more is no preview, and each
/// page is kept in memory.
inline constexpr int maxPages = 10000;

/// A padding at a reference width; negative paddings count as none.
inline double paddingOf(const Style& s, int side, double reference)
{
    return std::max(0.0, s.padding[size_t(side)].resolve(reference));
}

} // namespace Fo
