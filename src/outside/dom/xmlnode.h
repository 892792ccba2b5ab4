#pragma once

#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "uieditor_export.h"

#include <map>
#include <vector>

// libxml2 stays out of the public headers: hosts include them without its include path.
struct _xmlNode;

namespace Xml {

namespace Detail {
class DocumentHolder;
}

class Element;

/// Prefix to namespace URI, as the XPath functions take them.
using NamespaceMap = std::map<Core::String, Core::String>;

/// A handle on one node of an XmlDocument: an element, an attribute, a text,
/// a comment... Handles are cheap to copy and keep the document alive. A
/// handle on a node that was removed from its tree stays safe to use: the
/// node belongs to the document until the document goes.
///
/// Using a null handle (see isNull) raises Core::NullPointerException.
class UIEDITOR_EXPORT Node
{
public:
    enum class Type {
        Null,
        Element,
        Attribute,
        Text, ///< text and CDATA sections
        Comment,
        ProcessingInstruction,
        EntityReference, ///< an entity the parser did not substitute
        Other,
    };

    Node();
    Node(const Node& other);
    Node(Node&& other) noexcept;
    Node& operator=(const Node& other);
    Node& operator=(Node&& other) noexcept;
    ~Node();

    bool isNull() const { return m_node == nullptr; }
    Type getType() const;
    bool is_element() const { return getType() == Type::Element; }
    bool is_attribute() const { return getType() == Type::Attribute; }
    bool is_text() const { return getType() == Type::Text; }
    bool is_comment() const { return getType() == Type::Comment; }

    /// The name as written, with its prefix ("fo:block"); "" for texts and comments.
    Core::String get_name() const;
    Core::String get_local_name() const;
    /// "" when the node is in no namespace.
    Core::String get_namespace_uri() const;
    Core::String get_namespace_prefix() const;
    /// Whether the node's expanded name is {`namespaceUri`}`localName`.
    bool isNamed(const char* namespaceUri, const char* localName) const;
    /// Renames an element or attribute. The name means what it would mean
    /// written in place: a prefix must be declared in scope; without one an
    /// element takes the default namespace in scope and an attribute none.
    void set_name(const Core::String& qualifiedName);

    /// The text of the node: an element's text descendants joined, an
    /// attribute's value, a text's or comment's content.
    Core::String get_content() const;
    /// Replaces the content: an element's children give way to one text.
    void set_content(const Core::String& content);

    /// The line the node was parsed from (1-based), 0 for created nodes.
    int get_line() const;

    /// The element this node belongs to; null for the root element (the
    /// document is not a node here), for nodes removed from the tree and for
    /// nodes outside the root element.
    Element get_parent() const;

    /// Children in document order: elements, texts, comments, processing
    /// instructions. With a name, only the elements of that name: a name with a
    /// prefix is compared with the qualified name, one without with the local name.
    std::vector<Node> get_children(const Core::String& name = Core::String()) const;

    /// Nodes selected by an XPath 1.0 expression with this node as context.
    /// `namespaces` binds the prefixes the expression uses. Raises
    /// Core::Exception naming the expression when it is invalid or does not
    /// select nodes.
    std::vector<Node> find(const Core::String& xpath,
                           const NamespaceMap& namespaces = NamespaceMap()) const;

    /// Appends a child element. `name` may carry a prefix ("fo:block") instead
    /// of `nsPrefix`. The prefix must be declared in scope; without one the
    /// element takes the default namespace in scope, as if written here.
    Element add_child(const Core::String& name, const Core::String& nsPrefix = Core::String());
    /// Appends text (joined to a text that ends the children).
    Node add_child_text(const Core::String& text);
    Node add_child_comment(const Core::String& text);
    /// Takes `child` out of this element. Handles on it stay valid; it is
    /// freed with the document.
    void remove_child(const Node& child);
    /// Moves this node of the same document to stand right after `sibling`
    /// (which must have a parent), as the designer places pasted markup.
    void move_after(const Node& sibling);
    /// Appends a copy of `node`, which may come from another document; an
    /// attribute is copied onto this element. Answers the copy.
    Node import_node(const Node& node, bool recursive = true);

    /// The node and its descendants as markup (no XML declaration).
    Core::String writeToString(bool pretty = false) const;

    /// The same node of the same document.
    friend bool operator==(const Node& a, const Node& b) { return a.m_node == b.m_node; }
    friend bool operator!=(const Node& a, const Node& b) { return a.m_node != b.m_node; }
    /// Identifies the node while its document lives (drag and drop, hashing).
    const void* identity() const { return m_node; }

    /// The libxml2 node (an xmlAttr for attributes), for code that calls libxml2 itself.
    _xmlNode* cobj() const { return m_node; }
    /// A handle on `node`, another node of this node's document, for code
    /// that walks libxml2's nodes itself; null for null.
    Node handleOf(_xmlNode* node) const;

protected:
    Node(const SmartPtr<Detail::DocumentHolder>& holder, _xmlNode* node);
    _xmlNode* checkedNode() const;
    _xmlNode* checkedElement(const char* operation) const;
    static Node wrap(const SmartPtr<Detail::DocumentHolder>& holder, _xmlNode* node);

    SmartPtr<Detail::DocumentHolder> m_holder;
    _xmlNode* m_node = nullptr;

    friend class XmlDocument;
    friend class Element;
    friend class Attribute;
};

} // namespace Xml
