#pragma once

#include <cstddef>
#include <libxml/tree.h>
#include <unordered_map>
#include <utility>

/// How many child elements of one element carry each qualified name, counted
/// in one pass when the element starts to show its children, so that each
/// item, made later in batches, can tell whether it repeats.
class XmlSiblingNames
{
public:
    explicit XmlSiblingNames(const xmlNode* element);

    /// Whether another child element of the counted element has the
    /// qualified name of `child`.
    bool isShared(const xmlNode* child) const;

private:
    using Key = std::pair<const void*, const void*>; // the name's and the prefix's text
    struct KeyHash
    {
        std::size_t operator()(const Key& key) const;
    };
    static Key keyOf(const xmlNode* element);

    // Parsed names are kept once in libxml2's dictionary, so counting by the
    // address of their text is exact for them; equal names at different
    // addresses (nodes made by edits) are added up afterwards.
    std::unordered_map<Key, int, KeyHash> m_counts;
};
