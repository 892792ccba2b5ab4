#include "starttagrewriter.h"

#include <QList>
#include <QString>
#include <algorithm>

StartTagRewriter::StartTagRewriter(const QByteArray& text, const MarkupScanner::Element& element, bool asciiOnly)
    : m_text(text), m_element(element), m_asciiOnly(asciiOnly)
{
}

void StartTagRewriter::set(const QByteArray& name, const std::optional<QString>& value)
{
    const auto same = std::find_if(m_changes.begin(), m_changes.end(),
                                   [&name](const auto& change) { return change.first == name; });
    if (same != m_changes.end()) {
        same->second = value;
    } else {
        m_changes.emplace_back(name, value);
    }
}

QByteArray StartTagRewriter::attributeText(const char* name, const QString& value, bool asciiOnly)
{
    return QByteArray(" ") + name + "=\"" + escaped(value, '"', asciiOnly) + '"';
}

QByteArray StartTagRewriter::escaped(const QString& value, char quote, bool asciiOnly)
{
    QByteArray out;
    for (const char32_t c : value.toUcs4()) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        // Line breaks and tabs would be read back as spaces.
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        case '\t': out += "&#9;"; break;
        case '"': out += quote == '"' ? QByteArray("&quot;") : QByteArray("\""); break;
        case '\'': out += quote == '\'' ? QByteArray("&apos;") : QByteArray("'"); break;
        default:
            if (c < 0x80 || !asciiOnly) {
                out += QString::fromUcs4(&c, 1).toUtf8();
            } else {
                out += "&#" + QByteArray::number(uint(c)) + ';';
            }
        }
    }
    return out;
}

QByteArray StartTagRewriter::result() const
{
    const qsizetype base = m_element.start;
    QByteArray tag = m_text.mid(base, m_element.startTagEnd - base);
    QByteArray appended;
    // Back to front, so the offsets of what is still to change stay right.
    std::vector<std::pair<const MarkupScanner::Attribute*, std::optional<QString>>> inPlace;
    for (const auto& change : m_changes) {
        const QByteArray& name = change.first;
        const std::optional<QString>& value = change.second;
        const auto found = std::find_if(m_element.attributes.begin(), m_element.attributes.end(),
                                        [&name](const MarkupScanner::Attribute& a) { return a.name == name; });
        if (found != m_element.attributes.end()) {
            inPlace.emplace_back(&*found, value);
        } else if (value) {
            appended += ' ' + name + "=\"" + escaped(*value, '"', m_asciiOnly) + '"';
        }
    }
    std::sort(inPlace.begin(), inPlace.end(),
              [](const auto& a, const auto& b) { return a.first->start > b.first->start; });
    for (const auto& [attribute, value] : inPlace) {
        if (value) {
            const char quote = m_text.at(attribute->valueEnd);
            tag.replace(attribute->valueStart - base, attribute->valueEnd - attribute->valueStart,
                        escaped(*value, quote, m_asciiOnly));
            continue;
        }
        qsizetype from = attribute->start - base;
        while (from > 0 && QByteArray(" \t\r\n").contains(tag.at(from - 1))) {
            --from;
        }
        tag.remove(from, attribute->valueEnd + 1 - base - from);
    }
    if (!appended.isEmpty()) {
        // After the last attribute: spaces and line breaks before ">" stay.
        qsizetype at = tag.size() - (m_element.empty ? 2 : 1);
        while (at > 0 && QByteArray(" \t\r\n").contains(tag.at(at - 1))) {
            --at;
        }
        tag.insert(at, appended);
    }
    if (m_open && m_element.empty) {
        tag.replace(tag.size() - 2, 2, ">");
    }
    return tag;
}
