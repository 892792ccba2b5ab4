#pragma once

#include "outside/core/coreobject.h"
#include "outside/core/corestring.h"
#include "outside/xslfo/xslfoproperty.h"
#include "uieditor_export.h"

#include <vector>

namespace XSLFO {

/// What the host tells about one object of the edited template: which element
/// it is (qualified name, local name, namespace URI), the name shown for it, the
/// identity the host gives it, and the properties the element accepts.
/// Shared as SmartPtr<DTObjectInfo>.
class UIEDITOR_EXPORT DTObjectInfo : public Core::Object
{
public:
    DTObjectInfo() = default;
    DTObjectInfo(const Core::String& qualifiedName, const Core::String& namespaceURI);
    ~DTObjectInfo() override;

    /// "fo:block": the name the navigation bar shows and matches paths against.
    const Core::String& getName() const { return m_qualifiedName; }
    /// "block": the part of the qualified name after its prefix.
    Core::String getLocalName() const;
    /// The prefix of the qualified name, "" when it has none.
    Core::String getPrefix() const;
    const Core::String& getNamespaceURI() const { return m_namespaceURI; }

    /// The name shown to the user; the qualified name when none was given.
    const Core::String& getDisplayName() const
    {
        return m_displayName.isEmpty() ? m_qualifiedName : m_displayName;
    }
    void setDisplayName(const Core::String& name) { m_displayName = name; }
    /// The host's identity of the object, telling apart two objects of the same
    /// element (two nested blocks); "" when the host gives none.
    const Core::String& getObjectId() const { return m_objectId; }
    void setObjectId(const Core::String& id) { m_objectId = id; }

    /// The properties the element accepts: those the host gave, or, when it gave
    /// none, those the syntax definition of the element's vocabulary lists, with
    /// the display names and groups the definition gives them.
    const std::vector<Property>& getProperties() const;
    void setProperties(const std::vector<Property>& properties);
    void addProperty(const Property& property);
    /// The accepted property whose local name is `name`, or null when the element
    /// accepts none of that name. The pointer lives as long as the property list
    /// is not changed.
    const Property* getPropertyByName(const Core::String& name) const;

    /// The same object: same element (qualified name and namespace URI) and same
    /// identity. Names shown and property lists do not count.
    friend bool operator==(const DTObjectInfo& a, const DTObjectInfo& b)
    {
        return a.m_qualifiedName == b.m_qualifiedName && a.m_namespaceURI == b.m_namespaceURI &&
               a.m_objectId == b.m_objectId;
    }

private:
    Core::String m_qualifiedName;
    Core::String m_namespaceURI;
    Core::String m_displayName;
    Core::String m_objectId;
    std::vector<Property> m_properties;
    bool m_propertiesGiven = false;
    // Filled from the syntax definition on first use when the host gave no list.
    mutable std::vector<Property> m_definedProperties;
    mutable bool m_definedPropertiesRead = false;
};

} // namespace XSLFO
