#include "outside/cssvalues/xmlelementstyleinfo.h"

namespace Xml {

ElementStyleInfo::ElementStyleInfo(PropertyMap ownProperties, ClassStyleMap classStyles)
    : m_properties(std::move(ownProperties)), m_classStyles(std::move(classStyles))
{
}

void ElementStyleInfo::setClassStyle(const Core::String& className, const PropertyMap& properties)
{
    m_classStyles[className] = properties;
}

} // namespace Xml
