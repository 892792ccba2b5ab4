#pragma once

#include <libxml/tree.h>
#include <QString>

/// Which nodes of a sample the XML tree shows, and how: the one set of rules
/// behind lazy expansion, the child indicator, filtering and the preview run.
/// It reads libxml2's nodes directly because filtering walks every node of
/// samples of a hundred megabytes.
class XmlTreeRules
{
public:
    explicit XmlTreeRules(bool annotated) : m_annotated(annotated) {}

    bool annotated() const { return m_annotated; }

    /// Texts and CDATA sections.
    static bool isText(const xmlNode* node);
    /// A text that is empty once trimmed (with the trimming of Core::String).
    static bool isBlankText(const xmlNode* node);
    /// The attribute `localName` of the product family's namespace on `element`.
    static bool hasAnnotation(const xmlNode* element, const char* localName);

    /// Namespace declarations, dt:node-type and, annotated, the km: annotations are hidden.
    bool isShownAttribute(const xmlAttr* attribute) const;
    /// Whether the attributes of `element` get items at all: an annotated
    /// element that refers to a type shows none.
    bool showsAttributes(const xmlNode* element) const;
    /// Elements and texts that are not blank.
    static bool isShownChild(const xmlNode* child);
    /// Whether an element item shows the expand button before its children exist.
    bool hasChildIndicator(const xmlNode* element) const;

    /// The run drawn after a collapsed element: " name=value" for each shown
    /// attribute (" name" when annotated) or, without shown attributes and
    /// child elements, " " and the first text that is not blank.
    QString preview(const xmlNode* element) const;
    /// The ASCII white space of XML text (space, tab, line breaks, vertical tab, form feed).
    static bool isAsciiSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
    /// The qualified name of an element or attribute, as labels show it.
    static QString qualifiedName(const xmlNode* node);

private:
    bool m_annotated;
};
