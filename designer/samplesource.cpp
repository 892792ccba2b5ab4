#include "samplesource.h"

#include "outside/core/corefilesystem.h"
#include "outside/core/namespaces.h"

namespace {

DatasourceType typeByExtension(const Core::String& path)
{
    const Core::String extension = Core::IO::FileSystem::getExtension(path).toLower();
    if (extension == ".lfa") {
        return DatasourceType::DataAggregationFile;
    }
    return extension == ".xsd" ? DatasourceType::XsdFile : DatasourceType::XmlFile;
}

} // namespace

SampleSource SampleSource::of(const Xml::Element& root, const Core::String& templatePath)
{
    SampleSource source;
    const Core::String lfa = root.get_attribute_value("sample-lfa", Xml::Namespaces::KMB);
    const Core::String xsd = root.get_attribute_value("sample-xsd", Xml::Namespaces::KMB);
    const Core::String xml = root.get_attribute_value("sample-xml", Xml::Namespaces::KMB);
    const Core::String relative = !lfa.isEmpty() ? lfa : !xsd.isEmpty() ? xsd : xml;
    if (relative.isEmpty()) {
        return source;
    }
    source.type = !lfa.isEmpty()   ? DatasourceType::DataAggregationFile
                  : !xsd.isEmpty() ? DatasourceType::XsdFile
                                   : typeByExtension(xml);
    source.path = Core::IO::FileSystem::combine(Core::IO::FileSystem::getDirectoryName(templatePath), relative);
    return source;
}

Core::String SampleSource::key(const Xml::Element& root)
{
    return root.get_attribute_value("sample-lfa", Xml::Namespaces::KMB) + "\n" +
           root.get_attribute_value("sample-xsd", Xml::Namespaces::KMB) + "\n" +
           root.get_attribute_value("sample-xml", Xml::Namespaces::KMB);
}
