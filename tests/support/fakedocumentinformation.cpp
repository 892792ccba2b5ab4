#include "fakedocumentinformation.h"

#include "outside/core/namespaces.h"

namespace TestSupport {

FakeDocumentInformation::FakeDocumentInformation() : m_chain(makeSmart<XSLFO::DTObjectInfoList>()) {}

FakeDocumentInformation::~FakeDocumentInformation() = default;

SmartPtr<XSLFO::DTObjectInfo> FakeDocumentInformation::addToChain(const Core::String& qualifiedName,
                                                                  const Core::String& path,
                                                                  const QList<QPair<QString, QString>>& properties)
{
    const QString prefix = qualifiedName.toQString().section(QLatin1Char(':'), 0, 0);
    const Core::String uri = prefix == QLatin1String("kmb") ? Xml::Namespaces::KMB
                             : prefix == QLatin1String("km") ? Xml::Namespaces::KM
                                                             : Xml::Namespaces::FO;
    auto info = makeSmart<XSLFO::DTObjectInfo>(qualifiedName, uri);
    m_chain->add(info);
    m_paths << path.toQString();
    PropertyCollection collection;
    for (const auto& [name, value] : properties) {
        collection.addProperty(EditableProperty(name, value), true);
    }
    m_properties.insert(path.toQString(), collection);
    return info;
}

void FakeDocumentInformation::setProperties(const Core::String& path, const PropertyCollection& properties)
{
    m_properties.insert(path.toQString(), properties);
}

bool FakeDocumentInformation::hasSampleData()
{
    return m_hasSampleData;
}

SmartPtr<XSLFO::DTObjectInfo> FakeDocumentInformation::getSelectedObjectInfo()
{
    return m_chain->get(0);
}

SmartPtr<XSLFO::DTObjectInfo> FakeDocumentInformation::getObjectInfo(const Core::String& name)
{
    for (const auto& object : m_chain->getObjects()) {
        if (object->getName() == name || object->getObjectId() == name) {
            return object;
        }
    }
    return {};
}

Core::String FakeDocumentInformation::getSelectedObjectPath()
{
    return m_paths.value(0);
}

SmartPtr<XSLFO::DTObjectInfoList> FakeDocumentInformation::getObjectChain()
{
    return m_chain;
}

PropertyCollection FakeDocumentInformation::getObjectProperties(const Core::String& path)
{
    m_askedPaths << path.toQString();
    return m_properties.value(path.toQString());
}

Core::String FakeDocumentInformation::getDocumentPath()
{
    return m_documentPath;
}

SmartPtr<SampleXml> FakeDocumentInformation::getSampleXml()
{
    return m_sample;
}

std::vector<ManagedScript> FakeDocumentInformation::getScripts()
{
    return m_scripts;
}

std::vector<KMBVariable> FakeDocumentInformation::getVariables()
{
    return m_variables;
}

std::map<Core::String, Core::String> FakeDocumentInformation::getNamespaces()
{
    return m_namespaces;
}

int FakeDocumentInformation::getXsltEngine()
{
    return m_xsltEngine;
}

} // namespace TestSupport
