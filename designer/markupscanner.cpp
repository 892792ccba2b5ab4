#include "markupscanner.h"

#include <cstring>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool endsName(char c)
{
    return isSpace(c) || c == '>' || c == '/' || c == '=' || c == '<' || c == '"' || c == '\'';
}

} // namespace

MarkupScanner::MarkupScanner(const QByteArray& text) : m_text(text)
{
    m_valid = scan() && m_open.empty() && !m_elements.empty();
}

qsizetype MarkupScanner::firstElementFrom(qsizetype offset) const
{
    for (qsizetype i = 0; i < qsizetype(m_elements.size()); ++i) {
        if (m_elements[size_t(i)].start >= offset) {
            return i;
        }
    }
    return qsizetype(m_elements.size());
}

bool MarkupScanner::at(const char* prefix) const
{
    const qsizetype length = qsizetype(std::strlen(prefix));
    return m_pos + length <= m_text.size() && std::memcmp(m_text.constData() + m_pos, prefix, size_t(length)) == 0;
}

bool MarkupScanner::skipPast(const char* terminator)
{
    const qsizetype found = m_text.indexOf(terminator, m_pos);
    if (found < 0) {
        return false;
    }
    m_pos = found + qsizetype(std::strlen(terminator));
    return true;
}

// "<!DOCTYPE ...>" with an internal subset that may hold quoted '>', ']' and comments.
bool MarkupScanner::skipDeclaration()
{
    int depth = 0;
    char quote = 0;
    for (m_pos += 2; m_pos < m_text.size(); ++m_pos) {
        const char c = m_text.at(m_pos);
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (at("<!--")) {
            if (!skipPast("-->")) {
                return false;
            }
            --m_pos;
        } else if (c == '[') {
            ++depth;
        } else if (c == ']') {
            --depth;
        } else if (c == '>' && depth <= 0) {
            ++m_pos;
            return true;
        }
    }
    return false;
}

void MarkupScanner::skipSpaces()
{
    while (m_pos < m_text.size() && isSpace(m_text.at(m_pos))) {
        ++m_pos;
    }
}

QByteArray MarkupScanner::readName()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !endsName(m_text.at(m_pos))) {
        ++m_pos;
    }
    return m_text.mid(start, m_pos - start);
}

bool MarkupScanner::readStartTag()
{
    Element element;
    element.start = m_pos;
    ++m_pos;
    element.name = readName();
    if (element.name.isEmpty()) {
        return false;
    }
    for (;;) {
        skipSpaces();
        if (m_pos >= m_text.size()) {
            return false;
        }
        if (at("/>") || at(">")) {
            element.empty = at("/>");
            m_pos += element.empty ? 2 : 1;
            break;
        }
        Attribute attribute;
        attribute.start = m_pos;
        attribute.name = readName();
        skipSpaces();
        if (attribute.name.isEmpty() || !at("=")) {
            return false;
        }
        ++m_pos;
        skipSpaces();
        if (m_pos >= m_text.size() || (m_text.at(m_pos) != '"' && m_text.at(m_pos) != '\'')) {
            return false;
        }
        const char quote = m_text.at(m_pos);
        attribute.valueStart = m_pos + 1;
        attribute.valueEnd = m_text.indexOf(quote, attribute.valueStart);
        if (attribute.valueEnd < 0) {
            return false;
        }
        m_pos = attribute.valueEnd + 1;
        // XML separates attributes by white space: without it, removing one
        // attribute would glue its neighbours together.
        if (m_pos < m_text.size() && !isSpace(m_text.at(m_pos)) && !at("/>") && !at(">")) {
            return false;
        }
        element.attributes.push_back(std::move(attribute));
    }
    element.startTagEnd = m_pos;
    if (element.empty) {
        element.contentEnd = element.end = m_pos;
    } else {
        m_open.push_back(qsizetype(m_elements.size()));
    }
    m_elements.push_back(std::move(element));
    return true;
}

bool MarkupScanner::readEndTag()
{
    const qsizetype start = m_pos;
    m_pos += 2;
    const QByteArray name = readName();
    skipSpaces();
    if (m_open.empty() || !at(">") || m_elements[size_t(m_open.back())].name != name) {
        return false;
    }
    Element& element = m_elements[size_t(m_open.back())];
    m_open.pop_back();
    element.contentEnd = start;
    element.end = ++m_pos;
    return true;
}

bool MarkupScanner::scan()
{
    while (m_pos < m_text.size()) {
        m_pos = m_text.indexOf('<', m_pos);
        if (m_pos < 0) {
            return true;
        }
        bool read = false;
        if (at("<!--")) {
            read = skipPast("-->");
        } else if (at("<![CDATA[")) {
            read = skipPast("]]>");
        } else if (at("<?")) {
            read = skipPast("?>");
        } else if (at("<!")) {
            read = skipDeclaration();
        } else if (at("</")) {
            read = readEndTag();
        } else {
            read = readStartTag();
        }
        if (!read) {
            return false;
        }
    }
    return true;
}
