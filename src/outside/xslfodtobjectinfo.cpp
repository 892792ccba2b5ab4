#include "outside/xslfodtobjectinfo.h"

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

const Property* DTObjectInfo::getPropertyByName(const Core::String& name) const
{
    for (const Property& property : m_properties) {
        if (property.getName() == name) {
            return &property;
        }
    }
    return nullptr;
}

} // namespace XSLFO
