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
        next = fillColumn(placer, slices, next, c + 1 < m_columns, result.keepsBroken);
        result.bottom = std::max(result.bottom, placer.bottomUsed());
        state = placer.breakHere();
    }
    result.state = std::move(state);
    return next == slices.size();
}

size_t ColumnBalancer::fillColumn(Placer& placer, const std::vector<Slice>& slices, size_t next,
                                  bool breakAfter, int& keepsBroken)
{
    // Where the column may end before a content slice, as the flow's columns
    // do: the weakest keep breaks, "always" only when nothing else can.
    struct Candidate
    {
        size_t slice;
        int strength;
        Placer::Mark mark;
    };
    std::vector<Candidate> candidates;
    while (next < slices.size()) {
        const Slice& slice = slices[next];
        const bool content = slice.kind == Slice::Content;
        const bool first = !placer.hasContent();
        Placer::Mark mark;
        if (content && !first) {
            mark = placer.mark();
        }
        Slice copy = slice;
        if (placer.place(copy)) {
            if (content && !first) {
                if (slice.keepColumn == 0) {
                    candidates.clear(); // no break goes back further than this one
                }
                candidates.push_back({next, slice.keepColumn, std::move(mark)});
            }
            ++next;
            continue;
        }
        if (!breakAfter || !content || slice.keepColumn == 0) {
            break;
        }
        size_t chosen = candidates.size();
        int best = slice.keepColumn;
        for (size_t i = candidates.size(); i-- > 0;) {
            if (candidates[i].strength < best) {
                best = candidates[i].strength;
                chosen = i;
                if (best == 0) {
                    break;
                }
            }
        }
        if (chosen < candidates.size()) {
            placer.rewind(std::move(candidates[chosen].mark));
            next = candidates[chosen].slice;
        }
        keepsBroken += best > 0 ? 1 : 0;
        break;
    }
    return next;
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
    // The shortest height at which everything still fits, to a tenth of a
    // pixel, breaking no more keeps than the tallest columns must.
    const int keepsBroken = best.keepsBroken;
    Result trial;
    const auto fits = [&](double height) {
        return tryHeight(height, slices, open, trial) && trial.keepsBroken <= keepsBroken;
    };
    double low = std::min(m_maxHeight, content / std::max(1, m_columns));
    double high = m_maxHeight;
    if (fits(low)) {
        return trial;
    }
    for (int i = 0; i < 24 && high - low > 0.1; ++i) {
        const double middle = (low + high) / 2.0;
        if (fits(middle)) {
            high = middle;
            best = std::move(trial);
        } else {
            low = middle;
        }
    }
    return best;
}

} // namespace Fo
