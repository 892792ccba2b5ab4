#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// One conditional formatting rule of a template object: while `condition` (an
/// XPath) holds, the attribute takes `value`, or the result of `dynamicValue` (an
/// XPath). The object is named by its "fo:id"; the host keeps the records of the
/// whole template in one list.
class UIEDITOR_EXPORT KMBAttribute
{
public:
    KMBAttribute() = default;
    KMBAttribute(const Core::String& objectId, const Core::String& attributeName,
                 const Core::String& nsPrefix, const Core::String& value,
                 const Core::String& dynamicValue, const Core::String& condition)
        : m_objectId(objectId), m_attributeName(attributeName), m_nsPrefix(nsPrefix),
          m_value(value), m_dynamicValue(dynamicValue), m_condition(condition)
    {
    }

    /// The "fo:id" of the object the rule belongs to.
    const Core::String& getObjectId() const { return m_objectId; }
    void setObjectId(const Core::String& id) { m_objectId = id; }
    /// The property, as prefix, ":" and local name ("fo:color").
    const Core::String& getAttributeName() const { return m_attributeName; }
    void setAttributeName(const Core::String& name) { m_attributeName = name; }
    const Core::String& getNsPrefix() const { return m_nsPrefix; }
    void setNsPrefix(const Core::String& prefix) { m_nsPrefix = prefix; }
    /// The static value; empty when the dynamic value is used.
    const Core::String& getValue() const { return m_value; }
    void setValue(const Core::String& value) { m_value = value; }
    const Core::String& getDynamicValue() const { return m_dynamicValue; }
    void setDynamicValue(const Core::String& xpath) { m_dynamicValue = xpath; }
    const Core::String& getCondition() const { return m_condition; }
    void setCondition(const Core::String& xpath) { m_condition = xpath; }

    bool operator==(const KMBAttribute&) const = default;

private:
    Core::String m_objectId;
    Core::String m_attributeName;
    Core::String m_nsPrefix;
    Core::String m_value;
    Core::String m_dynamicValue;
    Core::String m_condition;
};
