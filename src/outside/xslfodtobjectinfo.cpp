#include "outside/xslfodtobjectinfo.h"

#include "outside/xslfonamespaces.h"
#include "xml/syntaxxml.h"

namespace XSLFO {

DTObjectInfo::DTObjectInfo(const Core::String& qualifiedName, const Core::String& namespaceURI)
    : m_qualifiedName(qualifiedName), m_namespaceURI(namespaceURI)
{
}

DTObjectInfo::~DTObjectInfo() = default;

Core::String DTObjectInfo::getLocalName() const
{
    const int colon = m_qualifiedName.find(QChar(u':'));
    return colon >= 0 ? m_qualifiedName.subString(colon + 1) : m_qualifiedName;
}

Core::String DTObjectInfo::getPrefix() const
{
    const int colon = m_qualifiedName.find(QChar(u':'));
    return colon >= 0 ? m_qualifiedName.left(colon) : Core::String();
}

const std::vector<Property>& DTObjectInfo::getProperties() const
{
    if (m_propertiesGiven) {
        return m_properties;
    }
    if (!m_definedPropertiesRead) {
        m_definedPropertiesRead = true;
        const SyntaxXml& syntax = SyntaxXml::get();
        SyntaxXmlType type = SyntaxXml::getSyntaxXmlType(m_namespaceURI);
        if (type == SyntaxXmlType::Unknown && m_namespaceURI.isEmpty()) {
            type = SyntaxXml::getSyntaxXmlType(getPrefix());
        }
        const ElementData element = syntax.getElementDataByName(getLocalName(), type);
        for (const Core::String& name : element.getProperties()) {
            const int colon = name.find(QChar(u':'));
            const Core::String prefix = colon > 0 ? name.left(colon) : Core::String();
            const AttributeData attribute = syntax.getAttributeDataByQualifiedName(name, type);
            m_definedProperties.emplace_back(
                colon > 0 ? name.subString(colon + 1) : name,
                attribute.isEmpty() ? Core::String() : attribute.getDisplayName(),
                prefix.isEmpty() ? Core::String() : getDefaultNSUri(prefix), attribute.getGroup());
        }
    }
    return m_definedProperties;
}

void DTObjectInfo::setProperties(const std::vector<Property>& properties)
{
    m_properties = properties;
    m_propertiesGiven = true;
}

void DTObjectInfo::addProperty(const Property& property)
{
    m_properties.push_back(property);
    m_propertiesGiven = true;
}

const Property* DTObjectInfo::getPropertyByName(const Core::String& name) const
{
    for (const Property& property : getProperties()) {
        if (property.getName() == name) {
            return &property;
        }
    }
    return nullptr;
}

} // namespace XSLFO
