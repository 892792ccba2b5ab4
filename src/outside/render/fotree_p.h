#pragma once

// The formatting-object tree the view engine lays out: elements classified,
// properties computed, images read and barcodes encoded once at load.

#include "outside/render/fodatabinding_p.h"
#include "outside/render/fostyle_p.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <deque>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

struct _xmlNode;

namespace Fo {

class Image;
class Barcode;

enum class NodeKind : unsigned char {
    Block,
    Inline,
    Text,
    Table,
    TableColumn,
    TableHeader,
    TableBody,
    TableFooter,
    TableRow,
    TableCell,
    ListBlock,
    ListItem,
    ListLabel,
    ListBody,
    Graphic,
    Barcode,
    PageNumber,
    Leader,
    PageCitation,   ///< fo:page-number-citation(-last); `text` holds the id it cites
    Footnote,       ///< its children are the citation; `footnoteBody` the note
    Placeholder,    ///< text standing for content we cannot show (fields, unknown objects)
    Transparent,    ///< a wrapper whose children take its place
    RetrieveMarker, ///< in static content: the content of a marker of the page
};

struct Node
{
    NodeKind kind = NodeKind::Transparent;
    const Style* style = nullptr;
    QString name; ///< element local name; "" for text
    QString text; ///< text, placeholder text, character
    QString id;   ///< the id property, for page-number citations
    std::vector<Node*> children;

    // Tables
    int columnsSpanned = 1;
    int rowsSpanned = 1;
    int columnNumber = 0; ///< 1-based when given
    int columnsRepeated = 1;
    bool startsRow = false;
    bool endsRow = false;
    double proportionalWidth = 0.0; ///< proportional-column-width(n)
    std::optional<LengthPct> columnWidth;
    // Lists
    double provisionalDistance = 32.0;  ///< 24pt
    double provisionalSeparation = 8.0; ///< 6pt
    // Leaders: the length range, percentages of the line
    LengthPct leaderMinimum{0.0, false};
    LengthPct leaderOptimum{16.0, false}; ///< 12pt
    LengthPct leaderMaximum{100.0, true};
    bool leaderDots = false;
    bool leaderRule = false;
    double ruleThickness = 4.0 / 3.0; ///< 1pt
    double leaderPatternWidth = 0.0;  ///< 0: as wide as the dot
    // Page-number citations and footnotes
    bool citesLastPage = false;
    const Node* footnoteBody = nullptr;

    std::shared_ptr<Image> image;
    std::shared_ptr<Barcode> barcode;

    // Markers: fo:marker children (transparent nodes whose `text` is the
    // class name); a retrieve-marker's class is its `text`, and its
    // `markers` are copies of the markers it may show, styled where it
    // stands, each holding the original as its only marker.
    std::vector<const Node*> markers;
    enum class RetrievePosition : unsigned char {
        FirstStarting,
        FirstIncludingCarryover,
        LastStarting,
        LastEnding
    };
    enum class RetrieveBoundary : unsigned char { Page, PageSequence, Document };
    RetrievePosition retrievePosition = RetrievePosition::FirstStarting;
    RetrieveBoundary retrieveBoundary = RetrieveBoundary::PageSequence;

    bool isBlockLevel() const
    {
        switch (kind) {
        case NodeKind::Block:
        case NodeKind::Table:
        case NodeKind::ListBlock:
        case NodeKind::ListItem:
        case NodeKind::TableColumn:
        case NodeKind::TableHeader:
        case NodeKind::TableBody:
        case NodeKind::TableFooter:
        case NodeKind::TableRow:
        case NodeKind::TableCell:
        case NodeKind::ListLabel:
        case NodeKind::ListBody:
            return true;
        default:
            return false;
        }
    }
};

struct Region
{
    bool present = false;
    QString name;
    double extent = 0.0;
    bool precedence = false;
    std::array<double, 4> margin{}; ///< body only
    int columnCount = 1;
    double columnGap = 16.0;
    const Style* style = nullptr;
};

enum RegionIndex { Body = 0, Before = 1, After = 2, Start = 3, End = 4 };

struct PageMaster
{
    QString name;
    double width = 816.0;   ///< 8.5in
    double height = 1056.0; ///< 11in
    std::array<double, 4> margin{};
    const Style* style = nullptr; ///< its reference-orientation turns every region
    std::array<Region, 5> regions{};
};

struct PageCondition
{
    QString master;
    QString pagePosition; ///< first, last, rest, any
    QString oddOrEven;    ///< odd, even, any
    QString blankOrNotBlank;
};

struct SubSequence
{
    enum Kind { Single, Repeatable, Alternatives } kind = Single;
    QString master;
    int maximumRepeats = -1; ///< -1: no limit
    std::vector<PageCondition> alternatives;
};

struct SequenceMaster
{
    QString name;
    std::vector<SubSequence> subSequences;
};

struct PageSequence
{
    enum class Parity : unsigned char { None, Odd, Even };
    QString masterReference;
    QString forcePageCount = QStringLiteral("auto");
    Parity initialParity = Parity::None; ///< initial-page-number auto-odd, auto-even
    Node* flow = nullptr;
    std::map<QString, Node*> staticContents;
    int initialPageNumber = 0; ///< 0: continue
    QString id;
    QString format = QStringLiteral("1"); ///< how its page numbers are written
    const Style* style = nullptr;
};

/// The whole loaded document. Nodes and styles live as long as the document.
class Document
{
public:
    /// Builds the tree from a parsed document. `basePath` is the folder that
    /// relative image paths start from. Raises Core::Exception for documents
    /// that cannot be laid out (no page sequence, an unknown master, a barcode
    /// value its symbology cannot encode). With `data`, repeats, fields and
    /// conditional sections print what they give with it; the evaluator is
    /// needed only while this runs.
    Document(const Xml::Element& root, const QString& basePath, ViewDataEvaluator* data = nullptr);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const std::vector<PageSequence>& sequences() const { return m_sequences; }
    /// The simple master for a page of a sequence, by its position in the
    /// sequence (0-based) and its number; null when none applies.
    const PageMaster* masterFor(const PageSequence& sequence, int indexInSequence, int pageNumber,
                                bool lastPage, bool blankPage = false) const;
    /// Whether a page of the sequence may take another master for being its last.
    bool hasLastPageMaster(const PageSequence& sequence) const;
    const Style& rootStyle() const { return *m_rootStyle; }

private:
    Node* newNode(NodeKind kind, const Style* style, const QString& name);
    const Style* styleFor(_xmlNode* element, const Style* parent);
    const Style* inheritedStyle(const Style* parent);
    void buildChildren(_xmlNode* element, Node* parent, bool inTable);
    Node* buildElement(_xmlNode* element, Node* parent);
    Node* buildFormattingObject(_xmlNode* element, Node* parent);
    Node* buildValue(_xmlNode* element, Node* parent);
    Node* buildRepeat(_xmlNode* element, Node* parent);
    Node* buildShownAlternative(_xmlNode* sequence, Node* parent);
    void readSequences(const std::vector<_xmlNode*>& sequences);
    Node* buildMarker(_xmlNode* element, Node* parent);
    void restyleMarkers();
    Node* buildFootnote(_xmlNode* element, Node* parent);
    void readLeader(_xmlNode* element, Node* leader);
    void readMasters(_xmlNode* layoutMasterSet);
    void readSimpleMaster(_xmlNode* element);
    void readSequence(_xmlNode* element);
    std::shared_ptr<Image> loadImage(const QString& source);

    QString m_basePath;
    std::deque<Node> m_nodes;
    std::deque<Style> m_styles;
    std::unordered_map<const Style*, const Style*> m_inherited;
    QHash<QByteArray, const Style*> m_computed; ///< by parent style and attributes written
    const Style* m_rootStyle = nullptr;
    std::map<QString, PageMaster> m_masters;
    std::map<QString, SequenceMaster> m_sequenceMasters;
    std::vector<PageSequence> m_sequences;
    std::map<QString, std::shared_ptr<Image>> m_images;
    DataBinding m_data;
    std::map<QString, _xmlNode*> m_dynamicMasters; ///< page-sequence masters that repeat over data
    int m_markerDepth = 0; ///< inside fo:marker, where markers are not retrieved again
    // Of the page sequence being read: its markers and retrieve-markers.
    struct MarkerSource
    {
        Node* marker;
        _xmlNode* element;
        DataBinding::Context context; ///< where its fields are evaluated
    };
    std::vector<MarkerSource> m_markerSources;
    std::vector<Node*> m_retrieves;
};

} // namespace Fo
