#include "outside/types/propertyvalueex.h"

PropertyValueEx::PropertyValueEx(const Core::String& attributeName, const Core::String& objectId)
    : m_objectId(objectId), m_attributeName(attributeName)
{
}

bool PropertyValueEx::isEmpty() const
{
    switch (m_type) {
    case PropertyValueType::Static:
        return m_staticValue.isEmpty();
    case PropertyValueType::Dynamic:
        return m_dynamicValue.isEmpty();
    case PropertyValueType::Conditional:
        return m_conditionalValues.empty() && m_staticValue.isEmpty();
    }
    // A number outside the enumeration, cast in by a host: nothing usable.
    return true;
}
