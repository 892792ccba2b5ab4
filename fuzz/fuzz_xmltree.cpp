// Any sample in the XML tree: the first line is a filter text, the rest the
// document (plain or, when the filter line starts with "!", annotated). The
// tree is opened item by item; every path starts at the root, every
// repeating table is well-formed markup, a drag gives back its node, the
// selection survives a refresh, and after filtering every item without
// children matches the text.
#include "fuzztext.h"

#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "xml/widgets/xmltreectrl.h"

#include <memory>
#include <QMimeData>

namespace {

using FuzzText::check;

constexpr int maxItems = 3000;

bool contains(const QString& text, const QString& lowerNeedle)
{
    return text.trimmed().toLower().contains(lowerNeedle);
}

// Independent of the tree's own matching: what the filter is meant to keep.
bool matches(const Xml::Node& node, const QString& needle)
{
    if (node.is_element()) {
        return node.get_local_name().toQString().toLower().contains(needle);
    }
    if (node.is_attribute()) {
        return node.get_local_name().toQString().toLower().contains(needle) ||
               contains(node.get_content(), needle);
    }
    return contains(node.get_content(), needle);
}

void exercise(const QByteArray& input)
{
    const qsizetype newline = input.indexOf('\n');
    QString filter = QString::fromUtf8(input.left(newline < 0 ? 0 : newline)).left(32);
    const bool annotated = filter.startsWith(u'!');
    if (annotated) {
        filter.remove(0, 1);
    }
    SmartPtr<Xml::XmlDocument> document;
    try {
        Xml::DomParser parser;
        parser.parseMemory(input.mid(newline + 1), "fuzz.xml");
        document = parser.getDocument();
    } catch (const Core::Exception&) {
        return;
    }
    static auto* tree = new XmlTreeCtrl;
    tree->setData(document, annotated ? XmlTreeCtrl::Annotated : XmlTreeCtrl::Plain);
    if (tree->topLevelItemCount() == 0) {
        check(document->getRootNode().isNull());
        return;
    }
    const Core::String rootPath = "/" + document->getRootNode().get_name();

    int items = 0;
    QTreeWidgetItem* last = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it && items < maxItems; ++it, ++items) {
        QTreeWidgetItem* item = *it;
        tree->expandItem(item);
        const Xml::Node node = XmlTreeCtrl::getItemNode(item);
        check(!node.isNull());
        const Core::String path = XmlTreeCtrl::getXPath(node);
        check(path == rootPath || path.startsWith(rootPath + "/"));
        if (node.is_element() && items % 7 == 0) {
            const Core::String table = XmlTreeCtrl::getRepeatingTableXml(Xml::Element(node), path);
            Xml::DomParser markup;
            markup.parseMemory(Core::String("<r xmlns:fo=\"") + Xml::Namespaces::FO +
                               "\" xmlns:kmb=\"" + Xml::Namespaces::KMB + "\">" + table + "</r>");
        }
        last = item;
    }

    if (last) {
        tree->setCurrentItem(last);
        const Xml::Node selected = tree->getSelectedNode();
        std::unique_ptr<QMimeData> mime(tree->model()->mimeData({tree->currentIndex()}));
        check(mime && XmlTreeCtrl::getDraggedNode(mime.get()) == selected);
        tree->saveSelectionStack();
        tree->refresh();
        tree->restoreSelectionFromStack();
        check(tree->getSelectedNode() == selected);
    }

    tree->filterTree(filter);
    const QString needle = filter.toLower();
    if (needle.isEmpty()) {
        return;
    }
    items = 0;
    for (QTreeWidgetItemIterator it(tree); *it && items < maxItems; ++it, ++items) {
        if ((*it)->childCount() == 0) {
            check(matches(XmlTreeCtrl::getItemNode(*it), needle));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::ensureApplication();
    exercise(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
