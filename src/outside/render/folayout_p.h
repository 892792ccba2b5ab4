#pragma once

// Layout: the flow is turned, lazily and in document order, into slices
// (block edges, lines, table rows, list items) which placers stack into
// areas (page columns, region areas, table cells). Only the slices a page
// needs are made, so the first page of a long document is ready without
// laying out the rest.

#include "outside/render/fofont_p.h"
#include "outside/render/fopage_p.h"
#include "outside/render/fotree_p.h"

#include <deque>
#include <limits>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace Fo {

struct LayoutContext
{
    FontCache& fonts;
    int pageNumber = 1;
    int depth = 0; ///< nesting of cells in cells
    std::unordered_map<const Node*, bool> blockContent;

    bool hasBlockContent(const Node* node);
    bool isInlineLevel(const Node* node);
};

struct Slice
{
    enum Kind : unsigned char { BlockStart, BlockEnd, Content, Break };
    Kind kind = Content;
    PaintItem::Role role = PaintItem::Block;
    bool noBorders = false;
    const Node* node = nullptr;
    const Style* style = nullptr;
    double x = 0.0;      ///< border box, area coordinates
    double width = 0.0;  ///< border box
    double space = 0.0;  ///< space before (starts) or after (ends), dropped at an area's top
    double margin = 0.0; ///< margin before (starts) or after (ends), always kept
    double edge = 0.0;   ///< border and padding at this end
    double height = 0.0;
    std::vector<PaintItem> items; ///< content, relative to the slice's top
    /// Rows placed again at the top of the next area when a table breaks here.
    std::shared_ptr<const std::vector<Slice>> header;
};

class TableLayout;

/// Walks the block-level content of a container and hands out its slices.
class FlowCursor
{
public:
    /// `boxed`: the container itself is a block with its own box (a flow);
    /// otherwise only its children are laid out (a cell's content).
    FlowCursor(LayoutContext& context, const Node* container, double width, bool boxed);
    ~FlowCursor();
    FlowCursor(const FlowCursor&) = delete;
    FlowCursor& operator=(const FlowCursor&) = delete;

    /// The next slice; false when the container is done.
    bool next(Slice& out);

private:
    struct Frame
    {
        const Node* node = nullptr;
        size_t child = 0;
        bool started = false;
        bool boxed = false;
        bool firstParagraph = true;
        double left = 0.0;
        double width = 0.0;
        Slice start; ///< the box's start, fixed when the frame is pushed
        double endSpace = 0.0;
        double endMargin = 0.0;
        double endEdge = 0.0;
        std::unique_ptr<TableLayout> table;
    };

    void pushBlock(const Node* node, double parentLeft, double parentWidth, PaintItem::Role role);
    void pushListItem(const Node* item, const Node* list, double parentLeft, double parentWidth);
    void buildParagraph(Frame& frame, size_t begin, size_t end);

    LayoutContext& m_context;
    double m_referenceWidth;
    std::vector<Frame> m_stack;
    std::deque<Slice> m_pending;
};

/// Stacks slices into one area and records what it places.
class Placer
{
public:
    struct OpenBox
    {
        const Node* node = nullptr;
        const Style* style = nullptr;
        PaintItem::Role role = PaintItem::Block;
        bool noBorders = false;
        double x = 0.0;
        double width = 0.0;
        int item = -1;
    };
    /// What goes on in the next area when this one is full.
    struct State
    {
        std::vector<OpenBox> open;
        std::vector<Slice> pendingStarts;
    };

    Placer(std::vector<PaintItem>& out, double left, double top, double height, int pageNumber);

    /// Places a slice; false when it does not fit (the area is full and the
    /// slice belongs to the next one). An empty area takes any slice, and so
    /// does any area when `force` is set (what did not fit in the last one).
    bool place(Slice& slice, bool force = false);
    /// Ends the area at a break: open boxes stop here, their bottoms open.
    State breakHere();
    /// Continues boxes left open by the previous area.
    void resume(State state);

    double bottomUsed() const { return m_y; }
    bool hasContent() const { return m_hasContent; }

private:
    void placeStarts();

    std::vector<PaintItem>& m_out;
    double m_left;
    double m_top;
    double m_bottom;
    double m_y;
    int m_pageNumber;
    bool m_hasContent = false;
    double m_pendingSpace = 0.0;
    std::vector<Slice> m_pendingStarts;
    std::vector<OpenBox> m_open;
};

/// Lays out the children of a container (a cell, a list item part) at a
/// width without breaks. Answers the height used; items are relative to (0, 0).
double stackContent(LayoutContext& context, const Node* container, double width,
                    std::vector<PaintItem>& out);

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
};

/// Makes the pages of a document one at a time.
class Paginator
{
public:
    Paginator(const Document& document, FontCache& fonts);
    ~Paginator();

    /// Lays out the next page; false when every page is made.
    bool nextPage(Page& page);

private:
    void layoutStatic(Page& page, const Node* content, const QRectF& area,
                      const Style& regionStyle);

    const Document& m_document;
    LayoutContext m_context;
    size_t m_sequence = 0;
    int m_pageInSequence = 0;
    int m_pageNumber = 0;
    bool m_done = false;
    std::unique_ptr<FlowCursor> m_cursor;
    std::optional<Slice> m_carry;
    Placer::State m_state;
};

} // namespace Fo
