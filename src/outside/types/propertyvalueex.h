#pragma once

#include "outside/core/corestring.h"
#include "outside/types/conditionalvalue.h"
#include "uieditor_export.h"

#include <vector>

/// The kind of a property value. The numbers are those hosts store.
enum class PropertyValueType : int {
    /// Fixed text.
    Static = 0,
    /// The result of an XPath on the input XML.
    Dynamic = 1,
    /// The first case whose condition holds; the static value otherwise.
    Conditional = 2,
};

/// The value of one attribute of a template object, as the property-value
/// controls and dialogs edit it. All parts are kept whatever the kind, so a
/// user switching kinds back and forth loses nothing.
///
/// Markup carries only the static text; the host keeps the rest under the
/// object id and attribute name, which is why an element whose value is not
/// static gets the object id as its "fo:id".
class UIEDITOR_EXPORT PropertyValueEx
{
public:
    PropertyValueEx() = default;
    /// A static, empty value of attribute `attributeName` of object `objectId`.
    PropertyValueEx(const Core::String& attributeName, const Core::String& objectId);

    PropertyValueType getType() const { return m_type; }
    void setType(PropertyValueType type) { m_type = type; }
    bool isStatic() const { return m_type == PropertyValueType::Static; }
    bool isDynamic() const { return m_type == PropertyValueType::Dynamic; }
    bool isConditional() const { return m_type == PropertyValueType::Conditional; }

    /// The text of a static value; the default of a conditional one.
    const Core::String& getStaticValue() const { return m_staticValue; }
    void setStaticValue(const Core::String& value) { m_staticValue = value; }
    /// The XPath of a dynamic value.
    const Core::String& getDynamicValue() const { return m_dynamicValue; }
    void setDynamicValue(const Core::String& xpath) { m_dynamicValue = xpath; }

    const Core::String& getObjectId() const { return m_objectId; }
    void setObjectId(const Core::String& objectId) { m_objectId = objectId; }
    const Core::String& getAttributeName() const { return m_attributeName; }
    void setAttributeName(const Core::String& name) { m_attributeName = name; }

    /// The cases of a conditional value, in the order they are tried.
    const std::vector<ConditionalValue>& getConditionalValues() const
    {
        return m_conditionalValues;
    }
    void setConditionalValues(const std::vector<ConditionalValue>& values)
    {
        m_conditionalValues = values;
    }
    void addConditionalValue(const ConditionalValue& value)
    {
        m_conditionalValues.push_back(value);
    }

    /// Whether the part of the value that its kind uses holds nothing: the text of
    /// a static value, the XPath of a dynamic one, the cases and the default of a
    /// conditional one. Parts that belong to other kinds do not count.
    bool isEmpty() const;

    bool operator==(const PropertyValueEx&) const = default;

private:
    PropertyValueType m_type = PropertyValueType::Static;
    Core::String m_staticValue;
    Core::String m_dynamicValue;
    Core::String m_objectId;
    Core::String m_attributeName;
    std::vector<ConditionalValue> m_conditionalValues;
};
