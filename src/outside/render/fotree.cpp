#include "outside/render/fotree_p.h"

#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/render/fobarcode_p.h"
#include "outside/render/foerrors_p.h"
#include "outside/render/foimage_p.h"
#include "outside/render/foprintedattributes_p.h"

#include <libxml/tree.h>

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace Fo {

namespace {

QString utf8(const xmlChar* text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QString();
}

bool inNamespace(const xmlNode* node, const char* uri)
{
    return node->ns && node->ns->href &&
           std::strcmp(reinterpret_cast<const char*>(node->ns->href), uri) == 0;
}

bool isFo(const xmlNode* node, const char* localName = nullptr)
{
    return node && node->type == XML_ELEMENT_NODE && inNamespace(node, Xml::Namespaces::FO) &&
           (!localName || std::strcmp(reinterpret_cast<const char*>(node->name), localName) == 0);
}

/// An attribute by local name, in no namespace or in the given one.
QString attribute(const xmlNode* element, const char* name, const char* uri = Xml::Namespaces::FO)
{
    for (const xmlAttr* a = element->properties; a; a = a->next) {
        if (std::strcmp(reinterpret_cast<const char*>(a->name), name) != 0) {
            continue;
        }
        const bool nsOk =
            !a->ns || (uri && a->ns->href &&
                       std::strcmp(reinterpret_cast<const char*>(a->ns->href), uri) == 0);
        if (nsOk && a->children) {
            xmlChar* value = xmlNodeListGetString(element->doc, a->children, 1);
            const QString text = utf8(value);
            xmlFree(value);
            return text.trimmed();
        }
    }
    return QString();
}

bool hasChildElements(const xmlNode* element)
{
    for (const xmlNode* c = element->children; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE) {
            return true;
        }
    }
    return false;
}

QString textContent(const xmlNode* element)
{
    xmlChar* content = xmlNodeGetContent(element);
    const QString text = utf8(content);
    xmlFree(content);
    return text;
}

/// Whether a wrapper in `parent` stands among rows, cells or list items,
/// where text between elements is only layout of the markup.
bool holdsRows(const Node* parent)
{
    return parent->kind == NodeKind::Table || parent->kind == NodeKind::TableBody ||
           parent->kind == NodeKind::TableRow || parent->kind == NodeKind::ListBlock;
}

int positiveInt(const QString& text, int fallback, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 1 ? std::min(value, maximum) : fallback;
}

double lengthOr(const QString& text, double fallback, double fontSize = 16.0)
{
    if (auto px = StyleResolver::parseLength(text, fontSize)) {
        return *px;
    }
    return fallback;
}

/// The element and its descendants as a stand-alone SVG document, with the
/// namespace declarations it borrowed from its ancestors.
QByteArray svgDocument(xmlNode* element)
{
    xmlDocPtr doc = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
    if (!doc) {
        return {};
    }
    xmlNodePtr copy = xmlDocCopyNode(element, doc, 1);
    QByteArray bytes;
    if (copy) {
        xmlDocSetRootElement(doc, copy);
        xmlReconciliateNs(doc, copy);
        xmlChar* memory = nullptr;
        int size = 0;
        xmlDocDumpMemory(doc, &memory, &size);
        if (memory) {
            bytes = QByteArray(reinterpret_cast<const char*>(memory), size);
            xmlFree(memory);
        }
    }
    xmlFreeDoc(doc);
    return bytes;
}

} // namespace

Document::Document(const Xml::Element& rootElement, const QString& basePath,
                   ViewDataEvaluator* data)
    : m_basePath(basePath), m_data(data, rootElement)
{
    xmlNode* root = rootElement.cobj();
    m_styles.emplace_back();
    m_rootStyle = styleFor(root, &m_styles.back());

    // The layout masters and page sequences: children of fo:root, or of the
    // designer's wrapper, or found further down inside templates.
    std::vector<xmlNode*> stack{root};
    std::vector<xmlNode*> sequences;
    while (!stack.empty()) {
        xmlNode* node = stack.back();
        stack.pop_back();
        if (isFo(node, "layout-master-set")) {
            readMasters(node);
            continue;
        }
        if (isFo(node, "page-sequence")) {
            sequences.push_back(node);
            continue;
        }
        std::vector<xmlNode*> children;
        for (xmlNode* c = node->children; c; c = c->next) {
            if (c->type == XML_ELEMENT_NODE) {
                children.push_back(c);
            }
        }
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    if (sequences.empty()) {
        throw Core::Exception(QStringLiteral("The document has no fo:page-sequence to show."));
    }
    readSequences(sequences);
    for (const PageSequence& sequence : m_sequences) {
        if (m_masters.count(sequence.masterReference) == 0 &&
            m_sequenceMasters.count(sequence.masterReference) == 0) {
            throw Core::Exception(QStringLiteral("The page master \"%1\" is not defined.")
                                      .arg(sequence.masterReference));
        }
    }
    for (const auto& [name, master] : m_sequenceMasters) {
        for (const SubSequence& sub : master.subSequences) {
            if (sub.kind != SubSequence::Alternatives && m_masters.count(sub.master) == 0) {
                throw Core::Exception(
                    QStringLiteral("The page master \"%1\" is not defined.").arg(sub.master));
            }
            for (const PageCondition& c : sub.alternatives) {
                if (m_masters.count(c.master) == 0) {
                    throw Core::Exception(
                        QStringLiteral("The page master \"%1\" is not defined.").arg(c.master));
                }
            }
        }
    }
}

Document::~Document() = default;

Node* Document::newNode(NodeKind kind, const Style* style, const QString& name)
{
    Node& node = m_nodes.emplace_back();
    node.kind = kind;
    node.style = style;
    node.name = name;
    return &node;
}

const Style* Document::inheritedStyle(const Style* parent)
{
    auto it = m_inherited.find(parent);
    if (it != m_inherited.end()) {
        return it->second;
    }
    const Style* style = &m_styles.emplace_back(StyleResolver::inheritOnly(*parent));
    m_inherited.emplace(parent, style);
    return style;
}

const Style* Document::styleFor(xmlNode* element, const Style* parent)
{
    // Elements written alike under one parent style share their style:
    // generated documents and tables repeat the same attributes thousands
    // of times, and computing a style is the dearest part of the build.
    thread_local std::vector<std::pair<const xmlChar*, QByteArray>> written;
    written.clear();
    QByteArray key(reinterpret_cast<const char*>(&parent), sizeof parent);
    for (const xmlAttr* a = element->properties; a; a = a->next) {
        const bool foProperty =
            !a->ns || (a->ns->href && (std::strcmp(reinterpret_cast<const char*>(a->ns->href),
                                                   Xml::Namespaces::FO) == 0 ||
                                       xmlStrEqual(a->ns->href, XML_XML_NAMESPACE)));
        if (!foProperty || !a->children) {
            continue;
        }
        QByteArray value;
        if (a->children->type == XML_TEXT_NODE && !a->children->next) {
            value = QByteArray(reinterpret_cast<const char*>(a->children->content));
        } else {
            xmlChar* text = xmlNodeListGetString(element->doc, a->children, 1);
            value = QByteArray(text ? reinterpret_cast<const char*>(text) : "");
            xmlFree(text);
        }
        key.append(reinterpret_cast<const char*>(a->name)).append('\0').append(value).append('\0');
        written.emplace_back(a->name, std::move(value));
    }
    if (written.empty()) {
        return inheritedStyle(parent);
    }
    if (const auto known = m_computed.constFind(key); known != m_computed.constEnd()) {
        return *known;
    }
    std::vector<PropertyText> props;
    props.reserve(written.size());
    for (const auto& [name, value] : written) {
        props.push_back({utf8(name), QString::fromUtf8(value)});
    }
    Style& style =
        m_styles.emplace_back(StyleResolver::compute(*parent, props.data(), int(props.size())));
    if (!style.backgroundImage.isEmpty()) {
        style.background = loadImage(style.backgroundImage);
    }
    m_computed.insert(key, &style);
    return &style;
}

std::shared_ptr<Image> Document::loadImage(const QString& source)
{
    auto it = m_images.find(source);
    if (it != m_images.end()) {
        return it->second;
    }
    auto image = Image::fromSource(source, m_basePath);
    m_images.emplace(source, image);
    return image;
}

void Document::readMasters(xmlNode* set)
{
    for (xmlNode* c = set->children; c; c = c->next) {
        if (isFo(c, "simple-page-master")) {
            readSimpleMaster(c);
        } else if (isFo(c, "page-sequence-master")) {
            SequenceMaster master;
            master.name = attribute(c, "master-name");
            for (xmlNode* s = c->children; s; s = s->next) {
                SubSequence sub;
                if (isFo(s, "single-page-master-reference")) {
                    sub.kind = SubSequence::Single;
                    sub.master = attribute(s, "master-reference");
                } else if (isFo(s, "repeatable-page-master-reference")) {
                    sub.kind = SubSequence::Repeatable;
                    sub.master = attribute(s, "master-reference");
                    sub.maximumRepeats = positiveInt(attribute(s, "maximum-repeats"), -1, 1000000);
                } else if (isFo(s, "repeatable-page-master-alternatives")) {
                    sub.kind = SubSequence::Alternatives;
                    sub.maximumRepeats = positiveInt(attribute(s, "maximum-repeats"), -1, 1000000);
                    for (xmlNode* a = s->children; a; a = a->next) {
                        if (isFo(a, "conditional-page-master-reference")) {
                            sub.alternatives.push_back(
                                {attribute(a, "master-reference"), attribute(a, "page-position"),
                                 attribute(a, "odd-or-even"), attribute(a, "blank-or-not-blank")});
                        }
                    }
                    if (sub.alternatives.empty()) {
                        continue;
                    }
                } else {
                    continue;
                }
                master.subSequences.push_back(sub);
            }
            if (!master.subSequences.empty()) {
                m_sequenceMasters[master.name] = master;
            }
            if (!attribute(c, "xpath", Xml::Namespaces::KMB).isEmpty()) {
                m_dynamicMasters[master.name] = c;
            }
        }
    }
}

void Document::readSimpleMaster(xmlNode* element)
{
    PageMaster master;
    master.name = attribute(element, "master-name");
    const Style* style = styleFor(element, m_rootStyle);
    master.style = style;
    const double fs = style->fontSize;
    master.width =
        std::clamp(lengthOr(attribute(element, "page-width"), master.width, fs), 1.0, 100000.0);
    master.height =
        std::clamp(lengthOr(attribute(element, "page-height"), master.height, fs), 1.0, 100000.0);
    for (int side = 0; side < 4; ++side) {
        master.margin[size_t(side)] =
            std::clamp(style->margin[size_t(side)].resolve(master.width), -1e5, 1e5);
    }
    static const std::pair<const char*, RegionIndex> regionNames[] = {{"region-body", Body},
                                                                      {"region-before", Before},
                                                                      {"region-after", After},
                                                                      {"region-start", Start},
                                                                      {"region-end", End}};
    static const char* defaultNames[] = {"xsl-region-body", "xsl-region-before", "xsl-region-after",
                                         "xsl-region-start", "xsl-region-end"};
    for (xmlNode* c = element->children; c; c = c->next) {
        for (const auto& [name, index] : regionNames) {
            if (!isFo(c, name)) {
                continue;
            }
            Region& region = master.regions[size_t(index)];
            region.present = true;
            region.style = styleFor(c, style);
            region.name = attribute(c, "region-name");
            if (region.name.isEmpty()) {
                region.name = QString::fromLatin1(defaultNames[index]);
            }
            region.extent = std::clamp(lengthOr(attribute(c, "extent"), 0.0, fs), 0.0, 100000.0);
            region.precedence = attribute(c, "precedence") == QLatin1String("true");
            region.columnCount = positiveInt(attribute(c, "column-count"), 1, 100);
            region.columnGap =
                std::clamp(lengthOr(attribute(c, "column-gap"), 16.0, fs), 0.0, 100000.0);
            if (index == Body) {
                for (int side = 0; side < 4; ++side) {
                    region.margin[size_t(side)] = std::clamp(
                        region.style->margin[size_t(side)].resolve(master.width), -1e5, 1e5);
                }
            }
        }
    }
    if (!master.regions[Body].present) {
        master.regions[Body].present = true;
        master.regions[Body].name = QStringLiteral("xsl-region-body");
        master.regions[Body].style = inheritedStyle(style);
    }
    m_masters[master.name] = master;
}

void Document::readSequences(const std::vector<xmlNode*>& sequences)
{
    for (xmlNode* sequence : sequences) {
        const auto dynamic = m_data.active()
                                 ? m_dynamicMasters.find(attribute(sequence, "master-reference"))
                                 : m_dynamicMasters.end();
        if (dynamic == m_dynamicMasters.end()) {
            readSequence(sequence);
            continue;
        }
        // A dynamic page set prints its page sequence once per node it selects.
        for (const auto& group : m_data.repeat(dynamic->second).groups) {
            for (const DataBinding::Context context : group) {
                if (!m_data.takeCopy()) {
                    return;
                }
                const DataBinding::Scope scope(m_data, context);
                readSequence(sequence);
            }
        }
    }
}

void Document::readSequence(xmlNode* element)
{
    PageSequence sequence;
    sequence.masterReference = attribute(element, "master-reference");
    sequence.style = styleFor(element, m_rootStyle);
    const QString initial = attribute(element, "initial-page-number");
    sequence.initialPageNumber = positiveInt(initial, 0, 1000000000);
    if (initial == QLatin1String("auto-odd")) {
        sequence.initialParity = PageSequence::Parity::Odd;
    } else if (initial == QLatin1String("auto-even")) {
        sequence.initialParity = PageSequence::Parity::Even;
    }
    if (const QString force = attribute(element, "force-page-count"); !force.isEmpty()) {
        sequence.forcePageCount = force;
    }
    sequence.id = attribute(element, "id");
    if (const QString format = attribute(element, "format").trimmed(); !format.isEmpty()) {
        sequence.format = format;
    }
    for (xmlNode* c = element->children; c; c = c->next) {
        const bool flow = isFo(c, "flow");
        if (!flow && !isFo(c, "static-content")) {
            continue;
        }
        Node* node =
            newNode(NodeKind::Block, styleFor(c, sequence.style), flow ? "flow" : "static-content");
        buildChildren(c, node, false);
        QString name = attribute(c, "flow-name");
        if (flow) {
            if (!sequence.flow) {
                sequence.flow = node;
            }
        } else {
            sequence.staticContents[name] = node;
        }
    }
    if (!sequence.flow) {
        sequence.flow = newNode(NodeKind::Block, inheritedStyle(sequence.style), "flow");
    }
    restyleMarkers();
    m_sequences.push_back(sequence);
}

void Document::buildChildren(xmlNode* element, Node* parent, bool inTable)
{
    for (xmlNode* c = element->children; c; c = c->next) {
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE) {
            if (inTable) {
                continue;
            }
            Node* text = newNode(NodeKind::Text, parent->style, QString());
            text->text = utf8(c->content);
            parent->children.push_back(text);
        } else if (c->type == XML_ELEMENT_NODE) {
            if (Node* child = buildElement(c, parent)) {
                parent->children.push_back(child);
            }
        }
    }
}

Node* Document::buildElement(xmlNode* element, Node* parent)
{
    if (!m_data.active()) {
        return buildFormattingObject(element, parent);
    }
    const PrintedAttributes printed(element, m_data.attributes(element));
    if (inNamespace(element, Xml::Namespaces::KMB)) {
        const QByteArray name(reinterpret_cast<const char*>(element->name));
        if (name == "field") {
            return buildValue(element, parent);
        }
        if (name.endsWith("repeat") &&
            xmlHasProp(element, reinterpret_cast<const xmlChar*>("xpath"))) {
            return buildRepeat(element, parent);
        }
        if (name == "conditional-block-sequence" || name == "conditional-inline-sequence") {
            return buildShownAlternative(element, parent);
        }
    } else if (inNamespace(element, Xml::Namespaces::XSL) &&
               xmlStrEqual(element->name, reinterpret_cast<const xmlChar*>("value-of"))) {
        return buildValue(element, parent);
    }
    return buildFormattingObject(element, parent);
}

Node* Document::buildValue(xmlNode* element, Node* parent)
{
    const std::optional<QString> value = m_data.value(element);
    if (!value) {
        // What gives no value shows its expression, in a colour that says so.
        const PrintedAttributes unresolved(element,
                                           {{Core::String(), Core::String("color"),
                                             Core::String(ViewDataEvaluator::unresolvedColor)}});
        Node* node =
            newNode(NodeKind::Placeholder, styleFor(element, parent->style), utf8(element->name));
        node->text = inNamespace(element, Xml::Namespaces::XSL)
                         ? attribute(element, "select", nullptr)
                         : attribute(element, "xpath", Xml::Namespaces::KMB);
        return node;
    }
    if (value->trimmed().isEmpty()) {
        return nullptr;
    }
    Node* node = newNode(NodeKind::Text, styleFor(element, parent->style), utf8(element->name));
    node->text = *value;
    return node;
}

namespace {

/// The nodes of one printed copy that stand for the elements of its content.
std::vector<Node*> elementsOf(const std::vector<Node*>& nodes, size_t from)
{
    std::vector<Node*> elements;
    for (size_t i = from; i < nodes.size(); ++i) {
        if (nodes[i]->kind != NodeKind::Text) {
            elements.push_back(nodes[i]);
        }
    }
    return elements;
}

/// Row by row and cell by cell: what a later row of a merged group holds
/// goes below what the first row's cell holds.
void mergeRows(const std::vector<Node*>& first, const std::vector<Node*>& later)
{
    for (size_t row = 0; row < std::min(first.size(), later.size()); ++row) {
        const std::vector<Node*> targets = elementsOf(first[row]->children, 0);
        const std::vector<Node*> sources = elementsOf(later[row]->children, 0);
        for (size_t cell = 0; cell < std::min(targets.size(), sources.size()); ++cell) {
            targets[cell]->children.insert(targets[cell]->children.end(),
                                           sources[cell]->children.begin(),
                                           sources[cell]->children.end());
        }
    }
}

} // namespace

Node* Document::buildRepeat(xmlNode* element, Node* parent)
{
    // The repeat stands in the tree as a wrapper holding one copy of its
    // content per node, each built at its node.
    Node* node = newNode(NodeKind::Transparent, inheritedStyle(parent->style), utf8(element->name));
    const bool inTable = holdsRows(parent);
    const ViewDataEvaluator::Repetition repetition = m_data.repeat(element);
    for (const std::vector<DataBinding::Context>& group : repetition.groups) {
        std::vector<Node*> firstRows;
        for (const DataBinding::Context context : group) {
            if (!m_data.takeCopy()) {
                break;
            }
            const DataBinding::Scope scope(m_data, context);
            if (firstRows.empty() || !repetition.mergesGroups) {
                const size_t from = node->children.size();
                buildChildren(element, node, inTable);
                firstRows = elementsOf(node->children, from);
                continue;
            }
            Node later;
            later.style = node->style;
            buildChildren(element, &later, inTable);
            mergeRows(firstRows, elementsOf(later.children, 0));
        }
    }
    return node;
}

Node* Document::buildShownAlternative(xmlNode* sequence, Node* parent)
{
    // Only the first alternative whose test holds prints; one without a
    // test always holds, which makes it the fallback when it comes last.
    for (xmlNode* c = sequence->children; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE || !inNamespace(c, Xml::Namespaces::KMB)) {
            continue;
        }
        if (!xmlStrEqual(c->name, reinterpret_cast<const xmlChar*>("conditional-block")) &&
            !xmlStrEqual(c->name, reinterpret_cast<const xmlChar*>("conditional-inline"))) {
            continue;
        }
        if (m_data.holds(attribute(c, "test", nullptr))) {
            Node* node =
                newNode(NodeKind::Transparent, inheritedStyle(parent->style), utf8(sequence->name));
            if (Node* shown = buildElement(c, node)) {
                node->children.push_back(shown);
            }
            return node;
        }
    }
    return nullptr;
}

Node* Document::buildFormattingObject(xmlNode* element, Node* parent)
{
    const QString name = utf8(element->name);
    const Style* parentStyle = parent->style;

    if (inNamespace(element, Xml::Namespaces::FO)) {
        static const std::pair<const char*, NodeKind> kinds[] = {
            {"block", NodeKind::Block},
            {"block-container", NodeKind::Block},
            {"table-caption", NodeKind::Block},
            {"inline", NodeKind::Inline},
            {"basic-link", NodeKind::Inline},
            {"inline-container", NodeKind::Inline},
            {"page-number", NodeKind::PageNumber},
            {"external-graphic", NodeKind::Graphic},
            {"instream-foreign-object", NodeKind::Graphic},
            {"leader", NodeKind::Leader},
            {"table", NodeKind::Table},
            {"table-column", NodeKind::TableColumn},
            {"table-header", NodeKind::TableHeader},
            {"table-body", NodeKind::TableBody},
            {"table-footer", NodeKind::TableFooter},
            {"table-row", NodeKind::TableRow},
            {"table-cell", NodeKind::TableCell},
            {"list-block", NodeKind::ListBlock},
            {"list-item", NodeKind::ListItem},
            {"list-item-label", NodeKind::ListLabel},
            {"list-item-body", NodeKind::ListBody},
        };
        static const char* skipped[] = {
            "retrieve-table-marker", "initial-property-set", "title",
            "bookmark-tree",         "declarations",         "multi-toggle",
            "change-bar-begin",      "change-bar-end"};
        for (const char* skip : skipped) {
            if (name == QLatin1String(skip)) {
                return nullptr;
            }
        }
        if (name == QLatin1String("marker") || name == QLatin1String("retrieve-marker")) {
            return buildMarker(element, parent);
        }
        NodeKind kind = NodeKind::Transparent;
        for (const auto& [n, k] : kinds) {
            if (name == QLatin1String(n)) {
                kind = k;
                break;
            }
        }
        if (name == QLatin1String("character")) {
            Node* text = newNode(NodeKind::Text, styleFor(element, parentStyle), name);
            text->text = attribute(element, "character").left(1);
            return text;
        }
        if (name == QLatin1String("page-number-citation") ||
            name == QLatin1String("page-number-citation-last")) {
            Node* citation = newNode(NodeKind::PageCitation, styleFor(element, parentStyle), name);
            citation->text = attribute(element, "ref-id");
            citation->citesLastPage = name.endsWith(QLatin1String("-last"));
            return citation;
        }
        if (name == QLatin1String("footnote")) {
            return buildFootnote(element, parent);
        }
        if (name == QLatin1String("footnote-body")) {
            return nullptr; // only inside a footnote
        }
        Node* node = newNode(kind, styleFor(element, parentStyle), name);
        node->id = attribute(element, "id");
        switch (kind) {
        case NodeKind::Graphic:
            if (name == QLatin1String("external-graphic")) {
                node->image = loadImage(attribute(element, "src"));
            } else {
                xmlNode* svg = element->children;
                while (svg && svg->type != XML_ELEMENT_NODE) {
                    svg = svg->next;
                }
                node->image = svg ? Image::fromSvg(svgDocument(svg)) : std::make_shared<Image>();
            }
            return node;
        case NodeKind::Leader:
            readLeader(element, node);
            return node;
        case NodeKind::PageNumber:
            return node;
        case NodeKind::TableColumn: {
            node->columnNumber = positiveInt(attribute(element, "column-number"), 0, 1000);
            node->columnsRepeated =
                positiveInt(attribute(element, "number-columns-repeated"), 1, 1000);
            node->columnsSpanned =
                positiveInt(attribute(element, "number-columns-spanned"), 1, 1000);
            const QString width = attribute(element, "column-width");
            if (width.startsWith(QLatin1String("proportional-column-width("))) {
                bool ok = false;
                const double factor = width.mid(26).chopped(1).trimmed().toDouble(&ok);
                node->proportionalWidth = ok && factor > 0 && factor < 1e6 ? factor : 1.0;
            } else if (auto w = StyleResolver::parseLengthPct(width, node->style->fontSize);
                       w && w->value >= 0) {
                node->columnWidth = *w;
            }
            return node;
        }
        case NodeKind::TableCell:
            node->columnsSpanned =
                positiveInt(attribute(element, "number-columns-spanned"), 1, 1000);
            node->rowsSpanned = positiveInt(attribute(element, "number-rows-spanned"), 1, 10000);
            node->columnNumber = positiveInt(attribute(element, "column-number"), 0, 1000);
            node->startsRow = attribute(element, "starts-row") == QLatin1String("true");
            node->endsRow = attribute(element, "ends-row") == QLatin1String("true");
            buildChildren(element, node, false);
            return node;
        case NodeKind::ListBlock: {
            const double fs = node->style->fontSize;
            node->provisionalDistance = std::clamp(
                lengthOr(attribute(element, "provisional-distance-between-starts"), 32.0, fs), 0.0,
                100000.0);
            node->provisionalSeparation =
                std::clamp(lengthOr(attribute(element, "provisional-label-separation"), 8.0, fs),
                           0.0, 100000.0);
            buildChildren(element, node, true);
            return node;
        }
        case NodeKind::Table:
        case NodeKind::TableHeader:
        case NodeKind::TableBody:
        case NodeKind::TableFooter:
        case NodeKind::TableRow:
        case NodeKind::ListItem:
            buildChildren(element, node, true);
            return node;
        default:
            buildChildren(element, node, false);
            return node;
        }
    }

    if (inNamespace(element, Xml::Namespaces::KM)) {
        if (name == QLatin1String("barcode")) {
            Barcode::Options options;
            options.type =
                Xml::BarcodeTypes::fromKeyword(attribute(element, "type", Xml::Namespaces::KM));
            Node* node = newNode(NodeKind::Barcode, styleFor(element, parentStyle), name);
            if (options.type == Xml::BarcodeType::None) {
                node->kind = NodeKind::Placeholder;
                node->text = QStringLiteral("[barcode]");
                return node;
            }
            options.value = attribute(element, "value", Xml::Namespaces::KM);
            options.drawText =
                attribute(element, "draw-text", Xml::Namespaces::KM) != QLatin1String("false");
            options.rotation = attribute(element, "rotation", Xml::Namespaces::KM).toInt();
            options.hexValue = attribute(element, "value-type", Xml::Namespaces::KM)
                                   .compare(QLatin1String("hex"), Qt::CaseInsensitive) == 0;
            options.checksum = attribute(element, "include-checksum", Xml::Namespaces::KM) ==
                               QLatin1String("true");
            options.extended =
                attribute(element, "extended", Xml::Namespaces::KM) == QLatin1String("true");
            try {
                node->barcode = Barcode::encode(options);
            } catch (const Core::Exception& e) {
                throw BarcodeError(e.getMessage());
            }
            return node;
        }
        Node* node = newNode(NodeKind::Placeholder, styleFor(element, parentStyle), name);
        node->text = QStringLiteral("[%1]").arg(name);
        return node;
    }

    if (inNamespace(element, Xml::Namespaces::KMB) && name == QLatin1String("field")) {
        Node* node = newNode(NodeKind::Placeholder, styleFor(element, parentStyle), name);
        const QString text = textContent(element).simplified();
        const QString xpath = attribute(element, "xpath", Xml::Namespaces::KMB);
        node->text =
            !text.isEmpty() ? text : QStringLiteral("[%1]").arg(xpath.isEmpty() ? name : xpath);
        return node;
    }

    if (inNamespace(element, Xml::Namespaces::XSL)) {
        if (name == QLatin1String("text")) {
            Node* node = newNode(NodeKind::Text, parentStyle, name);
            node->text = textContent(element);
            return node;
        }
        if (name == QLatin1String("value-of")) {
            Node* node = newNode(NodeKind::Placeholder, parentStyle, name);
            node->text = QStringLiteral("[%1]").arg(attribute(element, "select", nullptr));
            return node;
        }
        if (name == QLatin1String("attribute") || name == QLatin1String("variable") ||
            name == QLatin1String("param") || name == QLatin1String("sort")) {
            return nullptr;
        }
    }

    if (inNamespace(element, Xml::Namespaces::SVG)) {
        if (name != QLatin1String("svg")) {
            return nullptr;
        }
        Node* node = newNode(NodeKind::Graphic, inheritedStyle(parentStyle), name);
        node->image = Image::fromSvg(svgDocument(element));
        return node;
    }

    // Anything else: its content takes its place, so nothing the designer
    // wraps around formatting objects hides them.
    Node* node = newNode(NodeKind::Transparent, inheritedStyle(parentStyle), name);
    if (!hasChildElements(element) && element->children == nullptr) {
        return nullptr;
    }
    buildChildren(element, node, holdsRows(parent));
    return node;
}

Node* Document::buildMarker(xmlNode* element, Node* parent)
{
    // Marker content never retrieves markers itself, so no marker can show
    // itself (or another that shows it) without end.
    if (m_markerDepth > 0) {
        return nullptr;
    }
    const bool retrieve = std::strcmp(reinterpret_cast<const char*>(element->name), "marker") != 0;
    if (retrieve) {
        Node* node = newNode(NodeKind::RetrieveMarker, styleFor(element, parent->style),
                             QStringLiteral("retrieve-marker"));
        node->text = attribute(element, "retrieve-class-name");
        const QString position = attribute(element, "retrieve-position");
        if (position == QLatin1String("first-including-carryover")) {
            node->retrievePosition = Node::RetrievePosition::FirstIncludingCarryover;
        } else if (position == QLatin1String("last-starting-within-page")) {
            node->retrievePosition = Node::RetrievePosition::LastStarting;
        } else if (position == QLatin1String("last-ending-within-page")) {
            node->retrievePosition = Node::RetrievePosition::LastEnding;
        }
        const QString boundary = attribute(element, "retrieve-boundary");
        if (boundary == QLatin1String("page")) {
            node->retrieveBoundary = Node::RetrieveBoundary::Page;
        } else if (boundary == QLatin1String("document")) {
            node->retrieveBoundary = Node::RetrieveBoundary::Document;
        }
        m_retrieves.push_back(node);
        return node;
    }
    Node* marker =
        newNode(NodeKind::Transparent, inheritedStyle(parent->style), QStringLiteral("marker"));
    marker->text = attribute(element, "marker-class-name");
    ++m_markerDepth;
    buildChildren(element, marker, false);
    --m_markerDepth;
    if (!marker->text.isEmpty()) {
        parent->markers.push_back(marker);
        m_markerSources.push_back({marker, element, m_data.context()});
    }
    return nullptr;
}

void Document::restyleMarkers()
{
    // A marker's content takes its properties from where it is retrieved
    // (the running header), not from where it stands in the flow: each
    // retrieve-marker gets its own copy of the markers it may show.
    constexpr size_t maxCopies = 2000;
    size_t copies = 0;
    for (Node* retrieve : m_retrieves) {
        for (const auto& [marker, element, context] : m_markerSources) {
            if (marker->text != retrieve->text || copies >= maxCopies) {
                continue;
            }
            const DataBinding::Scope scope(m_data, context);
            Node* copy = newNode(NodeKind::Transparent, inheritedStyle(retrieve->style),
                                 QStringLiteral("marker"));
            copy->text = marker->text;
            copy->markers.push_back(marker); // what it is a copy of
            ++m_markerDepth;
            buildChildren(element, copy, false);
            --m_markerDepth;
            retrieve->markers.push_back(copy);
            ++copies;
        }
    }
    m_retrieves.clear();
    m_markerSources.clear();
}

const PageMaster* Document::masterFor(const PageSequence& sequence, int index, int pageNumber,
                                      bool lastPage, bool blankPage) const
{
    if (auto it = m_masters.find(sequence.masterReference); it != m_masters.end()) {
        return &it->second;
    }
    auto sm = m_sequenceMasters.find(sequence.masterReference);
    if (sm == m_sequenceMasters.end()) {
        return nullptr;
    }
    const auto matches = [&](const PageCondition& c) {
        const QString& pos = c.pagePosition;
        if (pos == QLatin1String("first") && index != 0) {
            return false;
        }
        if (pos == QLatin1String("rest") && index == 0) {
            return false;
        }
        if (pos == QLatin1String("last") && !lastPage) {
            return false;
        }
        if (c.oddOrEven == QLatin1String("odd") && pageNumber % 2 == 0) {
            return false;
        }
        if (c.oddOrEven == QLatin1String("even") && pageNumber % 2 != 0) {
            return false;
        }
        if (c.blankOrNotBlank == QLatin1String("blank") && !blankPage) {
            return false;
        }
        return c.blankOrNotBlank != QLatin1String("not-blank") || !blankPage;
    };
    const auto pick = [&](const SubSequence& sub) -> const PageMaster* {
        if (sub.kind != SubSequence::Alternatives) {
            auto it = m_masters.find(sub.master);
            return it == m_masters.end() ? nullptr : &it->second;
        }
        for (const PageCondition& c : sub.alternatives) {
            if (matches(c)) {
                auto it = m_masters.find(c.master);
                return it == m_masters.end() ? nullptr : &it->second;
            }
        }
        auto it = m_masters.find(sub.alternatives.back().master);
        return it == m_masters.end() ? nullptr : &it->second;
    };
    long long remaining = index;
    for (const SubSequence& sub : sm->second.subSequences) {
        const long long count = sub.kind == SubSequence::Single ? 1 : sub.maximumRepeats;
        if (count < 0 || remaining < count) {
            return pick(sub);
        }
        remaining -= count;
    }
    // The page set ran out: keep using its last layout rather than stop.
    return pick(sm->second.subSequences.back());
}

bool Document::hasLastPageMaster(const PageSequence& sequence) const
{
    auto sm = m_sequenceMasters.find(sequence.masterReference);
    if (sm == m_sequenceMasters.end()) {
        return false;
    }
    for (const SubSequence& sub : sm->second.subSequences) {
        for (const PageCondition& c : sub.alternatives) {
            if (c.pagePosition == QLatin1String("last")) {
                return true;
            }
        }
    }
    return false;
}

Node* Document::buildFootnote(xmlNode* element, Node* parent)
{
    Node* node =
        newNode(NodeKind::Footnote, styleFor(element, parent->style), QStringLiteral("footnote"));
    for (xmlNode* c = element->children; c; c = c->next) {
        if (isFo(c, "footnote-body")) {
            if (!node->footnoteBody) {
                Node* body = newNode(NodeKind::Block, styleFor(c, node->style),
                                     QStringLiteral("footnote-body"));
                buildChildren(c, body, false);
                node->footnoteBody = body;
            }
        } else if (c->type == XML_ELEMENT_NODE) {
            if (Node* child = buildElement(c, node)) {
                node->children.push_back(child);
            }
        }
    }
    return node;
}

void Document::readLeader(xmlNode* element, Node* leader)
{
    const QString pattern = attribute(element, "leader-pattern");
    leader->leaderDots = pattern == QLatin1String("dots");
    leader->leaderRule = pattern == QLatin1String("rule");
    const double fs = leader->style->fontSize;
    const auto range = [&](const char* name, LengthPct& target) {
        if (auto l = StyleResolver::parseLengthPct(attribute(element, name), fs);
            l && l->value >= 0 && l->value <= 100000.0) {
            target = *l;
        }
    };
    // One value sets the whole range; the components refine it.
    range("leader-length", leader->leaderMinimum);
    range("leader-length", leader->leaderOptimum);
    range("leader-length", leader->leaderMaximum);
    range("leader-length.minimum", leader->leaderMinimum);
    range("leader-length.optimum", leader->leaderOptimum);
    range("leader-length.maximum", leader->leaderMaximum);
    leader->ruleThickness =
        std::clamp(lengthOr(attribute(element, "rule-thickness"), 4.0 / 3.0, fs), 0.0, 1000.0);
    leader->leaderPatternWidth =
        std::clamp(lengthOr(attribute(element, "leader-pattern-width"), 0.0, fs), 0.0, 1000.0);
}

} // namespace Fo
