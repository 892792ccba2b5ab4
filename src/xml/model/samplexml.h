#pragma once

#include "outside/core/coreobject.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/dom/xmldocument.h"
#include "outside/types/idocumentinformation.h"
#include "uieditor_export.h"

#include <map>

/// How a sample document is made from its source file.
enum class DatasourceType : qint32 {
    XmlFile = 1,             ///< the file is the sample
    DataAggregationFile = 2, ///< an .lfa file: a skeleton built from its output description
    XsdFile = 3,             ///< a schema: a skeleton built from its first global element
};

/// The sample data a template is designed against: one XML document and the
/// namespace prefixes it declares. The host owns it and hands it to the tree,
/// the XPath editor and the sort dialog. Loading never throws: a failure
/// leaves an empty model and an error text.
class UIEDITOR_EXPORT SampleXml : public Core::Object
{
public:
    using NamespaceMap = std::map<Core::String, Core::String>;

    SampleXml();
    // Copies share the document; they do not clone it.
    SampleXml(const SampleXml& other);
    SampleXml& operator=(const SampleXml& other);
    ~SampleXml() override;

    /// Loads `path` as a source of kind `type`. An empty path empties the model
    /// and answers false; anything else answers true whatever the outcome,
    /// which hasErrors() and getLastError() tell.
    bool load(const Core::String& path, DatasourceType type);
    /// Loads the recorded path again with the recorded type.
    void reload();
    /// Takes the XML file at `path` as parsed elsewhere (a host parses large
    /// samples on a worker thread): what load() does after its parse, without
    /// the wait cursor. A non-empty `parseError` is the parser's message and
    /// leaves the model empty with the error load() would give.
    void setParsedXml(const Core::String& path, const SmartPtr<Xml::XmlDocument>& document,
                      const Core::String& parseError);

    SmartPtr<Xml::XmlDocument> getXmlDocument() const { return m_document; }
    Core::String getXmlDocumentFilePath() const { return m_path; }
    DatasourceType getDatasourceType() const { return m_type; }

    bool hasErrors() const { return !m_lastError.isEmpty(); }
    Core::String getLastError() const { return m_lastError; }

    /// The prefixes the sample declares, without the template language's own.
    NamespaceMap getNamespaceMap() const { return m_namespaces; }

    void setNamespacePrefixForXSD(const Core::String& prefix) { m_xsdPrefix = prefix; }
    Core::String getNamespacePrefixForXSD() const { return m_xsdPrefix; }

    void setXmlModified(bool modified) { m_modified = modified; }
    bool isXmlModified() const { return m_modified; }

    /// Rebuilds the namespace map from the current document.
    void createNamespaceMap();
    /// Adds the declarations of `node` and of everything below it to the map.
    void collectNamespace(const Xml::Node& node);

    /// The sample of `document` when one is loaded: the host reports sample
    /// data and its sample holds a document. Null otherwise. Every control and
    /// dialog that needs a sample decides by this one rule.
    static SmartPtr<SampleXml> loadedSample(const SmartPtr<IDocumentInformation>& document);

    /// True for "fo", "kmb", "svg", "zc", "km" and "xsl", in any case.
    static bool isDefaultNamespacePrefix(const Core::String& prefix);

protected:
    void loadFromXml(const Core::String& path);
    void loadFromLF(const Core::String& path);
    void loadFromXSD(const Core::String& path);
    /// The skeleton sample described by the single lfs:output of `source`.
    SmartPtr<Xml::XmlDocument> filterXmlSourceFromLfa(const SmartPtr<Xml::XmlDocument>& source);
    void processLfaNode(const Xml::Element& source, Xml::Element target, const Core::String& prefix,
                        const Core::String& uri);

private:
    enum class SampleKind { Xml, DataAggregation, Schema };
    /// The steps every kind of source shares around the parse.
    void loadSample(const Core::String& path, SampleKind kind);
    /// Makes `document` the sample and reads its prefixes, unless the parse noted them.
    void takeDocument(const SmartPtr<Xml::XmlDocument>& document, bool warnOfDefaultNamespace,
                      bool namespacesNoted = false);
    /// Notes one namespace declaration for the map.
    void addNamespace(const char* prefix, const char* uri);

    Core::String m_path;
    DatasourceType m_type = DatasourceType::XmlFile;
    SmartPtr<Xml::XmlDocument> m_document;
    NamespaceMap m_namespaces;
    Core::String m_lastError;
    bool m_hasDefaultNamespace = false;
    bool m_modified = false;
    Core::String m_xsdPrefix;
    // Handed to the schema builder with the prefix; the builder replaces it
    // with the schema's target namespace.
    Core::String m_xsdNamespace;
};
