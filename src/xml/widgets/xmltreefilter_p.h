#pragma once

#include "xml/widgets/xmltreerules_p.h"

#include <QStringList>
#include <unordered_map>

/// Decides which nodes stay in the XML tree under the filters applied since
/// the last refresh. Filters narrow one another: a node stays under the k-th
/// when it stayed under the ones before and it matches the k-th text or keeps
/// a descendant that stays under it. The decision is made on the document
/// itself, so that items are only made for what stays.
class XmlTreeFilter
{
public:
    /// `texts` are lower case, oldest first.
    XmlTreeFilter(QStringList texts, const XmlTreeRules& rules);

    /// Whether `node` matches the newest text on its own: an element or
    /// attribute by local name, an attribute also by value, a text by content.
    bool matches(const xmlNode* node) { return matches(node, int(m_texts.size()) - 1); }
    /// Whether a shown node whose parent stays, stays.
    bool stays(const xmlNode* node) { return stays(node, int(m_texts.size()) - 1); }
    /// Whether some attribute or child of `element` stays.
    bool keepsChild(const xmlNode* element) { return keepsChild(element, int(m_texts.size()) - 1); }

private:
    bool matches(const xmlNode* node, int level);
    bool stays(const xmlNode* node, int level);
    bool keepsChild(const xmlNode* element, int level);
    bool nameMatches(const xmlChar* name, int level);
    bool textMatches(const char* text, int level) const;

    QStringList m_texts;
    XmlTreeRules m_rules;
    // Parsed names are shared by libxml2's dictionary: a name is lower-cased
    // and compared once per filter, not once per node.
    std::vector<std::unordered_map<const xmlChar*, bool>> m_names;
    std::vector<QByteArray> m_asciiTexts; // the texts in UTF-8, empty when not ASCII
};
