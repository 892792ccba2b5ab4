#include "xml/widgets/xmlsiblingnames_p.h"

#include "xml/widgets/xmltreerules_p.h"

#include <functional>
#include <QHash>

std::size_t XmlSiblingNames::KeyHash::operator()(const Key& key) const
{
    const std::size_t first = std::hash<const void*>()(key.first);
    return first ^
           (std::hash<const void*>()(key.second) + 0x9e3779b9 + (first << 6) + (first >> 2));
}

XmlSiblingNames::Key XmlSiblingNames::keyOf(const xmlNode* element)
{
    const void* prefix = element->ns && element->ns->prefix ? element->ns->prefix : nullptr;
    return {element->name, prefix};
}

XmlSiblingNames::XmlSiblingNames(const xmlNode* element)
{
    std::unordered_map<Key, const xmlNode*, KeyHash> firstOfKey;
    for (const xmlNode* child = element ? element->children : nullptr; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            ++m_counts[keyOf(child)];
            firstOfKey.emplace(keyOf(child), child);
        }
    }
    if (m_counts.size() < 2) {
        return;
    }
    QHash<QString, int> byName;
    for (const auto& [key, first] : firstOfKey) {
        byName[XmlTreeRules::qualifiedName(first)] += m_counts[key];
    }
    for (const auto& [key, first] : firstOfKey) {
        m_counts[key] = byName.value(XmlTreeRules::qualifiedName(first));
    }
}

bool XmlSiblingNames::isShared(const xmlNode* child) const
{
    const auto found = m_counts.find(keyOf(child));
    return found != m_counts.end() && found->second > 1;
}
