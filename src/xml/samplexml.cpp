#include "xml/samplexml.h"

#include "frame/uiapplication.h"
#include "frame/waitcursor.h"
#include "frame/win32constants.h"
#include "outside/coreexception.h"
#include "outside/coreformat.h"
#include "outside/corefilesystem.h"
#include "outside/xmldomparser.h"

namespace {

constexpr unsigned kLoadFailed = 63214;
constexpr unsigned kFileMissing = 63215;
constexpr unsigned kDefaultNamespaceWarning = 63293;

} // namespace

SampleXml::SampleXml() = default;
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
    if (path.isEmpty())
        return;
    if (!Core::IO::FileSystem::fileExists(path)) {
        m_lastError = Core::Format::format(Core::String::formatS(kFileMissing), path);
        return;
    }
    try {
        SmartPtr<Xml::XmlDocument> sample;
        switch (kind) {
        case SampleKind::Xml:
            sample = Xml::DomParser(path).getDocument();
            break;
        case SampleKind::DataAggregation:
            sample = filterXmlSourceFromLfa(Xml::DomParser(path).getDocument());
            break;
        case SampleKind::Schema:
            throw Core::Exception("schema samples are not built yet");
        }
        m_document = sample;
        createNamespaceMap();
        if (kind != SampleKind::Schema && m_hasDefaultNamespace)
            UIApplication::MessageBoxW(kDefaultNamespaceWarning, Win32::MB_ICONWARNING | Win32::MB_OK);
    } catch (const Core::Exception& e) {
        m_lastError = Core::Format::format(Core::String::formatS(kLoadFailed), e.getMessage());
        m_document = SmartPtr<Xml::XmlDocument>();
    }
}

SmartPtr<Xml::XmlDocument> SampleXml::filterXmlSourceFromLfa(const SmartPtr<Xml::XmlDocument>&)
{
    throw Core::Exception("data aggregation samples are not built yet");
}

void SampleXml::processLfaNode(const Xml::Element&, Xml::Element, const Core::String&,
                               const Core::String&)
{
}

void SampleXml::createNamespaceMap()
{
    m_namespaces.clear();
    m_hasDefaultNamespace = false;
    if (m_document)
        collectNamespace(m_document->getRootNode());
}

void SampleXml::collectNamespace(const Xml::Node& node)
{
    const Xml::Element element(node);
    if (element.isNull())
        return;
    for (const Xml::NamespaceDeclaration& declaration : element.get_namespace_declarations()) {
        if (isDefaultNamespacePrefix(declaration.prefix))
            continue;
        if (!declaration.prefix.isEmpty())
            m_namespaces[declaration.prefix] = declaration.uri;
        else if (!declaration.uri.isEmpty())
            m_hasDefaultNamespace = true;
    }
    for (const Xml::Element& child : element.get_child_elements())
        collectNamespace(child);
}

bool SampleXml::isDefaultNamespacePrefix(const Core::String& prefix)
{
    const Core::String lower = prefix.toLower();
    return lower == "fo" || lower == "kmb" || lower == "svg" || lower == "zc" || lower == "km"
           || lower == "xsl";
}
