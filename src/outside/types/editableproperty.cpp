#include "outside/types/editableproperty.h"

EditableProperty::EditableProperty(const Core::String& name, const Core::String& value)
    : m_name(name), m_value(value)
{
}

EditableProperty::~EditableProperty() = default;
