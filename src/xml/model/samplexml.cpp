#include "xml/model/samplexml.h"

#include "frame/uiapplication.h"
#include "frame/waitcursor.h"
#include "frame/win32constants.h"
#include "outside/core/coreexception.h"
#include "outside/core/corefilesystem.h"
#include "outside/core/coreformat.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "xml/model/xsdsamplebuilder.h"

#include <libxml/tree.h>
#include <new>
#include <QCoreApplication>

namespace {

struct SampleXmlTr
{
    Q_DECLARE_TR_FUNCTIONS(SampleXml)
};

constexpr unsigned kLoadFailed = 63214;
constexpr unsigned kFileMissing = 63215;
constexpr unsigned kNoSingleOutput = 63292;
constexpr unsigned kDefaultNamespaceWarning = 63293;

// Prefix and namespace of what a data aggregation file leaves unqualified.
constexpr const char* kSamplePrefix = "ns";

bool isReservedPrefix(const xmlChar* prefix)
{
    for (const char* reserved : {"fo", "kmb", "svg", "zc", "km", "xsl"}) {
        if (xmlStrcasecmp(prefix, reinterpret_cast<const xmlChar*>(reserved)) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

SampleXml::SampleXml() = default;

SmartPtr<SampleXml> SampleXml::loadedSample(const SmartPtr<IDocumentInformation>& document)
{
    if (!document || !document->hasSampleData()) {
        return {};
    }
    SmartPtr<SampleXml> sample = document->getSampleXml();
    if (!sample || !sample->getXmlDocument()) {
        return {};
    }
    return sample;
}
SampleXml::SampleXml(const SampleXml& other) = default;
SampleXml& SampleXml::operator=(const SampleXml& other) = default;
SampleXml::~SampleXml() = default;

bool SampleXml::load(const Core::String& path, DatasourceType type)
{
    if (path.isEmpty()) {
        m_path = Core::String();
        m_namespaces.clear();
        m_document = SmartPtr<Xml::XmlDocument>();
        return false;
    }
    m_type = type;
    WaitCursor waitCursor;
    switch (type) {
    case DatasourceType::XmlFile:
        loadFromXml(path);
        break;
    case DatasourceType::DataAggregationFile:
        loadFromLF(path);
        break;
    case DatasourceType::XsdFile:
        loadFromXSD(path);
        break;
    }
    return true;
}

void SampleXml::reload()
{
    load(m_path, m_type);
}

void SampleXml::loadFromXml(const Core::String& path)
{
    loadSample(path, SampleKind::Xml);
}

void SampleXml::loadFromLF(const Core::String& path)
{
    loadSample(path, SampleKind::DataAggregation);
}

void SampleXml::loadFromXSD(const Core::String& path)
{
    loadSample(path, SampleKind::Schema);
}

void SampleXml::loadSample(const Core::String& path, SampleKind kind)
{
    m_lastError = Core::String();
    m_path = path;
    m_document = SmartPtr<Xml::XmlDocument>();
    // Empty until the load succeeds: no prefixes of a sample that is gone.
    m_namespaces.clear();
    m_hasDefaultNamespace = false;
    if (path.isEmpty()) {
        return;
    }
    if (!Core::IO::FileSystem::fileExists(path)) {
        m_lastError = Core::Format::format(Core::String::formatS(kFileMissing), path);
        return;
    }
    try {
        SmartPtr<Xml::XmlDocument> sample;
        bool noted = false; // the prefixes were noted during the parse
        switch (kind) {
        case SampleKind::Xml: {
            // Samples are the user's own data and may be hundreds of
            // megabytes, with texts over libxml2's 10 MB limit (embedded
            // images): they are read without its size limits. Nothing is
            // fetched or substituted all the same, and a sample that declares
            // entities is read under the standard limits (see DomParser).
            Xml::DomParser parser;
            parser.setLargeDocuments(true);
            // The prefixes are noted as the parse meets them: no second walk.
            parser.setNamespaceObserver(
                [this](const char* prefix, const char* uri) { addNamespace(prefix, uri); });
            parser.parseFile(path);
            sample = parser.getDocument();
            noted = true;
            break;
        }
        case SampleKind::DataAggregation:
            sample = filterXmlSourceFromLfa(Xml::DomParser(path).getDocument());
            break;
        case SampleKind::Schema:
            sample = XsdSampleBuilder(m_xsdPrefix, m_xsdNamespace).build(path);
            break;
        }
        takeDocument(sample, kind != SampleKind::Schema, noted);
    } catch (const Core::Exception& e) {
        m_lastError = Core::Format::format(Core::String::formatS(kLoadFailed), e.getMessage());
        m_document = SmartPtr<Xml::XmlDocument>();
        m_namespaces.clear();
        m_hasDefaultNamespace = false;
    } catch (const std::bad_alloc&) {
        m_document = SmartPtr<Xml::XmlDocument>();
        m_namespaces.clear();
        m_hasDefaultNamespace = false;
        m_lastError = Core::Format::format(
            Core::String::formatS(kLoadFailed),
            Core::String(SampleXmlTr::tr("There is not enough memory to hold the sample data.")));
    }
}

void SampleXml::takeDocument(const SmartPtr<Xml::XmlDocument>& document,
                             bool warnOfDefaultNamespace, bool namespacesNoted)
{
    m_document = document;
    if (!namespacesNoted) {
        createNamespaceMap();
    }
    if (warnOfDefaultNamespace && m_hasDefaultNamespace) {
        UIApplication::MessageBoxW(kDefaultNamespaceWarning, Win32::MB_ICONWARNING | Win32::MB_OK);
    }
}

void SampleXml::setParsedXml(const Core::String& path, const SmartPtr<Xml::XmlDocument>& document,
                             const Core::String& parseError)
{
    m_type = DatasourceType::XmlFile;
    m_path = path;
    m_lastError = Core::String();
    m_document = SmartPtr<Xml::XmlDocument>();
    m_namespaces.clear();
    m_hasDefaultNamespace = false;
    if (!parseError.isEmpty() || document.isNull()) {
        m_lastError = Core::Format::format(Core::String::formatS(kLoadFailed), parseError);
        return;
    }
    takeDocument(document, true);
}

SmartPtr<Xml::XmlDocument>
SampleXml::filterXmlSourceFromLfa(const SmartPtr<Xml::XmlDocument>& source)
{
    const Xml::NamespaceMap lfs{{"lfs", Xml::Namespaces::LFS}};
    const std::vector<Xml::Node> outputs =
        source->getRootNode().find("descendant-or-self::lfs:output", lfs);
    if (outputs.size() != 1) {
        throw Core::Exception(Core::String::formatS(kNoSingleOutput));
    }
    auto sample = makeSmart<Xml::XmlDocument>();
    Xml::Element root = sample->createRootNode(Core::String());
    root.set_namespace_declaration(Xml::Namespaces::DT, "dt");
    processLfaNode(Xml::Element(outputs.front()), root, kSamplePrefix, Xml::Namespaces::LFS_SAMPLE);
    if (root.get_local_name().isEmpty()) {
        throw Core::Exception(Core::String(
            SampleXmlTr::tr("The output of the data aggregation file describes no element.")));
    }
    return sample;
}

void SampleXml::processLfaNode(const Xml::Element& source, Xml::Element target,
                               const Core::String& prefix, const Core::String& uri)
{
    const Core::String kind = source.get_local_name();
    const bool output = kind == "output";
    Core::String effectivePrefix = prefix;
    Core::String effectiveUri = uri;
    if (!output) {
        const bool attribute = kind == "attribute";
        const Core::String name = source.get_attribute_value("name");
        const Core::String ownPrefix = source.get_attribute_value("namespace-prefix");
        const Core::String ownUri = source.get_attribute_value("namespace-uri");
        if (name.isEmpty()) {
            throw Core::Exception(Core::String(
                SampleXmlTr::tr(
                    "The %1 described at line %2 of the data aggregation file has no name.")
                    .arg(kind.toQString())
                    .arg(source.get_line())));
        }
        if (!ownPrefix.isEmpty() && !ownUri.isEmpty()) {
            effectivePrefix = ownPrefix;
            effectiveUri = ownUri;
        } else {
            effectivePrefix = ownPrefix.isEmpty() ? prefix : ownPrefix;
            effectiveUri = ownUri.isEmpty() ? uri : ownUri;
        }
        target.set_namespace_declaration(effectiveUri, effectivePrefix);
        if (attribute) {
            target.set_attribute(name, source.get_attribute_value("value"), effectivePrefix);
        } else {
            target.set_attribute("node-type", kind, "dt");
            target.set_name(effectivePrefix + ":" + name);
        }
    }
    for (const Xml::Element& child : source.get_child_elements()) {
        if (output || child.get_local_name() == "attribute") {
            processLfaNode(child, target, effectivePrefix, effectiveUri);
        } else {
            // Named for now by the description; processing names it properly.
            processLfaNode(child, target.add_child(child.get_local_name()), effectivePrefix,
                           effectiveUri);
        }
    }
}

void SampleXml::createNamespaceMap()
{
    m_namespaces.clear();
    m_hasDefaultNamespace = false;
    if (m_document) {
        collectNamespace(m_document->getRootNode());
    }
}

void SampleXml::collectNamespace(const Xml::Node& node)
{
    // Straight over libxml2's nodes, without recursion or handles: samples
    // run to millions of elements and nest as deep as the parser allows.
    xmlNodePtr top = node.isNull() ? nullptr : node.cobj();
    if (!top || top->type != XML_ELEMENT_NODE) {
        return;
    }
    xmlNodePtr current = top;
    while (current) {
        for (xmlNsPtr ns = current->nsDef; ns; ns = ns->next) {
            addNamespace(reinterpret_cast<const char*>(ns->prefix),
                         reinterpret_cast<const char*>(ns->href));
        }
        // Next element in document order, staying below `top`.
        xmlNodePtr next = current->children;
        while (next && next->type != XML_ELEMENT_NODE) {
            next = next->next;
        }
        if (!next && current != top) {
            for (xmlNodePtr up = current; up && up != top && !next; up = up->parent) {
                for (next = up->next; next && next->type != XML_ELEMENT_NODE;) {
                    next = next->next;
                }
            }
        }
        current = next;
    }
}

void SampleXml::addNamespace(const char* prefix, const char* uri)
{
    if (!prefix || !*prefix) {
        if (uri && *uri) {
            m_hasDefaultNamespace = true;
        }
    } else if (!isReservedPrefix(reinterpret_cast<const xmlChar*>(prefix))) {
        m_namespaces[Core::String(prefix)] = Core::String(uri ? uri : "");
    }
}

bool SampleXml::isDefaultNamespacePrefix(const Core::String& prefix)
{
    const Core::String lower = prefix.toLower();
    return lower == "fo" || lower == "kmb" || lower == "svg" || lower == "zc" || lower == "km" ||
           lower == "xsl";
}
