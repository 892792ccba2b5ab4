#include "outside/types/attributeset.h"

#include "outside/dom/xmlattribute.h"

AttributeSet::AttributeSet(const Xml::Element& element)
{
    for (const Xml::Attribute& attribute : element.get_attributes()) {
        m_entries.push_back(
            {{attribute.get_name(), attribute.get_namespace_uri(), attribute.get_value()}});
    }
}

AttributeSet::Entry* AttributeSet::plain(const Core::String& name)
{
    for (Entry& entry : m_entries) {
        if (entry.attribute.namespaceUri.isEmpty() && entry.attribute.qualifiedName == name) {
            return &entry;
        }
    }
    return nullptr;
}

Core::String AttributeSet::take(const Core::String& name)
{
    Entry* entry = plain(name);
    if (!entry) {
        return {};
    }
    entry->taken = true;
    return entry->attribute.value;
}

void AttributeSet::putBack(const Core::String& name)
{
    if (Entry* entry = plain(name)) {
        entry->taken = false;
    }
}

std::vector<KeptAttribute> AttributeSet::kept() const
{
    std::vector<KeptAttribute> kept;
    for (const Entry& entry : m_entries) {
        if (!entry.taken) {
            kept.push_back(entry.attribute);
        }
    }
    return kept;
}
