#pragma once

#include "outside/core/corestream.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/dom/xmldocument.h"
#include "uieditor_export.h"
#include "xml/model/attributedata.h"
#include "xml/model/elementdata.h"
#include "xml/model/syntaxxmltype.h"

#include <array>
#include <functional>
#include <QHash>
#include <vector>

/// The catalogue of the vocabularies a template may contain: which elements
/// each has, which properties they take, what they may hold and what values
/// the properties accept. Read from four definition files compiled into the
/// library ("FOSytanx.xml", "KMBSytanx.xml", "XSLSyntax.xml", "KMSyntax.xml").
///
/// Lookups take names from template markup, so any text is accepted: a name
/// that no definition has, or that could not be a name at all, gives empty
/// data. A definition file that cannot be read leaves its vocabulary empty and
/// is reported by hasErrors() and getLastError().
class UIEDITOR_EXPORT SyntaxXml
{
public:
    /// Hands out a definition file by name; raises Core::Exception when it cannot.
    using ResourceLoader = std::function<SmartPtr<Core::IO::Stream>(const Core::String& fileName)>;

    /// The process-wide catalogue. The first call reads the definition files
    /// from the library's resources; the catalogue lives until the process ends.
    static SyntaxXml& get();

    /// A catalogue of its own, reading the definition files through `loader`:
    /// for a host with other definitions, and for tests.
    explicit SyntaxXml(const ResourceLoader& loader);
    ~SyntaxXml();
    SyntaxXml(const SyntaxXml&) = delete;
    SyntaxXml& operator=(const SyntaxXml&) = delete;

    /// The vocabulary of a prefix ("fo", "kmb", "xsl", "svg", "zc", "km") or of
    /// a namespace URI; Unknown for anything else.
    static SyntaxXmlType getSyntaxXmlType(const Core::String& prefixOrUri);
    /// "fo", "kmb"...; "" for Unknown.
    static Core::String getPrefix(SyntaxXmlType type);
    static Core::String getNamespaceUri(SyntaxXmlType type);
    /// The definition file of a vocabulary; "" for those that have none.
    static Core::String getDefinitionFileName(SyntaxXmlType type);

    /// The XSL-FO root element ("fo:root"), as the definition names it.
    ElementData getRootElementData() const;
    /// The element `name` of the vocabulary, with or without its prefix ("block"
    /// or "fo:block"); empty when the vocabulary has no such element.
    ElementData getElementDataByName(const Core::String& name, SyntaxXmlType type) const;
    /// The attribute `name` of the vocabulary, with or without its prefix
    /// ("text-align" or "fo:text-align"); empty when unknown.
    AttributeData getAttributeDataByName(const Core::String& name, SyntaxXmlType type) const;
    /// An attribute as markup writes it on an element of `elementType`: a
    /// prefix of a vocabulary ("km:alt-text") looks there, anything else
    /// ("text-align", "xml:lang") in the element's own vocabulary.
    AttributeData getAttributeDataByQualifiedName(const Core::String& qualifiedName,
                                                  SyntaxXmlType elementType) const;
    /// Every element of the vocabulary, prefixed, in the definition's order.
    std::vector<Core::String> getElements(SyntaxXmlType type) const;

    /// The parsed XSL-FO definition; null when it could not be read. Lookups
    /// remember what they found, so the document is for reading only.
    SmartPtr<Xml::XmlDocument> getFOSyntaxDocument() const;
    /// The parsed definition of any vocabulary; null when it has none.
    SmartPtr<Xml::XmlDocument> getSyntaxDocument(SyntaxXmlType type) const;

    bool hasErrors() const { return m_hasErrors; }
    /// The message of the last definition file that could not be read.
    Core::String getLastError() const { return m_lastError; }

private:
    static constexpr int vocabularyCount = 6;
    /// Lookups remembered per vocabulary; cleared when full, so names
    /// from outside cannot make it grow without end.
    static constexpr int maxRemembered = 4096;

    void load(SyntaxXmlType type, const ResourceLoader& loader);
    Core::String localName(const Core::String& name, SyntaxXmlType type) const;
    Xml::Element findDefinition(SyntaxXmlType type, const char* list, const char* item,
                                const Core::String& name) const;
    ElementData elementData(const Xml::Element& definition, SyntaxXmlType type) const;
    static AttributeData attributeData(const Xml::Element& definition);

    std::array<SmartPtr<Xml::XmlDocument>, vocabularyCount> m_documents;
    mutable std::array<QHash<QString, ElementData>, vocabularyCount> m_elementCache;
    mutable std::array<QHash<QString, AttributeData>, vocabularyCount> m_attributeCache;
    bool m_hasErrors = false;
    Core::String m_lastError;
};
