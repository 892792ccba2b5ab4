#include "outside/render/foprintedattributes_p.h"

#include "outside/core/namespaces.h"

#include <libxml/tree.h>

#include <cstring>

namespace Fo {

namespace {

const xmlChar* xml(const QByteArray& bytes)
{
    return reinterpret_cast<const xmlChar*>(bytes.constData());
}

bool hasNamespace(const xmlAttr* attribute, const QByteArray& uri)
{
    if (!attribute->ns || !attribute->ns->href) {
        return uri.isEmpty();
    }
    const char* href = reinterpret_cast<const char*>(attribute->ns->href);
    return uri.isEmpty() ? std::strcmp(href, Xml::Namespaces::FO) == 0 : uri == href;
}

QByteArray valueOf(xmlNode* element, xmlAttr* attribute)
{
    xmlChar* value = xmlNodeListGetString(element->doc, attribute->children, 1);
    const QByteArray bytes(value ? reinterpret_cast<const char*>(value) : "");
    xmlFree(value);
    return bytes;
}

} // namespace

PrintedAttributes::PrintedAttributes(xmlNode* element,
                                     const std::vector<ViewDataEvaluator::Attribute>& attributes)
    : m_element(element)
{
    for (const ViewDataEvaluator::Attribute& printed : attributes) {
        const QByteArray uri = printed.namespaceUri.toQString().toUtf8();
        const QByteArray name = printed.localName.toQString().toUtf8();
        const QByteArray value = printed.value.toQString().toUtf8();
        if (name.isEmpty() || name.contains(':')) {
            continue;
        }
        xmlAttr* existing = element->properties;
        while (existing &&
               !(xmlStrEqual(existing->name, xml(name)) && hasNamespace(existing, uri))) {
            existing = existing->next;
        }
        if (existing) {
            m_saved.push_back({existing, valueOf(element, existing), false});
            xmlSetNsProp(element, existing->ns, existing->name, xml(value));
            continue;
        }
        xmlNs* ns = nullptr;
        if (!uri.isEmpty()) {
            ns = xmlSearchNsByHref(element->doc, element, xml(uri));
            if (!ns) {
                continue;
            }
        }
        if (xmlAttr* added = xmlNewNsProp(element, ns, xml(name), xml(value))) {
            m_saved.push_back({added, QByteArray(), true});
        }
    }
}

PrintedAttributes::~PrintedAttributes()
{
    // Latest first, so that an attribute set twice ends with its own value.
    for (auto saved = m_saved.rbegin(); saved != m_saved.rend(); ++saved) {
        if (saved->added) {
            xmlRemoveProp(saved->attribute);
        } else {
            xmlSetNsProp(m_element, saved->attribute->ns, saved->attribute->name,
                         xml(saved->value));
        }
    }
}

} // namespace Fo
