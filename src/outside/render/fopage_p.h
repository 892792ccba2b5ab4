#pragma once

#include "outside/render/fostyle_p.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace Fo {

struct Node;
struct FontInfo;

/// A page-number citation laid out before its page was known: where the
/// other items of its line lie (they stay next to each other in a page's
/// items), so that the number can be put in once it is known.
struct CitationSlot
{
    const Node* node = nullptr;
    int before = 0; ///< items of the line before the citation's own
    int after = 0;  ///< items of the line after it
    TextAlign align = TextAlign::Start;
};

/// One thing painted on a page, in page pixels, in painting order.
struct PaintItem
{
    enum Kind : unsigned char { Box, Text, Image, Barcode, Leader };
    /// What a box stands for (tests and hosts read the layout through it).
    enum Role : unsigned char { Region, Block, Inline, Table, Section, Row, Cell, Object };

    Kind kind = Box;
    Role role = Block;
    /// Sides not drawn because the box goes on across a break (bit per Side).
    unsigned char openSides = 0;
    bool pageNumber = false; ///< text that shows the page number
    bool noBorders = false;  ///< collapsed tables: the cells draw the borders
    /// Quarter turns anticlockwise the content is painted with, about the
    /// centre of `rect`; `rect` is the page rectangle it covers, and the
    /// baseline and the unturned rectangle are measured about that centre.
    unsigned char turns = 0;
    QRectF rect;
    QRectF clip;              ///< what shows of the item (overflow hidden); null: all of it
    double baseline = 0.0;    ///< text baseline, page y
    double wordSpacing = 0.0; ///< extra space per blank (justified lines)
    const Style* style = nullptr;
    const Node* node = nullptr;
    const FontInfo* font = nullptr;
    const FontInfo* decorationFont = nullptr; ///< when decorations follow another font
    QString text;
    /// Borders resolved between neighbouring cells (collapsed tables).
    std::shared_ptr<const std::array<BorderSide, 4>> borders;
    std::shared_ptr<const CitationSlot> citation; ///< a number still to put in

    /// The rectangle the content is painted in before it is turned.
    QRectF unturnedRect() const
    {
        if (turns % 2 == 0) {
            return rect;
        }
        const QPointF c = rect.center();
        return QRectF(c.x() - rect.height() / 2, c.y() - rect.width() / 2, rect.height(),
                      rect.width());
    }
    void translate(double dx, double dy)
    {
        rect.translate(dx, dy);
        baseline += dy;
        if (!clip.isNull()) {
            clip.translate(dx, dy);
        }
    }
};

struct Page
{
    QSizeF size;
    int number = 1;
    QString format;     ///< how its page sequence writes page numbers
    QString sequenceId; ///< the id of its page sequence, which citations may cite
    std::vector<PaintItem> items;
};

} // namespace Fo
