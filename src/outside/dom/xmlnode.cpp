#include "outside/dom/xmlnode.h"

#include "outside/core/coreexception.h"
#include "outside/dom/xmlattribute.h"
#include "outside/dom/xmldocumentholder_p.h"
#include "outside/dom/xmlelement.h"
#include "outside/dom/xmlerrorcapture_p.h"
#include "outside/dom/xmltext_p.h"

#include <libxml/valid.h>
#include <libxml/xmlsave.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <memory>

namespace Xml {

using Detail::fromXml;
using Detail::xmlChars;

namespace {

// Far above what any template or sample needs, low enough that a runaway
// expression ends in an error instead of freezing the user interface.
constexpr unsigned long xpathOperationLimit = 50'000'000;

xmlNsPtr namespaceOf(xmlNodePtr node)
{
    if (node->type == XML_ELEMENT_NODE) {
        return node->ns;
    }
    if (node->type == XML_ATTRIBUTE_NODE) {
        return reinterpret_cast<xmlAttrPtr>(node)->ns;
    }
    return nullptr;
}

bool isChildNode(xmlNodePtr node)
{
    switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE:
    case XML_ENTITY_REF_NODE:
        return true;
    default:
        return false;
    }
}

QString qualifiedName(xmlNodePtr node)
{
    const QString local = QString::fromUtf8(reinterpret_cast<const char*>(node->name));
    const xmlNsPtr ns = namespaceOf(node);
    if (ns && ns->prefix) {
        return QString::fromUtf8(reinterpret_cast<const char*>(ns->prefix)) + u':' + local;
    }
    return local;
}

bool hasName(xmlNodePtr node, const Core::String& name)
{
    if (node->type != XML_ELEMENT_NODE) {
        return false;
    }
    if (name.contains(":")) {
        return qualifiedName(node) == name.toQString();
    }
    return fromXml(node->name) == name;
}

// The default namespace in scope; an xmlns="" undeclaration counts as none.
xmlNsPtr defaultNamespace(xmlNodePtr scope)
{
    xmlNsPtr ns = xmlSearchNs(scope->doc, scope, nullptr);
    return ns && ns->href && *ns->href ? ns : nullptr;
}

xmlNsPtr declaredNamespace(xmlNodePtr scope, const QByteArray& prefix)
{
    xmlNsPtr ns = scope ? xmlSearchNs(scope->doc, scope, xmlChars(prefix)) : nullptr;
    if (!ns) {
        throw Core::Exception(
            Core::String(QStringLiteral("The namespace prefix \"%1\" is not declared.")
                             .arg(QString::fromUtf8(prefix))));
    }
    return ns;
}

// A prefixed declaration of `wanted`'s URI usable on `element`, declared there
// when there is none: an attribute in a namespace needs a prefix.
xmlNsPtr attributeNamespace(xmlNodePtr element, xmlNsPtr wanted)
{
    if (xmlStrEqual(wanted->href, XML_XML_NAMESPACE)) {
        return xmlSearchNs(element->doc, element, reinterpret_cast<const xmlChar*>("xml"));
    }
    for (xmlNodePtr scope = element; scope && scope->type == XML_ELEMENT_NODE;
         scope = scope->parent) {
        for (xmlNsPtr ns = scope->nsDef; ns; ns = ns->next) {
            if (ns->prefix && xmlStrEqual(ns->href, wanted->href) &&
                xmlSearchNs(element->doc, element, ns->prefix) == ns) {
                return ns;
            }
        }
    }
    QByteArray prefix =
        wanted->prefix ? QByteArray(reinterpret_cast<const char*>(wanted->prefix)) : "ns";
    const QByteArray base = prefix;
    for (int i = 1; xmlSearchNs(element->doc, element, xmlChars(prefix)); ++i) {
        prefix = base + QByteArray::number(i);
    }
    return xmlNewNs(element, wanted->href, xmlChars(prefix));
}

// IDs of a subtree leaving the tree: id() must not find them any more.
void forgetIds(xmlNodePtr node)
{
    if (node->type == XML_ATTRIBUTE_NODE) {
        auto* attribute = reinterpret_cast<xmlAttrPtr>(node);
        if (attribute->atype == XML_ATTRIBUTE_ID) {
            xmlRemoveID(node->doc, attribute);
        }
        return;
    }
    if (node->type != XML_ELEMENT_NODE) {
        return;
    }
    // Iterative: a deep subtree must not exhaust the stack.
    xmlNodePtr current = node;
    while (current) {
        if (current->type == XML_ELEMENT_NODE) {
            for (xmlAttrPtr attribute = current->properties; attribute;
                 attribute = attribute->next) {
                if (attribute->atype == XML_ATTRIBUTE_ID) {
                    xmlRemoveID(current->doc, attribute);
                }
            }
        }
        if (current->type == XML_ELEMENT_NODE && current->children) {
            current = current->children;
            continue;
        }
        while (current != node && !current->next) {
            current = current->parent;
        }
        if (current == node) {
            break;
        }
        current = current->next;
    }
}

// "--" cannot appear in a comment, nor "-" at its end.
QByteArray commentText(const Core::String& text)
{
    QByteArray utf8 = Detail::toXmlText(text);
    while (utf8.contains("--")) {
        utf8.replace("--", "- -");
    }
    if (utf8.endsWith('-')) {
        utf8.append(' ');
    }
    return utf8;
}

struct XPathContextDeleter
{
    void operator()(xmlXPathContextPtr context) const { xmlXPathFreeContext(context); }
};
struct XPathCompiledDeleter
{
    void operator()(xmlXPathCompExprPtr expression) const { xmlXPathFreeCompExpr(expression); }
};
struct XPathObjectDeleter
{
    void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
};

[[noreturn]] void throwXPathError(const Core::String& xpath, const Detail::ErrorCapture& capture)
{
    const auto* error = capture.firstError();
    QString reason = error ? error->message : capture.genericText();
    if (reason.isEmpty()) {
        reason = QStringLiteral("it cannot be evaluated");
    }
    throw Core::Exception(
        Core::String(QStringLiteral("Cannot evaluate the XPath expression \"%1\": %2")
                         .arg(xpath.toQString(), reason)));
}

} // namespace

Node::Node() = default;
Node::Node(const Node& other) = default;
Node::Node(Node&& other) noexcept = default;
Node& Node::operator=(const Node& other) = default;
Node& Node::operator=(Node&& other) noexcept = default;
Node::~Node() = default;

Node::Node(const SmartPtr<Detail::DocumentHolder>& holder, _xmlNode* node)
    : m_holder(holder), m_node(node)
{
}

Node Node::wrap(const SmartPtr<Detail::DocumentHolder>& holder, _xmlNode* node)
{
    return node ? Node(holder, node) : Node();
}

Node Node::handleOf(_xmlNode* node) const
{
    return wrap(m_holder, node);
}

_xmlNode* Node::checkedNode() const
{
    if (!m_node) {
        throw Core::NullPointerException("The XML node handle is null.");
    }
    return m_node;
}

_xmlNode* Node::checkedElement(const char* operation) const
{
    xmlNodePtr node = checkedNode();
    if (node->type != XML_ELEMENT_NODE) {
        throw Core::Exception(Core::String(QStringLiteral("Cannot %1: the node is not an element.")
                                               .arg(QString::fromUtf8(operation))));
    }
    return node;
}

Node::Type Node::getType() const
{
    if (!m_node) {
        return Type::Null;
    }
    switch (m_node->type) {
    case XML_ELEMENT_NODE:
        return Type::Element;
    case XML_ATTRIBUTE_NODE:
        return Type::Attribute;
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
        return Type::Text;
    case XML_COMMENT_NODE:
        return Type::Comment;
    case XML_PI_NODE:
        return Type::ProcessingInstruction;
    case XML_ENTITY_REF_NODE:
        return Type::EntityReference;
    default:
        return Type::Other;
    }
}

Core::String Node::get_name() const
{
    xmlNodePtr node = checkedNode();
    switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
        return qualifiedName(node);
    case XML_PI_NODE:
    case XML_ENTITY_REF_NODE:
        return fromXml(node->name);
    default:
        return {};
    }
}

Core::String Node::get_local_name() const
{
    xmlNodePtr node = checkedNode();
    switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
    case XML_PI_NODE:
    case XML_ENTITY_REF_NODE:
        return fromXml(node->name);
    default:
        return {};
    }
}

Core::String Node::get_namespace_uri() const
{
    const xmlNsPtr ns = namespaceOf(checkedNode());
    return ns ? fromXml(ns->href) : Core::String();
}

bool Node::isNamed(const char* namespaceUri, const char* localName) const
{
    return get_local_name() == localName && get_namespace_uri() == namespaceUri;
}

Core::String Node::get_namespace_prefix() const
{
    const xmlNsPtr ns = namespaceOf(checkedNode());
    return ns ? fromXml(ns->prefix) : Core::String();
}

void Node::set_name(const Core::String& qualifiedNameText)
{
    xmlNodePtr node = checkedNode();
    if (node->type != XML_ELEMENT_NODE && node->type != XML_ATTRIBUTE_NODE) {
        throw Core::Exception("Only elements and attributes can be renamed.");
    }
    const auto [prefix, local] = Detail::splitQualifiedName(qualifiedNameText);
    Detail::checkLocalName(local);
    const bool attribute = node->type == XML_ATTRIBUTE_NODE;
    xmlNodePtr scope = attribute ? node->parent : node;
    xmlNsPtr ns = nullptr;
    if (!prefix.isEmpty()) {
        ns = declaredNamespace(scope, prefix);
    } else if (!attribute) {
        ns = defaultNamespace(node);
    }
    if (attribute && node->parent) {
        const xmlChar* href = ns ? ns->href : nullptr;
        for (xmlAttrPtr other = node->parent->properties; other; other = other->next) {
            const bool sameNamespace =
                href ? other->ns && xmlStrEqual(other->ns->href, href) : !other->ns;
            if (reinterpret_cast<xmlNodePtr>(other) != node && sameNamespace &&
                xmlStrEqual(other->name, xmlChars(local))) {
                throw Core::Exception(
                    Core::String(QStringLiteral("The element already has an attribute \"%1\".")
                                     .arg(qualifiedNameText.toQString())));
            }
        }
    }
    xmlNodeSetName(node, xmlChars(local));
    xmlSetNs(node, ns);
}

Core::String Node::get_content() const
{
    xmlNodePtr node = checkedNode();
    switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE:
    case XML_ENTITY_REF_NODE:
        // Internal entities count with their replacement text; libxml2 refused
        // documents whose entities grow out of proportion while parsing.
        return Detail::takeXml(xmlNodeGetContent(node));
    default:
        return {};
    }
}

void Node::set_content(const Core::String& content)
{
    xmlNodePtr node = checkedNode();
    switch (node->type) {
    case XML_ELEMENT_NODE: {
        // The children may have handles: they are kept, not freed.
        while (xmlNodePtr child = node->children) {
            forgetIds(child);
            xmlUnlinkNode(child);
            m_holder->keepRemoved(child);
        }
        if (!content.isEmpty()) {
            add_child_text(content);
        }
        return;
    }
    case XML_ATTRIBUTE_NODE: {
        auto* attribute = reinterpret_cast<xmlAttrPtr>(node);
        const QByteArray value = Detail::toXmlText(content);
        if (node->parent) {
            // Keeps the ID table right; the value is taken literally ("&" stays "&").
            xmlSetNsProp(node->parent, attribute->ns, attribute->name, xmlChars(value));
        } else {
            xmlFreeNodeList(attribute->children);
            xmlNodePtr text = xmlNewDocText(node->doc, xmlChars(value));
            attribute->children = attribute->last = text;
            if (text) {
                text->parent = node;
            }
        }
        return;
    }
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
        xmlNodeSetContent(node, xmlChars(Detail::toXmlText(content)));
        return;
    case XML_COMMENT_NODE:
        xmlNodeSetContent(node, xmlChars(commentText(content)));
        return;
    default:
        throw Core::Exception("The content of this kind of node cannot be changed.");
    }
}

int Node::get_line() const
{
    xmlNodePtr node = checkedNode();
    if (node->type == XML_ATTRIBUTE_NODE) {
        node = node->parent;
        if (!node) {
            return 0;
        }
    }
    const long line = xmlGetLineNo(node);
    return line > 0 ? int(line) : 0;
}

Element Node::get_parent() const
{
    xmlNodePtr parent = checkedNode()->parent;
    if (!parent || parent->type != XML_ELEMENT_NODE) {
        return Element();
    }
    return Element(m_holder, parent);
}

std::vector<Node> Node::get_children(const Core::String& name) const
{
    xmlNodePtr node = checkedNode();
    std::vector<Node> children;
    // An entity reference's "children" are the entity's declaration: never walked.
    if (node->type != XML_ELEMENT_NODE) {
        return children;
    }
    for (xmlNodePtr child = node->children; child; child = child->next) {
        if (isChildNode(child) && (name.isEmpty() || hasName(child, name))) {
            children.push_back(Node(m_holder, child));
        }
    }
    return children;
}

std::vector<Node> Node::find(const Core::String& xpath, const NamespaceMap& namespaces) const
{
    xmlNodePtr node = checkedNode();
    Detail::ErrorCapture capture;
    std::unique_ptr<xmlXPathContext, XPathContextDeleter> context(xmlXPathNewContext(node->doc));
    if (!context) {
        throw Core::Exception("Cannot evaluate XPath: out of memory.");
    }
    context->node = node;
    context->opLimit = xpathOperationLimit;
    for (const auto& [prefix, uri] : namespaces) {
        if (!prefix.isEmpty()) {
            xmlXPathRegisterNs(context.get(), xmlChars(prefix.toUtf8()), xmlChars(uri.toUtf8()));
        }
    }
    const QByteArray expression = xpath.toUtf8();
    std::unique_ptr<xmlXPathCompExpr, XPathCompiledDeleter> compiled(
        xmlXPathCtxtCompile(context.get(), xmlChars(expression)));
    if (!compiled) {
        throwXPathError(xpath, capture);
    }
    std::unique_ptr<xmlXPathObject, XPathObjectDeleter> result(
        xmlXPathCompiledEval(compiled.get(), context.get()));
    if (!result || capture.firstError()) {
        throwXPathError(xpath, capture);
    }
    if (result->type != XPATH_NODESET) {
        throw Core::Exception(
            Core::String(QStringLiteral("The XPath expression \"%1\" does not select nodes.")
                             .arg(xpath.toQString())));
    }
    std::vector<Node> nodes;
    if (const xmlNodeSet* set = result->nodesetval) {
        nodes.reserve(std::size_t(set->nodeNr));
        for (int i = 0; i < set->nodeNr; ++i) {
            xmlNodePtr found = set->nodeTab[i];
            // Namespace nodes in a node set are copies owned by the set; the
            // document node is no node here.
            if (found->type == XML_ATTRIBUTE_NODE || isChildNode(found)) {
                nodes.push_back(Node(m_holder, found));
            }
        }
    }
    return nodes;
}

Element Node::add_child(const Core::String& name, const Core::String& nsPrefix)
{
    xmlNodePtr node = checkedElement("add a child element");
    auto [prefix, local] = Detail::splitQualifiedName(name);
    if (prefix.isEmpty()) {
        prefix = nsPrefix.toUtf8();
    }
    Detail::checkLocalName(local);
    xmlNsPtr ns = prefix.isEmpty() ? defaultNamespace(node) : declaredNamespace(node, prefix);
    xmlNodePtr child = xmlNewDocNode(node->doc, ns, xmlChars(local), nullptr);
    if (!child || !xmlAddChild(node, child)) {
        xmlFreeNode(child);
        throw Core::Exception("Cannot add the element: out of memory.");
    }
    return Element(m_holder, child);
}

Node Node::add_child_text(const Core::String& text)
{
    xmlNodePtr node = checkedElement("add text");
    xmlNodePtr child = xmlNewDocText(node->doc, xmlChars(Detail::toXmlText(text)));
    // A text next to a text is merged into it, and the new node freed.
    xmlNodePtr added = child ? xmlAddChild(node, child) : nullptr;
    if (!added) {
        xmlFreeNode(child);
        throw Core::Exception("Cannot add the text: out of memory.");
    }
    return Node(m_holder, added);
}

Node Node::add_child_comment(const Core::String& text)
{
    xmlNodePtr node = checkedElement("add a comment");
    xmlNodePtr child = xmlNewDocComment(node->doc, xmlChars(commentText(text)));
    if (!child || !xmlAddChild(node, child)) {
        xmlFreeNode(child);
        throw Core::Exception("Cannot add the comment: out of memory.");
    }
    return Node(m_holder, child);
}

void Node::remove_child(const Node& child)
{
    xmlNodePtr node = checkedElement("remove a child");
    xmlNodePtr removed = child.checkedNode();
    if (removed->parent != node || child.m_holder.get() != m_holder.get()) {
        throw Core::Exception("Cannot remove the node: it is not a child of this element.");
    }
    forgetIds(removed);
    xmlUnlinkNode(removed);
    m_holder->keepRemoved(removed);
}

Node Node::import_node(const Node& source, bool recursive)
{
    xmlNodePtr node = checkedElement("import a node");
    xmlNodePtr original = source.checkedNode();
    if (original->type == XML_ATTRIBUTE_NODE) {
        auto* attribute = reinterpret_cast<xmlAttrPtr>(original);
        xmlNsPtr ns = attribute->ns ? attributeNamespace(node, attribute->ns) : nullptr;
        xmlChar* value = xmlNodeGetContent(original);
        xmlAttrPtr copy = xmlSetNsProp(node, ns, attribute->name, value);
        xmlFree(value);
        if (!copy) {
            throw Core::Exception("Cannot import the attribute.");
        }
        return Node(m_holder, reinterpret_cast<xmlNodePtr>(copy));
    }
    if (!isChildNode(original)) {
        throw Core::Exception("This kind of node cannot be imported.");
    }
    xmlNodePtr copy = xmlDocCopyNode(original, node->doc, recursive ? 1 : 2);
    xmlNodePtr added = copy ? xmlAddChild(node, copy) : nullptr;
    if (!added) {
        xmlFreeNode(copy);
        throw Core::Exception("Cannot import the node: out of memory.");
    }
    return Node(m_holder, added);
}

void Node::move_after(const Node& sibling)
{
    xmlNodePtr node = checkedNode();
    xmlNodePtr anchor = sibling.checkedNode();
    if (!isChildNode(node) || !isChildNode(anchor) || !anchor->parent || node->doc != anchor->doc) {
        throw Core::Exception("The node cannot be moved there.");
    }
    for (xmlNodePtr up = anchor->parent; up; up = up->parent) {
        if (up == node) {
            throw Core::Exception("A node cannot be moved inside itself.");
        }
    }
    if (node == anchor) {
        return;
    }
    // libxml2 merges a text node into a neighbouring one and frees it, which
    // would leave handles dangling: text is not moved.
    if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
        throw Core::Exception("Text cannot be moved; move its element instead.");
    }
    xmlUnlinkNode(node);
    xmlAddNextSibling(anchor, node);
}

Core::String Node::writeToString(bool pretty) const
{
    xmlNodePtr node = checkedNode();
    Detail::ErrorCapture capture;
    xmlBufferPtr buffer = xmlBufferCreate();
    if (!buffer) {
        throw Core::Exception("Cannot write the XML node: out of memory.");
    }
    xmlSaveCtxtPtr save = xmlSaveToBuffer(
        buffer, "UTF-8", pretty ? XML_SAVE_FORMAT | XML_SAVE_NO_DECL : XML_SAVE_NO_DECL);
    if (!save) {
        xmlBufferFree(buffer);
        throw Core::Exception("Cannot write the XML node.");
    }
    xmlSaveTree(save, node);
    xmlSaveClose(save);
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                                     xmlBufferLength(buffer));
    xmlBufferFree(buffer);
    return text;
}

} // namespace Xml
