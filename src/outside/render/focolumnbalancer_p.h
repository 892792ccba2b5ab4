#pragma once

#include "outside/render/foplacer_p.h"

#include <optional>
#include <vector>

namespace Fo {

/// Places the content that comes before a block spanning all columns in
/// columns of one height, as short as the content allows, breaking between
/// the columns where the keeps of the content allow.
class ColumnBalancer
{
public:
    /// Column `c` starts at `firstLeft + c * pitch`; none is taller than `maxHeight`.
    ColumnBalancer(int columns, double firstLeft, double pitch, double top, double maxHeight,
                   int pageNumber, const QString& pageFormat)
        : m_columns(columns), m_firstLeft(firstLeft), m_pitch(pitch), m_top(top),
          m_maxHeight(maxHeight), m_pageNumber(pageNumber), m_pageFormat(pageFormat)
    {
    }

    struct Result
    {
        std::vector<PaintItem> items;
        double bottom = 0.0;
        Placer::State state; ///< boxes still open after the last column
        int keepsBroken = 0; ///< breaks between columns that keeps wanted elsewhere
    };
    /// The slices, continuing the boxes `open` holds, in balanced columns;
    /// nothing when they do not fit at all.
    std::optional<Result> place(const std::vector<Slice>& slices, const Placer::State& open) const;

private:
    /// Places at a column height; false when some slices are left over.
    bool tryHeight(double height, const std::vector<Slice>& slices, const Placer::State& open,
                   Result& result) const;
    /// Places slices from `next` in one column, breaking where keeps allow
    /// when `breakAfter` (another column follows); answers the first left
    /// over, counting a break against a keep in `keepsBroken`.
    static size_t fillColumn(Placer& placer, const std::vector<Slice>& slices, size_t next,
                             bool breakAfter, int& keepsBroken);

    int m_columns;
    double m_firstLeft;
    double m_pitch;
    double m_top;
    double m_maxHeight;
    int m_pageNumber;
    QString m_pageFormat;
};

} // namespace Fo
