#pragma once

#include "outside/dom/xmlattribute.h"
#include "outside/dom/xmlnode.h"

#include <vector>

namespace Xml {

/// A namespace declaration written on an element (xmlns:prefix="uri").
struct NamespaceDeclaration
{
    Core::String prefix; ///< "" for a default namespace
    Core::String uri;
};

/// A node that is an element.
class UIEDITOR_EXPORT Element : public Node
{
public:
    Element() = default;
    /// The element `node` is, or a null handle when it is no element.
    explicit Element(const Node& node);

    /// The attribute named `name` in the namespace `nsUri`. Without a URI, a
    /// prefixed name ("km:ref-type") is resolved through the declarations in
    /// scope and a plain name means an attribute in no namespace. Null when absent.
    Attribute get_attribute(const Core::String& name,
                            const Core::String& nsUri = Core::String()) const;
    /// The attribute's value, "" when absent.
    Core::String get_attribute_value(const Core::String& name,
                                     const Core::String& nsUri = Core::String()) const;
    /// Sets or adds an attribute. The prefix (in `name` or `nsPrefix`) must be
    /// declared in scope. "xmlns" and "xmlns:p" declare a namespace instead.
    Attribute set_attribute(const Core::String& name, const Core::String& value,
                            const Core::String& nsPrefix = Core::String());
    /// Removes the attribute if present; handles on it stay valid.
    void remove_attribute(const Core::String& name, const Core::String& nsUri = Core::String());
    /// Attributes in document order (namespace declarations are not attributes).
    std::vector<Attribute> get_attributes() const;

    /// Declares `prefix` (or, when empty, the default namespace) for `uri` on
    /// this element; an existing declaration of that prefix here is changed.
    void set_namespace_declaration(const Core::String& uri,
                                   const Core::String& prefix = Core::String());
    /// The declarations written on this element, in order.
    std::vector<NamespaceDeclaration> get_namespace_declarations() const;
    /// Puts the element in the namespace bound to `prefix` in scope (empty:
    /// the default namespace in scope, or none). Raises when undeclared.
    void set_namespace(const Core::String& prefix);

    /// Child elements in order, optionally only those named `name` (see get_children).
    std::vector<Element> get_child_elements(const Core::String& name = Core::String()) const;
    /// The first child element named `name` (any when empty), or null.
    Element get_first_child_element(const Core::String& name = Core::String()) const;
    /// The first text child, null when there is none.
    Node get_child_text() const;
    /// Sets the first text child's content, adding a text when there is none.
    Node set_child_text(const Core::String& text);

private:
    Element(const SmartPtr<Detail::DocumentHolder>& holder, _xmlNode* node);
    friend class Node;
    friend class XmlDocument;
};

} // namespace Xml
