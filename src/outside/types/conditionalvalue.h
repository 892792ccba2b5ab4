#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// One case of a conditional property value: when `condition` (an XPath) holds,
/// the property takes the static value, or the result of the dynamic value (an
/// XPath) when the record is dynamic. The cases of a value are tried in order.
class UIEDITOR_EXPORT ConditionalValue
{
public:
    ConditionalValue() = default;
    ConditionalValue(const Core::String& staticValue, const Core::String& dynamicValue,
                     const Core::String& condition, bool dynamic)
        : m_staticValue(staticValue), m_dynamicValue(dynamicValue), m_condition(condition),
          m_dynamic(dynamic)
    {
    }

    const Core::String& getStaticValue() const { return m_staticValue; }
    void setStaticValue(const Core::String& value) { m_staticValue = value; }
    const Core::String& getDynamicValue() const { return m_dynamicValue; }
    void setDynamicValue(const Core::String& xpath) { m_dynamicValue = xpath; }
    const Core::String& getCondition() const { return m_condition; }
    void setCondition(const Core::String& xpath) { m_condition = xpath; }
    /// Whether the dynamic value, not the static one, is in force.
    bool isDynamic() const { return m_dynamic; }
    void setDynamic(bool dynamic) { m_dynamic = dynamic; }

    /// The value in force: the dynamic value when dynamic, else the static value.
    /// Both are kept, so switching the flag back restores the other one.
    const Core::String& getValue() const { return m_dynamic ? m_dynamicValue : m_staticValue; }

    bool operator==(const ConditionalValue&) const = default;

private:
    Core::String m_staticValue;
    Core::String m_dynamicValue;
    Core::String m_condition;
    bool m_dynamic = false;
};
