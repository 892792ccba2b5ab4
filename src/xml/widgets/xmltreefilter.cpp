#include "xml/widgets/xmltreefilter_p.h"

#include <cstring>

namespace {

char asciiLower(unsigned char c)
{
    return char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
}

bool isAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

// The text an attribute holds; libxml2 keeps it as its children.
QByteArray attributeValue(const xmlNode* attribute)
{
    const xmlNode* text = attribute->children;
    if (text && text->type == XML_TEXT_NODE && !text->next) {
        return QByteArray(reinterpret_cast<const char*>(text->content));
    }
    xmlChar* value = xmlNodeGetContent(attribute);
    QByteArray bytes(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return bytes;
}

} // namespace

XmlTreeFilter::XmlTreeFilter(QStringList texts, const XmlTreeRules& rules)
    : m_texts(std::move(texts)), m_rules(rules), m_names(std::size_t(m_texts.size()))
{
    for (const QString& text : m_texts) {
        m_asciiTexts.push_back(isAscii(text) ? text.toLatin1() : QByteArray());
    }
}

bool XmlTreeFilter::nameMatches(const xmlChar* name, int level)
{
    auto& cache = m_names[std::size_t(level)];
    const auto found = cache.find(name);
    if (found != cache.end()) {
        return found->second;
    }
    const bool match = QString::fromUtf8(reinterpret_cast<const char*>(name))
                           .toLower()
                           .contains(m_texts.at(level));
    cache.emplace(name, match);
    return match;
}

bool XmlTreeFilter::textMatches(const char* text, int level) const
{
    const QString& wanted = m_texts.at(level);
    if (!text) {
        return wanted.isEmpty();
    }
    // Plain ASCII, the common case, is searched in place; anything else goes
    // through the string class, which lower-cases and trims by Unicode.
    const auto* begin = reinterpret_cast<const unsigned char*>(text);
    const unsigned char* end = begin + std::strlen(text);
    bool ascii = true;
    for (const unsigned char* c = begin; c < end; ++c) {
        if (*c >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (!ascii) {
        return QString::fromUtf8(text).trimmed().toLower().contains(wanted);
    }
    const QByteArray& needle = m_asciiTexts[std::size_t(level)];
    if (needle.isEmpty()) {
        return wanted.isEmpty(); // lower-cased ASCII never holds other characters
    }
    while (begin < end && XmlTreeRules::isAsciiSpace(*begin)) {
        ++begin;
    }
    while (end > begin && XmlTreeRules::isAsciiSpace(end[-1])) {
        --end;
    }
    const auto length = end - begin;
    const auto needleLength = needle.size();
    for (std::ptrdiff_t start = 0; start + needleLength <= length; ++start) {
        qsizetype i = 0;
        while (i < needleLength && asciiLower(begin[start + i]) == needle[i]) {
            ++i;
        }
        if (i == needleLength) {
            return true;
        }
    }
    return false;
}

bool XmlTreeFilter::matches(const xmlNode* node, int level)
{
    switch (node->type) {
    case XML_ELEMENT_NODE:
        return nameMatches(node->name, level);
    case XML_ATTRIBUTE_NODE:
        return nameMatches(node->name, level) ||
               textMatches(attributeValue(node).constData(), level);
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
        return textMatches(reinterpret_cast<const char*>(node->content), level);
    default:
        return false;
    }
}

bool XmlTreeFilter::stays(const xmlNode* node, int level)
{
    if (level < 0) {
        return true;
    }
    if (!stays(node, level - 1)) {
        return false;
    }
    if (matches(node, level)) {
        return true;
    }
    return node->type == XML_ELEMENT_NODE && keepsChild(node, level);
}

bool XmlTreeFilter::keepsChild(const xmlNode* element, int level)
{
    if (m_rules.showsAttributes(element)) {
        for (const xmlAttr* attribute = element->properties; attribute;
             attribute = attribute->next) {
            if (m_rules.isShownAttribute(attribute) &&
                stays(reinterpret_cast<const xmlNode*>(attribute), level)) {
                return true;
            }
        }
    }
    for (const xmlNode* child = element->children; child; child = child->next) {
        if (XmlTreeRules::isShownChild(child) && stays(child, level)) {
            return true;
        }
    }
    return false;
}
