#include "outside/render/fotablelayout_p.h"

#include "outside/render/foflowcursor_p.h"
#include "outside/render/folayoutmetrics_p.h"

#include <algorithm>
#include <cmath>

namespace Fo {

namespace {

int styleRank(BorderStyle style)
{
    switch (style) {
    case BorderStyle::Double:
        return 8;
    case BorderStyle::Solid:
        return 7;
    case BorderStyle::Dashed:
        return 6;
    case BorderStyle::Dotted:
        return 5;
    case BorderStyle::Ridge:
        return 4;
    case BorderStyle::Outset:
        return 3;
    case BorderStyle::Groove:
        return 2;
    case BorderStyle::Inset:
        return 1;
    default:
        return 0;
    }
}

/// A border side with its colour resolved against the object that gives it.
BorderSide sideOf(const Style* style, int side)
{
    if (!style) {
        return BorderSide{};
    }
    BorderSide b = style->border[size_t(side)];
    b.color = style->borderColor(side);
    return b;
}

/// The collapsed-border winner: hidden suppresses, then the wider, then the
/// stronger style; the first candidate (the cell's own) wins ties.
BorderSide winner(const std::vector<BorderSide>& candidates)
{
    BorderSide best;
    best.style = BorderStyle::None;
    best.width = 0;
    bool have = false;
    for (const BorderSide& c : candidates) {
        if (c.style == BorderStyle::Hidden) {
            BorderSide none;
            none.style = BorderStyle::None;
            none.width = 0;
            return none;
        }
        if (!c.visible()) {
            continue;
        }
        if (!have || c.width > best.width + 1e-9 ||
            (std::abs(c.width - best.width) <= 1e-9 &&
             styleRank(c.style) > styleRank(best.style))) {
            best = c;
            have = true;
        }
    }
    return best;
}

void collectCells(const Node* node, std::vector<const Node*>& out)
{
    for (const Node* c : node->children) {
        if (c->kind == NodeKind::TableCell) {
            out.push_back(c);
        } else if (c->kind == NodeKind::Transparent) {
            collectCells(c, out);
        }
    }
}

} // namespace

TableLayout::TableLayout(LayoutContext& context, const Node* table, double left, double width,
                         double referenceWidth)
    : m_context(context), m_table(table), m_style(*table->style),
      m_collapse(table->style->borderCollapse)
{
    collectParts();
    const Style& s = m_style;
    const double ml = s.margin[Left].resolve(width);
    const double mr = s.margin[Right].resolve(width);
    m_left = s.startIndent ? s.startIndent->resolve(referenceWidth) : left + ml;
    m_width = s.width ? s.width->resolve(width) : left + width - mr - m_left;
    m_width = std::max(0.0, m_width);
    if (!m_collapse) {
        m_spacingH = s.borderSpacingH;
        m_spacingV = s.borderSpacingV;
    }
    const double frameLeft =
        m_collapse ? 0.0 : s.borderWidth(Left) + paddingOf(s, Left, width) + m_spacingH;
    const double frameRight =
        m_collapse ? 0.0 : s.borderWidth(Right) + paddingOf(s, Right, width) + m_spacingH;
    m_gridLeft = m_left + frameLeft;
    const double grid =
        std::max(0.0, m_width - frameLeft - frameRight - m_spacingH * std::max(0, m_columns - 1));

    // Column widths: fixed ones first, the rest shared by proportion.
    std::vector<std::optional<LengthPct>> fixed(static_cast<size_t>(m_columns));
    std::vector<double> factor(size_t(m_columns), 0.0);
    int next = 0;
    bool anyWidth = false;
    for (const Node* c : table->children) {
        if (c->kind != NodeKind::TableColumn) {
            continue;
        }
        int at = c->columnNumber > 0 ? c->columnNumber - 1 : next;
        for (int r = 0; r < c->columnsRepeated && at < m_columns; ++r, ++at) {
            if (c->columnWidth) {
                fixed[size_t(at)] = c->columnWidth;
                anyWidth = true;
            } else if (c->proportionalWidth > 0) {
                factor[size_t(at)] = c->proportionalWidth;
                anyWidth = true;
            }
        }
        next = at;
    }
    double fixedSum = 0.0;
    double factorSum = 0.0;
    for (int i = 0; i < m_columns; ++i) {
        if (fixed[size_t(i)]) {
            fixedSum += std::max(0.0, fixed[size_t(i)]->resolve(grid));
        } else {
            if (factor[size_t(i)] <= 0) {
                factor[size_t(i)] = 1.0; // "auto" columns share what is left
            }
            factorSum += factor[size_t(i)];
        }
    }
    (void)anyWidth;
    const double remaining = std::max(0.0, grid - fixedSum);
    double x = m_gridLeft;
    for (int i = 0; i < m_columns; ++i) {
        const double w = fixed[size_t(i)]
                             ? std::max(0.0, fixed[size_t(i)]->resolve(grid))
                             : (factorSum > 0 ? remaining * factor[size_t(i)] / factorSum : 0.0);
        m_columnX.push_back(x);
        m_columnWidth.push_back(w);
        x += w + m_spacingH;
    }
}

TableLayout::~TableLayout() = default;

void TableLayout::collectParts()
{
    int declared = 0;
    for (const Node* c : m_table->children) {
        if (c->kind == NodeKind::TableColumn) {
            const int first = c->columnNumber > 0 ? c->columnNumber - 1 : declared;
            declared = std::max(declared, std::min(1000, first + c->columnsRepeated));
        }
    }
    struct RawPart
    {
        const Node* node;
        int kind;
        std::vector<const Node*> rowNodes;
        std::vector<std::vector<const Node*>> rows;
    };
    std::vector<RawPart> raw;
    const auto addRows = [&](RawPart& part, const Node* container) {
        std::vector<const Node*> looseCells;
        const auto flushLoose = [&] {
            // Cells without rows: a new row where a cell starts one or the last ended one.
            std::vector<const Node*> row;
            for (const Node* cell : looseCells) {
                if (!row.empty() && cell->startsRow) {
                    part.rows.push_back(row);
                    part.rowNodes.push_back(nullptr);
                    row.clear();
                }
                row.push_back(cell);
                if (cell->endsRow) {
                    part.rows.push_back(row);
                    part.rowNodes.push_back(nullptr);
                    row.clear();
                }
            }
            if (!row.empty()) {
                part.rows.push_back(row);
                part.rowNodes.push_back(nullptr);
            }
            looseCells.clear();
        };
        std::vector<const Node*> stack(container->children.rbegin(), container->children.rend());
        while (!stack.empty()) {
            const Node* c = stack.back();
            stack.pop_back();
            if (c->kind == NodeKind::TableRow) {
                flushLoose();
                std::vector<const Node*> cells;
                collectCells(c, cells);
                part.rows.push_back(cells);
                part.rowNodes.push_back(c);
            } else if (c->kind == NodeKind::TableCell) {
                looseCells.push_back(c);
            } else if (c->kind == NodeKind::Transparent) {
                stack.insert(stack.end(), c->children.rbegin(), c->children.rend());
            }
        }
        flushLoose();
    };
    std::vector<const Node*> implicitBody;
    for (const Node* c : m_table->children) {
        switch (c->kind) {
        case NodeKind::TableHeader:
        case NodeKind::TableFooter:
        case NodeKind::TableBody: {
            RawPart part{c,
                         c->kind == NodeKind::TableHeader   ? 0
                         : c->kind == NodeKind::TableFooter ? 2
                                                            : 1,
                         {},
                         {}};
            addRows(part, c);
            raw.push_back(std::move(part));
            break;
        }
        case NodeKind::TableRow:
        case NodeKind::TableCell:
        case NodeKind::Transparent: {
            // Rows straight in the table make a body of their own.
            if (raw.empty() || raw.back().node != m_table) {
                raw.push_back(RawPart{m_table, 1, {}, {}});
            }
            Node wrapper;
            wrapper.children.push_back(const_cast<Node*>(c));
            addRows(raw.back(), &wrapper);
            break;
        }
        default:
            break;
        }
    }
    int used = 0;
    for (const RawPart& part : raw) {
        for (const auto& row : part.rows) {
            int span = 0;
            for (const Node* cell : row) {
                span += cell->columnsSpanned;
            }
            used = std::max(used, span);
        }
    }
    m_columns = std::clamp(std::max(declared, used), 1, 1000);
    // Header first, then the bodies, then the footer.
    for (int kind : {0, 1, 2}) {
        for (RawPart& r : raw) {
            if (r.kind != kind) {
                continue;
            }
            Part part;
            part.node = r.node == m_table ? nullptr : r.node;
            part.kind = kind;
            part.rowNodes = r.rowNodes;
            placeCells(part, r.rows);
            if (!part.rowNodes.empty()) {
                m_parts.push_back(std::move(part));
            }
        }
    }
}

void TableLayout::placeCells(Part& part, const std::vector<std::vector<const Node*>>& rows)
{
    const int rowCount = int(rows.size());
    part.grid.assign(size_t(rowCount), std::vector<int>(size_t(m_columns), -1));
    for (int r = 0; r < rowCount; ++r) {
        int column = 0;
        for (const Node* node : rows[size_t(r)]) {
            if (node->columnNumber > 0) {
                column = node->columnNumber - 1;
            }
            while (column < m_columns && part.grid[size_t(r)][size_t(column)] >= 0) {
                ++column;
            }
            if (column >= m_columns) {
                break;
            }
            PlacedCell cell;
            cell.node = node;
            cell.row = r;
            cell.column = column;
            cell.columnSpan = std::max(1, std::min(node->columnsSpanned, m_columns - column));
            cell.rowSpan = std::max(1, std::min(node->rowsSpanned, rowCount - r));
            // A span stops at a place already taken.
            for (int k = 1; k < cell.columnSpan; ++k) {
                if (part.grid[size_t(r)][size_t(column + k)] >= 0) {
                    cell.columnSpan = k;
                    break;
                }
            }
            const int index = int(part.cells.size());
            part.cells.push_back(cell);
            for (int rr = r; rr < r + cell.rowSpan; ++rr) {
                for (int cc = column; cc < column + cell.columnSpan; ++cc) {
                    part.grid[size_t(rr)][size_t(cc)] = index;
                }
            }
            column += cell.columnSpan;
        }
    }
}

std::array<BorderSide, 4> TableLayout::resolveBorders(const Part& part,
                                                      const PlacedCell& cell) const
{
    const size_t partIndex = size_t(&part - m_parts.data());
    const int rows = int(part.grid.size());
    const Style* rowStyle =
        part.rowNodes[size_t(cell.row)] ? part.rowNodes[size_t(cell.row)]->style : nullptr;
    const Node* lastRowNode = part.rowNodes[size_t(cell.row + cell.rowSpan - 1)];
    const Style* lastRowStyle = lastRowNode ? lastRowNode->style : nullptr;
    const Style* partStyle = part.node ? part.node->style : nullptr;
    const auto cellAt = [](const Part& p, int r, int c) -> const Style* {
        if (r < 0 || r >= int(p.grid.size()) || c < 0 || c >= int(p.grid[size_t(r)].size())) {
            return nullptr;
        }
        const int index = p.grid[size_t(r)][size_t(c)];
        return index >= 0 ? p.cells[size_t(index)].node->style : nullptr;
    };
    std::array<BorderSide, 4> out;
    // Top
    {
        std::vector<BorderSide> c{sideOf(cell.node->style, Top), sideOf(rowStyle, Top)};
        if (cell.row > 0) {
            c.push_back(sideOf(cellAt(part, cell.row - 1, cell.column), Bottom));
        } else {
            c.push_back(sideOf(partStyle, Top));
            if (partIndex == 0) {
                c.push_back(sideOf(&m_style, Top));
            } else {
                const Part& prev = m_parts[partIndex - 1];
                c.push_back(sideOf(cellAt(prev, int(prev.grid.size()) - 1, cell.column), Bottom));
            }
        }
        out[Top] = winner(c);
    }
    // Bottom
    {
        std::vector<BorderSide> c{sideOf(cell.node->style, Bottom), sideOf(lastRowStyle, Bottom)};
        const int below = cell.row + cell.rowSpan;
        if (below < rows) {
            c.push_back(sideOf(cellAt(part, below, cell.column), Top));
        } else {
            c.push_back(sideOf(partStyle, Bottom));
            if (partIndex + 1 >= m_parts.size()) {
                c.push_back(sideOf(&m_style, Bottom));
            } else {
                c.push_back(sideOf(cellAt(m_parts[partIndex + 1], 0, cell.column), Top));
            }
        }
        out[Bottom] = winner(c);
    }
    // Left
    {
        std::vector<BorderSide> c{sideOf(cell.node->style, Left)};
        if (cell.column > 0) {
            c.push_back(sideOf(cellAt(part, cell.row, cell.column - 1), Right));
        } else {
            c.push_back(sideOf(rowStyle, Left));
            c.push_back(sideOf(partStyle, Left));
            c.push_back(sideOf(&m_style, Left));
        }
        out[Left] = winner(c);
    }
    // Right
    {
        std::vector<BorderSide> c{sideOf(cell.node->style, Right)};
        const int after = cell.column + cell.columnSpan;
        if (after < m_columns) {
            c.push_back(sideOf(cellAt(part, cell.row, after), Left));
        } else {
            c.push_back(sideOf(rowStyle, Right));
            c.push_back(sideOf(partStyle, Right));
            c.push_back(sideOf(&m_style, Right));
        }
        out[Right] = winner(c);
    }
    return out;
}

Slice TableLayout::layoutRows(const Part& part, int first, int last)
{
    const int count = last - first + 1;
    std::vector<double> heights(size_t(count), 0.0);
    const double gridRight =
        m_columnX.empty() ? m_gridLeft : m_columnX.back() + m_columnWidth.back();
    for (int r = first; r <= last; ++r) {
        const Node* row = part.rowNodes[size_t(r)];
        if (row && (row->style->height || row->style->minHeight)) {
            const auto& given = row->style->height ? row->style->height : row->style->minHeight;
            heights[size_t(r - first)] = std::max(0.0, given->resolve(0.0));
        }
    }
    struct CellLayout
    {
        const PlacedCell* cell;
        std::array<BorderSide, 4> borders;
        std::array<double, 4> inset; ///< border part inside the cell
        double x, width, contentHeight, needed;
        std::vector<PaintItem> items;
    };
    std::vector<CellLayout> cells;
    for (const PlacedCell& cell : part.cells) {
        if (cell.row < first || cell.row > last) {
            continue;
        }
        CellLayout layout;
        layout.cell = &cell;
        const Style& s = *cell.node->style;
        layout.x = m_columnX[size_t(cell.column)];
        double w = 0.0;
        for (int k = 0; k < cell.columnSpan; ++k) {
            w += m_columnWidth[size_t(cell.column + k)];
        }
        layout.width = w + m_spacingH * (cell.columnSpan - 1);
        if (m_collapse) {
            layout.borders = resolveBorders(part, cell);
            for (int side = 0; side < 4; ++side) {
                layout.inset[size_t(side)] = layout.borders[size_t(side)].effectiveWidth() / 2.0;
            }
        } else {
            for (int side = 0; side < 4; ++side) {
                layout.borders[size_t(side)] = sideOf(&s, side);
                layout.inset[size_t(side)] = s.borderWidth(side);
            }
        }
        const double pl = paddingOf(s, Left, layout.width), pr = paddingOf(s, Right, layout.width);
        const double pt = paddingOf(s, Top, layout.width), pb = paddingOf(s, Bottom, layout.width);
        const double contentWidth =
            std::max(0.0, layout.width - layout.inset[Left] - layout.inset[Right] - pl - pr);
        layout.contentHeight = stackContent(m_context, cell.node, contentWidth, layout.items);
        layout.needed = layout.contentHeight + pt + pb + layout.inset[Top] + layout.inset[Bottom];
        if (s.height || s.minHeight) {
            layout.needed =
                std::max(layout.needed, (s.height ? s.height : s.minHeight)->resolve(0.0));
        }
        const double shiftX = layout.x + layout.inset[Left] + pl;
        const double shiftY = layout.inset[Top] + pt;
        for (PaintItem& item : layout.items) {
            item.translate(shiftX, shiftY);
        }
        cells.push_back(std::move(layout));
    }
    for (const CellLayout& c : cells) {
        if (c.cell->rowSpan == 1) {
            double& h = heights[size_t(c.cell->row - first)];
            h = std::max(h, c.needed);
        }
    }
    for (const CellLayout& c : cells) {
        if (c.cell->rowSpan > 1) {
            double spanned = m_spacingV * (c.cell->rowSpan - 1);
            for (int k = 0; k < c.cell->rowSpan; ++k) {
                spanned += heights[size_t(c.cell->row - first + k)];
            }
            if (spanned < c.needed) {
                heights[size_t(c.cell->row + c.cell->rowSpan - 1 - first)] += c.needed - spanned;
            }
        }
    }
    std::vector<double> tops(size_t(count), 0.0);
    double y = 0.0;
    for (int k = 0; k < count; ++k) {
        y += m_spacingV;
        tops[size_t(k)] = y;
        y += heights[size_t(k)];
    }

    Slice slice;
    slice.kind = Slice::Content;
    slice.height = y;
    // A header, body or footer paints its background behind all its rows.
    if (part.node && count > 0) {
        PaintItem section;
        section.kind = PaintItem::Box;
        section.role = PaintItem::Section;
        section.noBorders = true;
        section.style = part.node->style;
        section.node = part.node;
        section.rect = QRectF(m_gridLeft, tops[0], gridRight - m_gridLeft, y - tops[0]);
        slice.items.push_back(std::move(section));
    }
    for (int r = first; r <= last; ++r) {
        const Node* row = part.rowNodes[size_t(r)];
        if (!row) {
            continue;
        }
        PaintItem item;
        item.kind = PaintItem::Box;
        item.role = PaintItem::Row;
        item.noBorders = true;
        item.style = row->style;
        item.node = row;
        item.rect = QRectF(m_gridLeft, tops[size_t(r - first)], gridRight - m_gridLeft,
                           heights[size_t(r - first)]);
        slice.items.push_back(std::move(item));
    }
    for (CellLayout& c : cells) {
        const int k = c.cell->row - first;
        double height = m_spacingV * (c.cell->rowSpan - 1);
        for (int n = 0; n < c.cell->rowSpan; ++n) {
            height += heights[size_t(k + n)];
        }
        PaintItem box;
        box.kind = PaintItem::Box;
        box.role = PaintItem::Cell;
        box.style = c.cell->node->style;
        box.node = c.cell->node;
        box.rect = QRectF(c.x, tops[size_t(k)], c.width, height);
        if (m_collapse) {
            box.borders = std::make_shared<const std::array<BorderSide, 4>>(c.borders);
        }
        slice.items.push_back(std::move(box));
        const Style& s = *c.cell->node->style;
        const double room = height - c.needed;
        double shift = 0.0;
        if (room > 0 && s.displayAlign == DisplayAlign::Center) {
            shift = room / 2.0;
        } else if (room > 0 && s.displayAlign == DisplayAlign::After) {
            shift = room;
        }
        for (PaintItem& item : c.items) {
            item.translate(0.0, tops[size_t(k)] + shift);
            slice.items.push_back(std::move(item));
        }
    }
    return slice;
}

void TableLayout::keepRows(Slice& out, const Part& part, int first, int last)
{
    // Between row groups: the rows' keeps, the keep-together of their part,
    // and a header never alone at the bottom of a page.
    const auto rowAt = [&](int r) {
        return r >= 0 && size_t(r) < part.rowNodes.size() ? part.rowNodes[size_t(r)] : nullptr;
    };
    int column = 0, page = 0;
    if (m_previousRow) {
        column = m_previousRow->style->keeps.nextColumn;
        page = m_previousRow->style->keeps.nextPage;
    }
    if (const Node* row = rowAt(first)) {
        column = std::max(column, row->style->keeps.previousColumn);
        page = std::max(page, row->style->keeps.previousPage);
    }
    if (first > 0 && part.node) {
        column = std::max(column, part.node->style->keeps.togetherColumn);
        page = std::max(page, part.node->style->keeps.togetherPage);
    }
    if (first == 0 && part.kind == 1 && m_header) {
        column = page = keepAlways;
    }
    out.keepColumn = std::max(out.keepColumn, column);
    out.keepPage = std::max(out.keepPage, page);
    m_previousRow = rowAt(last);
}

bool TableLayout::next(Slice& out)
{
    const Style& s = m_style;
    switch (m_stage) {
    case 0: {
        out = Slice();
        out.kind = Slice::BlockStart;
        out.role = PaintItem::Table;
        out.noBorders = m_collapse;
        out.node = m_table;
        out.style = &s;
        out.x = m_left;
        out.width = m_width;
        out.space = s.spaceBefore;
        out.margin = s.margin[Top].resolve(m_width);
        out.edge = m_collapse ? 0.0 : s.borderWidth(Top) + paddingOf(s, Top, m_width);
        m_stage = 1;
        return true;
    }
    case 1:
        while (m_part < m_parts.size()) {
            const Part& part = m_parts[m_part];
            const int rows = int(part.grid.size());
            if (m_row >= rows) {
                ++m_part;
                m_row = 0;
                continue;
            }
            // A group: rows tied together by cells spanning down.
            int last = m_row;
            for (int r = m_row; r <= last; ++r) {
                for (const PlacedCell& cell : part.cells) {
                    if (cell.row == r) {
                        last = std::max(last, cell.row + cell.rowSpan - 1);
                    }
                }
            }
            out = layoutRows(part, m_row, std::min(last, rows - 1));
            keepRows(out, part, m_row, std::min(last, rows - 1));
            m_row = last + 1;
            if (part.kind == 0) {
                if (!m_header) {
                    m_header = std::make_shared<std::vector<Slice>>();
                }
                m_header->push_back(out);
            } else if (part.kind == 1 && m_header) {
                out.header = m_header;
            }
            return true;
        }
        m_stage = 2;
        [[fallthrough]];
    case 2:
        out = Slice();
        out.kind = Slice::BlockEnd;
        out.node = m_table;
        out.style = &s;
        out.space = s.spaceAfter;
        out.margin = s.margin[Bottom].resolve(m_width);
        out.edge =
            m_collapse ? 0.0 : m_spacingV + paddingOf(s, Bottom, m_width) + s.borderWidth(Bottom);
        m_stage = 3;
        return true;
    default:
        return false;
    }
}

} // namespace Fo
