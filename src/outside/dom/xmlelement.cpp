#include "outside/dom/xmlelement.h"

#include "outside/core/coreexception.h"
#include "outside/dom/xmldocumentholder_p.h"
#include "outside/dom/xmltext_p.h"

#include <libxml/tree.h>
#include <libxml/uri.h>
#include <libxml/valid.h>

namespace Xml {

using Detail::fromXml;
using Detail::xmlChars;

namespace {

xmlNodePtr asNode(xmlAttrPtr attribute)
{
    return reinterpret_cast<xmlNodePtr>(attribute);
}

// Looked up by hand: libxml2's own lookups may answer a DTD declaration
// instead of an attribute of the element.
xmlAttrPtr findAttribute(xmlNodePtr element, const Core::String& name, const Core::String& nsUri)
{
    const auto [prefix, local] = Detail::splitQualifiedName(name);
    QByteArray href = nsUri.toUtf8();
    QByteArray literal; // an undeclared prefix stays part of the name
    if (href.isEmpty() && !prefix.isEmpty()) {
        xmlNsPtr ns = xmlSearchNs(element->doc, element, xmlChars(prefix));
        if (ns) {
            href = QByteArray(reinterpret_cast<const char*>(ns->href));
        } else {
            literal = name.toUtf8();
        }
    }
    const QByteArray& wanted = literal.isEmpty() ? local : literal;
    for (xmlAttrPtr attribute = element->properties; attribute; attribute = attribute->next) {
        if (!xmlStrEqual(attribute->name, xmlChars(wanted))) {
            continue;
        }
        if (href.isEmpty() ? !attribute->ns
                           : attribute->ns && xmlStrEqual(attribute->ns->href, xmlChars(href))) {
            return attribute;
        }
    }
    return nullptr;
}

} // namespace

Element::Element(const Node& node)
{
    if (!node.isNull() && node.cobj()->type == XML_ELEMENT_NODE) {
        Node::operator=(node);
    }
}

Element::Element(const SmartPtr<Detail::DocumentHolder>& holder, _xmlNode* node)
    : Node(holder, node)
{
}

Attribute Element::get_attribute(const Core::String& name, const Core::String& nsUri) const
{
    xmlAttrPtr attribute = findAttribute(checkedElement("read an attribute"), name, nsUri);
    return attribute ? Attribute(m_holder, asNode(attribute)) : Attribute();
}

Core::String Element::get_attribute_value(const Core::String& name, const Core::String& nsUri) const
{
    const Attribute attribute = get_attribute(name, nsUri);
    return attribute.isNull() ? Core::String() : attribute.get_value();
}

Attribute Element::set_attribute(const Core::String& name, const Core::String& value,
                                 const Core::String& nsPrefix)
{
    xmlNodePtr element = checkedElement("set an attribute");
    auto [prefix, local] = Detail::splitQualifiedName(name);
    if (prefix == "xmlns") {
        set_namespace_declaration(value, QString::fromUtf8(local));
        return Attribute();
    }
    if (prefix.isEmpty()) {
        if (local == "xmlns") {
            set_namespace_declaration(value);
            return Attribute();
        }
        prefix = nsPrefix.toUtf8();
    }
    Detail::checkLocalName(local);
    xmlNsPtr ns = nullptr;
    if (!prefix.isEmpty()) {
        ns = xmlSearchNs(element->doc, element, xmlChars(prefix));
        if (!ns) {
            throw Core::Exception(
                Core::String(QStringLiteral("The namespace prefix \"%1\" is not declared.")
                                 .arg(QString::fromUtf8(prefix))));
        }
    }
    xmlAttrPtr attribute =
        xmlSetNsProp(element, ns, xmlChars(local), xmlChars(Detail::toXmlText(value)));
    if (!attribute) {
        throw Core::Exception("Cannot set the attribute: out of memory.");
    }
    return Attribute(m_holder, asNode(attribute));
}

void Element::remove_attribute(const Core::String& name, const Core::String& nsUri)
{
    xmlNodePtr element = checkedElement("remove an attribute");
    xmlAttrPtr attribute = findAttribute(element, name, nsUri);
    if (!attribute) {
        return;
    }
    if (attribute->atype == XML_ATTRIBUTE_ID) {
        xmlRemoveID(element->doc, attribute);
    }
    xmlUnlinkNode(asNode(attribute));
    m_holder->keepRemoved(asNode(attribute));
}

std::vector<Attribute> Element::get_attributes() const
{
    std::vector<Attribute> attributes;
    for (xmlAttrPtr attribute = checkedElement("list attributes")->properties; attribute;
         attribute = attribute->next) {
        attributes.push_back(Attribute(m_holder, asNode(attribute)));
    }
    return attributes;
}

void Element::set_namespace_declaration(const Core::String& uri, const Core::String& prefix)
{
    xmlNodePtr element = checkedElement("declare a namespace");
    const QByteArray href = uri.toUtf8();
    const QByteArray name = prefix.toUtf8();
    if (!name.isEmpty()) {
        Detail::checkLocalName(name);
        if (name == "xmlns" || (name == "xml") != (uri == "http://www.w3.org/XML/1998/namespace")) {
            throw Core::Exception(
                Core::String(QStringLiteral("The prefix \"%1\" cannot be bound to \"%2\".")
                                 .arg(prefix.toQString(), uri.toQString())));
        }
        if (href.isEmpty()) {
            throw Core::Exception(
                Core::String(QStringLiteral("The prefix \"%1\" needs a namespace URI.")
                                 .arg(prefix.toQString())));
        }
        if (name == "xml") {
            return; // always declared
        }
    }
    // What libxml2 refuses on reading, so that a document built here reads back.
    if (!href.isEmpty()) {
        xmlURIPtr parsed = xmlParseURI(href.constData());
        xmlFreeURI(parsed);
        if (!parsed || uri == "http://www.w3.org/2000/xmlns/") {
            throw Core::Exception(Core::String(
                QStringLiteral("\"%1\" cannot be used as a namespace URI.").arg(uri.toQString())));
        }
    }
    for (xmlNsPtr ns = element->nsDef; ns; ns = ns->next) {
        const bool samePrefix =
            name.isEmpty() ? !ns->prefix : xmlStrEqual(ns->prefix, xmlChars(name));
        if (samePrefix) {
            if (!xmlStrEqual(ns->href, xmlChars(href))) {
                xmlFree(const_cast<xmlChar*>(ns->href));
                ns->href = xmlStrdup(xmlChars(href));
            }
            return;
        }
    }
    if (!xmlNewNs(element, xmlChars(href), name.isEmpty() ? nullptr : xmlChars(name))) {
        throw Core::Exception("Cannot declare the namespace: out of memory.");
    }
}

std::vector<NamespaceDeclaration> Element::get_namespace_declarations() const
{
    std::vector<NamespaceDeclaration> declarations;
    for (xmlNsPtr ns = checkedElement("list namespace declarations")->nsDef; ns; ns = ns->next) {
        declarations.push_back({fromXml(ns->prefix), fromXml(ns->href)});
    }
    return declarations;
}

void Element::set_namespace(const Core::String& prefix)
{
    xmlNodePtr element = checkedElement("set the namespace");
    xmlNsPtr ns = nullptr;
    if (!prefix.isEmpty()) {
        ns = xmlSearchNs(element->doc, element, xmlChars(prefix.toUtf8()));
        if (!ns) {
            throw Core::Exception(
                Core::String(QStringLiteral("The namespace prefix \"%1\" is not declared.")
                                 .arg(prefix.toQString())));
        }
    } else {
        ns = xmlSearchNs(element->doc, element, nullptr);
        if (ns && (!ns->href || !*ns->href)) {
            ns = nullptr;
        }
    }
    xmlSetNs(element, ns);
}

std::vector<Element> Element::get_child_elements(const Core::String& name) const
{
    std::vector<Element> elements;
    for (const Node& child : get_children(name)) {
        if (child.is_element()) {
            elements.push_back(Element(m_holder, child.cobj()));
        }
    }
    return elements;
}

Element Element::get_first_child_element(const Core::String& name) const
{
    for (const Node& child : get_children(name)) {
        if (child.is_element()) {
            return Element(m_holder, child.cobj());
        }
    }
    return Element();
}

Node Element::get_child_text() const
{
    for (xmlNodePtr child = checkedElement("read text")->children; child; child = child->next) {
        if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
            return Node(m_holder, child);
        }
    }
    return Node();
}

Node Element::set_child_text(const Core::String& text)
{
    Node child = get_child_text();
    if (child.isNull()) {
        return add_child_text(text);
    }
    child.set_content(text);
    return child;
}

} // namespace Xml
