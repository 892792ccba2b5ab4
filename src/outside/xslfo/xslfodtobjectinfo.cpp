#include "outside/xslfo/xslfodtobjectinfo.h"

#include "outside/xslfo/xslfopropertycatalogue.h"

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
        m_definedProperties = PropertyCatalogue::propertiesOf(getLocalName(), m_namespaceURI, getPrefix());
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
