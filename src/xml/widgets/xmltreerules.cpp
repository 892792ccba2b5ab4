#include "xml/widgets/xmltreerules_p.h"

#include "outside/core/namespaces.h"

#include <cstring>
#include <QString>

namespace {

bool isNamespace(const xmlNs* ns, const char* uri)
{
    return ns && ns->href && std::strcmp(reinterpret_cast<const char*>(ns->href), uri) == 0;
}

bool hasName(const xmlChar* name, const char* wanted)
{
    return name && std::strcmp(reinterpret_cast<const char*>(name), wanted) == 0;
}

// Long texts are cut: the preview is a hint, and painting megabytes is slow.
constexpr int previewLimit = 200;

QString fromXml(const xmlChar* text)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

QString contentOf(const xmlNode* node)
{
    xmlChar* content = xmlNodeGetContent(node);
    const QString text = fromXml(content);
    xmlFree(content);
    return text;
}

} // namespace

bool XmlTreeRules::isText(const xmlNode* node)
{
    return node && (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE);
}

bool XmlTreeRules::isBlankText(const xmlNode* node)
{
    const auto* content = reinterpret_cast<const unsigned char*>(node->content);
    if (!content) {
        return true;
    }
    for (const unsigned char* c = content; *c; ++c) {
        if (XmlTreeRules::isAsciiSpace(*c)) {
            continue;
        }
        if (*c < 0x80) {
            return false;
        }
        // Beyond ASCII (a no-break space...) the string class decides, as trimming does elsewhere.
        return QString::fromUtf8(reinterpret_cast<const char*>(c)).trimmed().isEmpty();
    }
    return true;
}

bool XmlTreeRules::hasAnnotation(const xmlNode* element, const char* localName)
{
    for (const xmlAttr* attribute = element->properties; attribute; attribute = attribute->next) {
        if (hasName(attribute->name, localName) &&
            isNamespace(attribute->ns, Xml::Namespaces::KM)) {
            return true;
        }
    }
    return false;
}

bool XmlTreeRules::isShownAttribute(const xmlAttr* attribute) const
{
    // libxml2 keeps declarations apart from attributes; a literal "xmlns"
    // survives only in documents read without namespaces.
    if (hasName(attribute->name, "xmlns") ||
        (attribute->ns && hasName(attribute->ns->prefix, "xmlns"))) {
        return false;
    }
    if (hasName(attribute->name, "node-type") && isNamespace(attribute->ns, Xml::Namespaces::DT)) {
        return false;
    }
    if (m_annotated && isNamespace(attribute->ns, Xml::Namespaces::KM) &&
        (hasName(attribute->name, "meta-type") || hasName(attribute->name, "ref-type") ||
         hasName(attribute->name, "repeated-element"))) {
        return false;
    }
    return true;
}

bool XmlTreeRules::showsAttributes(const xmlNode* element) const
{
    return !(m_annotated && hasAnnotation(element, "ref-type"));
}

bool XmlTreeRules::isShownChild(const xmlNode* child)
{
    return child->type == XML_ELEMENT_NODE || (isText(child) && !isBlankText(child));
}

bool XmlTreeRules::hasChildIndicator(const xmlNode* element) const
{
    if (m_annotated && hasAnnotation(element, "ref-type")) {
        return true;
    }
    if (showsAttributes(element)) {
        for (const xmlAttr* attribute = element->properties; attribute;
             attribute = attribute->next) {
            if (isShownAttribute(attribute)) {
                return true;
            }
        }
    }
    int shown = 0;
    for (const xmlNode* child = element->children; child && shown < 2; child = child->next) {
        if (isShownChild(child)) {
            ++shown;
        }
    }
    // An annotated value element holds its value as its one child: the
    // preview shows it, so there is nothing to open.
    if (shown == 1 && m_annotated && hasAnnotation(element, "meta-type")) {
        return false;
    }
    return shown > 0;
}

QString XmlTreeRules::qualifiedName(const xmlNode* node)
{
    const xmlNs* ns = node->ns;
    if (ns && ns->prefix) {
        return fromXml(ns->prefix) + u':' + fromXml(node->name);
    }
    return fromXml(node->name);
}

QString XmlTreeRules::preview(const xmlNode* element) const
{
    QString run;
    if (showsAttributes(element)) {
        for (const xmlAttr* attribute = element->properties; attribute;
             attribute = attribute->next) {
            if (!isShownAttribute(attribute)) {
                continue;
            }
            const auto* node = reinterpret_cast<const xmlNode*>(attribute);
            run += u' ' + qualifiedName(node);
            if (!m_annotated) {
                run += u'=' + contentOf(node).left(previewLimit);
            }
        }
    }
    if (!run.isEmpty()) {
        return run;
    }
    const xmlNode* firstText = nullptr;
    for (const xmlNode* child = element->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            return run;
        }
        if (!firstText && isText(child) && !isBlankText(child)) {
            firstText = child;
        }
    }
    if (firstText) {
        QString text = fromXml(firstText->content).left(previewLimit).simplified();
        run = u' ' + text;
    }
    return run;
}
