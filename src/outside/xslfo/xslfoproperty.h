#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

namespace XSLFO {

/// A property that an element of the template language accepts, as the
/// property lists of the formatting dialogs offer it: the name written in
/// markup, the name shown to the user, the namespace it belongs to (its prefix
/// comes from XSLFO::getDefaultNSPrefix), and the group it is listed under.
class UIEDITOR_EXPORT Property
{
public:
    Property() = default;
    Property(const Core::String& name, const Core::String& displayName,
             const Core::String& namespaceURI, const Core::String& group = Core::String())
        : m_name(name), m_displayName(displayName), m_namespaceURI(namespaceURI), m_group(group)
    {
    }

    /// The local name, "border-left-width".
    const Core::String& getName() const { return m_name; }
    void setName(const Core::String& name) { m_name = name; }
    /// The name shown in lists; the local name when none was given.
    const Core::String& getDisplayName() const
    {
        return m_displayName.isEmpty() ? m_name : m_displayName;
    }
    void setDisplayName(const Core::String& name) { m_displayName = name; }
    const Core::String& getNamespaceURI() const { return m_namespaceURI; }
    void setNamespaceURI(const Core::String& uri) { m_namespaceURI = uri; }
    const Core::String& getGroup() const { return m_group; }
    void setGroup(const Core::String& group) { m_group = group; }

    bool operator==(const Property&) const = default;

private:
    Core::String m_name;
    Core::String m_displayName;
    Core::String m_namespaceURI;
    Core::String m_group;
};

} // namespace XSLFO
