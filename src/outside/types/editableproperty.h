#pragma once

#include "outside/core/coreobject.h"
#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// One named property value of a template object, "fo:padding-left" = "2pt".
/// It never changes once made, so a collection and every copy of it can share it;
/// a new value is a new property.
class UIEDITOR_EXPORT EditableProperty : public Core::Object
{
public:
    EditableProperty(const Core::String& name, const Core::String& value);
    EditableProperty(const EditableProperty&) = default;
    // Shared instances must not change under their other owners.
    EditableProperty& operator=(const EditableProperty&) = delete;
    ~EditableProperty() override;

    const Core::String& getName() const { return m_name; }
    const Core::String& getValue() const { return m_value; }

    friend bool operator==(const EditableProperty& a, const EditableProperty& b)
    {
        return a.m_name == b.m_name && a.m_value == b.m_value;
    }

private:
    Core::String m_name;
    Core::String m_value;
};
