#include "outside/render/focolumnbalancer_p.h"

#include <algorithm>

namespace Fo {

bool ColumnBalancer::tryHeight(double height, const std::vector<Slice>& slices,
                               const Placer::State& open, Result& result) const
{
    result = Result();
    Placer::State state = open;
    size_t next = 0;
    for (int c = 0; c < m_columns; ++c) {
        Placer placer(result.items, m_firstLeft + c * m_pitch, m_top, height, m_pageNumber,
                      m_pageFormat);
        placer.resume(std::move(state));
        while (next < slices.size()) {
            Slice copy = slices[next];
            if (!placer.place(copy)) {
                break;
            }
            ++next;
        }
        result.bottom = std::max(result.bottom, placer.bottomUsed());
        state = placer.breakHere();
    }
    result.state = std::move(state);
    return next == slices.size();
}

std::optional<ColumnBalancer::Result> ColumnBalancer::place(const std::vector<Slice>& slices,
                                                            const Placer::State& open) const
{
    double content = 0.0;
    for (const Slice& slice : slices) {
        content += slice.height;
    }
    Result best;
    if (!tryHeight(m_maxHeight, slices, open, best)) {
        return std::nullopt;
    }
    // The shortest height at which everything still fits, to a tenth of a pixel.
    double low = std::min(m_maxHeight, content / std::max(1, m_columns));
    double high = m_maxHeight;
    Result trial;
    if (tryHeight(low, slices, open, trial)) {
        return trial;
    }
    for (int i = 0; i < 24 && high - low > 0.1; ++i) {
        const double middle = (low + high) / 2.0;
        if (tryHeight(middle, slices, open, trial)) {
            high = middle;
            best = std::move(trial);
        } else {
            low = middle;
        }
    }
    return best;
}

} // namespace Fo
