#pragma once

#include "outside/render/folayoutcontext_p.h"
#include "outside/render/foslice_p.h"

#include <array>
#include <memory>
#include <vector>

namespace Fo {

/// Hands out a table's slices: its start, its row groups, its end.
class TableLayout
{
public:
    TableLayout(LayoutContext& context, const Node* table, double left, double width,
                double referenceWidth);
    ~TableLayout();
    bool next(Slice& out);

private:
    struct PlacedCell
    {
        const Node* node = nullptr;
        int row = 0; ///< index in its part
        int column = 0;
        int columnSpan = 1;
        int rowSpan = 1;
    };
    struct Part
    {
        const Node* node = nullptr;
        int kind = 1;                      ///< 0 header, 1 body, 2 footer
        std::vector<const Node*> rowNodes; ///< may hold nulls for rows without an element
        std::vector<PlacedCell> cells;
        std::vector<std::vector<int>> grid; ///< cell index per row and column, -1 when empty
    };

    void collectParts();
    void placeCells(Part& part, const std::vector<std::vector<const Node*>>& rows);
    Slice layoutRows(const Part& part, int first, int last);
    void keepRows(Slice& out, const Part& part, int first, int last);
    std::array<BorderSide, 4> resolveBorders(const Part& part, const PlacedCell& cell) const;

    LayoutContext& m_context;
    const Node* m_table;
    const Style& m_style;
    bool m_collapse;
    double m_left = 0.0;
    double m_width = 0.0;
    double m_gridLeft = 0.0;
    double m_spacingH = 0.0;
    double m_spacingV = 0.0;
    std::vector<double> m_columnX;
    std::vector<double> m_columnWidth;
    int m_columns = 0;
    std::vector<Part> m_parts;
    // Progress
    int m_stage = 0; ///< 0 start, 1 rows, 2 end, 3 done
    size_t m_part = 0;
    int m_row = 0;
    std::shared_ptr<std::vector<Slice>> m_header;
    const Node* m_previousRow = nullptr; ///< the last row handed out, for its keeps
};

} // namespace Fo
