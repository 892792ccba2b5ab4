#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <map>

namespace Xml {

/// The styles of one element name in a stylesheet: the element's own
/// declarations ("p { ... }") and those of each of its classes ("p.note { ... }").
class UIEDITOR_EXPORT ElementStyleInfo
{
public:
    /// Property name to value, "font-size" = "12pt".
    using PropertyMap = std::map<Core::String, Core::String>;
    /// Class name to that class's properties.
    using ClassStyleMap = std::map<Core::String, PropertyMap>;

    ElementStyleInfo() = default;
    ElementStyleInfo(PropertyMap ownProperties, ClassStyleMap classStyles);

    const PropertyMap& getProperties() const { return m_properties; }
    void setProperties(const PropertyMap& properties) { m_properties = properties; }
    const ClassStyleMap& getClassStyles() const { return m_classStyles; }
    /// Sets the properties of one class, replacing what it had.
    void setClassStyle(const Core::String& className, const PropertyMap& properties);

private:
    PropertyMap m_properties;
    ClassStyleMap m_classStyles;
};

} // namespace Xml
