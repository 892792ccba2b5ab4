#pragma once

#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/editableproperty.h"
#include "uieditor_export.h"

#include <vector>

/// The properties of one template object, in the order they were first added,
/// at most one per name. Names are compared exactly ("fo:padding-left" and
/// "padding-left" are two properties). A value type: copies are independent
/// (they share only the immutable properties).
class UIEDITOR_EXPORT PropertyCollection
{
public:
    using PropertyList = std::vector<SmartPtr<EditableProperty>>;

    PropertyCollection() = default;

    /// Gives the property of that name the new value, where it stands. A name not
    /// yet present is appended when `addIfMissing`, else nothing happens. Answers
    /// whether the collection now holds the given value.
    bool setProperty(const EditableProperty& property, bool addIfMissing = true);
    bool setProperty(const SmartPtr<EditableProperty>& property, bool addIfMissing = true);
    /// Appends a property. When the name is present already, the newer value
    /// replaces the older one in its place if `replaceExisting`, else the older
    /// one stays. Answers whether the collection now holds the given value.
    bool addProperty(const EditableProperty& property, bool replaceExisting = true);
    bool addProperty(const SmartPtr<EditableProperty>& property, bool replaceExisting = true);
    /// addProperty for each property of `other`, in its order.
    void addProperties(const PropertyCollection& other, bool replaceExisting = true);

    /// The value of the property `name`, or "" when there is none.
    Core::String getPropertyValue(const Core::String& name) const;
    /// The property `name`, or null when there is none.
    SmartPtr<EditableProperty> getProperty(const Core::String& name) const;
    bool containsProperty(const Core::String& name) const;
    /// Answers whether there was such a property.
    bool removePropertyByName(const Core::String& name);

    /// A copy of the list: changing the collection later does not change it.
    PropertyList getPropertyList() const { return m_properties; }
    int count() const { return int(m_properties.size()); }
    bool isEmpty() const { return m_properties.empty(); }
    /// Removes every property.
    void reset() { m_properties.clear(); }

    /// The properties as the attributes of a start tag, in order and separated by
    /// single blanks: fo:color="red" fo:font-family="&quot;Times&quot;". Values
    /// are escaped for a double-quoted attribute, line breaks and tabs included,
    /// so that they read back unchanged; characters XML cannot carry at all are
    /// left out. Properties whose name cannot be an attribute name are skipped.
    Core::String getPropertiesString() const;

    /// Same names with the same values; the order does not count, as it does
    /// not for attributes.
    friend UIEDITOR_EXPORT bool operator==(const PropertyCollection& a,
                                           const PropertyCollection& b);

private:
    int indexOf(const Core::String& name) const;

    PropertyList m_properties;
};
