#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <QRectF>
#include <QSizeF>

#include <memory>
#include <vector>

class IProgressMonitor;
class ViewDataEvaluator;
class QPainter;

/// One box of a laid-out page, as tests and hosts read the layout.
struct UIEDITOR_EXPORT ViewLayoutBox
{
    enum class Kind {
        Region, ///< a page region; `text` is its region name
        Block,  ///< a block, list item or flow
        Inline, ///< the part of a bordered or padded inline on one line
        Table,
        TableSection, ///< the rows of a table header, body or footer on one page
        TableRow,
        TableCell,
        Object, ///< the border box of a bordered image or barcode
        Text,   ///< a run of text on one line; `text` holds it
        Image,  ///< an image's content rectangle (empty box when unreadable)
        Barcode,
        Leader,
    };
    Kind kind = Kind::Block;
    QRectF rect;          ///< page pixels (1/96 in), border box for boxes
    Core::String text;    ///< text runs and region names
    Core::String element; ///< local name of the formatting object ("block", "table-cell")
    QRectF clip;          ///< the part that shows under overflow="hidden"; null: all of it
    int rotation = 0;     ///< degrees anticlockwise its content is turned by (0, 90, 180, 270)
};

/// Our XSL-FO renderer. It reads a document (fo:root, or the designer's
/// kmb:document wrapper around the same content), lays its pages out on
/// demand and paints them with QPainter. Pages are made lazily: asking for
/// page 0 of a long document lays out page 0 only.
///
/// Lengths are CSS pixels at 96 dpi. Not thread-safe: use one engine from one thread.
class UIEDITOR_EXPORT ViewEngine
{
public:
    enum Status {
        StatusEmpty = 0, ///< nothing loaded (or an empty buffer)
        StatusLoading = 1,
        StatusReady = 2,
        StatusError = 4, ///< the last load failed; getLastError says why
    };

    ViewEngine();
    ~ViewEngine();
    ViewEngine(const ViewEngine&) = delete;
    ViewEngine& operator=(const ViewEngine&) = delete;

    /// Loads a document file; relative image paths start from its folder.
    /// Failures set StatusError. The monitor, when given, hears beginLoad and
    /// always endLoad, before this returns. Raises Core::Exception only for a
    /// barcode value its symbology cannot encode (after endLoad, with zint's message).
    void loadFile(const Core::String& path, IProgressMonitor* monitor = nullptr);
    /// Loads markup from memory. `basePath` is the folder relative image paths
    /// start from. The load is always done when this returns (`synchronous`
    /// is accepted for hosts that pass it). Errors as loadFile.
    void loadBuffer(const Core::String& markup, const Core::String& basePath = Core::String(),
                    IProgressMonitor* monitor = nullptr, bool synchronous = true);

    /// The data the loads that follow show the document with: each repeat
    /// prints its content once per node, fields their values, conditional
    /// sections their alternative that holds (see ViewDataEvaluator). Null,
    /// the default, shows the expressions themselves. The evaluator is used
    /// only while a load runs.
    void setDataEvaluator(ViewDataEvaluator* evaluator);

    /// One of Status: 4 after a failed load.
    int getStatus() const;
    /// The message of the last failed load; for a document laid out in full
    /// but cut short at the page limit, why it ends early; "" otherwise.
    Core::String getLastError() const;

    /// Lays out every page (if not done yet) and counts them.
    int getPageCount();
    /// Whether page `page` exists, laying out no further than that page.
    bool hasPage(int page);
    /// The size of a page in pixels; an empty size for a page that does not exist.
    QSizeF getPageSize(int page);
    /// Paints page `page` at (0, 0) in page pixels on `context` (scale the
    /// painter to fit). Paints nothing for a page that does not exist.
    void renderPageStaticPreviewMode(QPainter& context, int page);

    /// The boxes of a page in painting order, for tests and hosts that check
    /// what was laid out; empty for a page that does not exist.
    std::vector<ViewLayoutBox> getPageBoxes(int page);
    /// How many pages have been laid out so far.
    int getLaidOutPageCount() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
