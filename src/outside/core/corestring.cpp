#include "outside/core/corestring.h"

#include "outside/core/stringtable.h"

namespace Core {

QChar String::charAt(int index) const
{
    return index >= 0 && index < length() ? m_text.at(index) : QChar();
}

int String::compare(const String& other) const
{
    return QString::compare(m_text, other.m_text, Qt::CaseSensitive);
}

int String::compareNoCase(const String& other) const
{
    return QString::compare(m_text, other.m_text, Qt::CaseInsensitive);
}

int String::find(const String& what, int from) const
{
    if (from < 0 || from > length()) {
        return -1;
    }
    return int(m_text.indexOf(what.m_text, from));
}

int String::find(QChar what, int from) const
{
    if (from < 0 || from >= length()) {
        return -1;
    }
    return int(m_text.indexOf(what, from));
}

int String::findLast(const String& what) const
{
    return int(m_text.lastIndexOf(what.m_text));
}

int String::findLast(QChar what) const
{
    return int(m_text.lastIndexOf(what));
}

int String::findAnyOf(const String& chars, int from) const
{
    for (int i = qMax(0, from); i < length(); ++i) {
        if (chars.m_text.contains(m_text.at(i))) {
            return i;
        }
    }
    return -1;
}

String String::subString(int first, int last) const
{
    first = qMax(0, first);
    last = qMin(last, length() - 1);
    if (first > last) {
        return String();
    }
    return m_text.mid(first, last - first + 1);
}

String String::subString(int first) const
{
    return subString(first, length() - 1);
}

String String::substringAfter(const String& separator) const
{
    const int at = find(separator);
    return at < 0 ? String() : subString(at + separator.length());
}

String String::substringBefore(const String& separator) const
{
    const int at = find(separator);
    return at < 0 ? String() : String(m_text.left(at));
}

String& String::trim()
{
    m_text = m_text.trimmed();
    return *this;
}

String& String::trimLeft()
{
    qsizetype i = 0;
    while (i < m_text.size() && m_text.at(i).isSpace()) {
        ++i;
    }
    m_text.remove(0, i);
    return *this;
}

String& String::trimRight()
{
    qsizetype n = m_text.size();
    while (n > 0 && m_text.at(n - 1).isSpace()) {
        --n;
    }
    m_text.truncate(n);
    return *this;
}

String String::replace(const String& what, const String& with) const
{
    const int at = find(what);
    if (what.isEmpty() || at < 0) {
        return *this;
    }
    QString copy = m_text;
    copy.replace(at, what.length(), with.m_text);
    return copy;
}

String String::replaceAll(const String& what, const String& with) const
{
    if (what.isEmpty()) {
        return *this;
    }
    QString copy = m_text;
    copy.replace(what.m_text, with.m_text);
    return copy;
}

std::vector<String> String::split(const String& separators, bool skipEmpty) const
{
    std::vector<String> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= m_text.size(); ++i) {
        if (i == m_text.size() || separators.m_text.contains(m_text.at(i))) {
            if (!skipEmpty || i > start) {
                pieces.emplace_back(m_text.mid(start, i - start));
            }
            start = i + 1;
        }
    }
    return pieces;
}

String String::formatS(unsigned id)
{
    return StringTable::instance().text(id);
}

bool String::loadString(unsigned id)
{
    m_text = StringTable::instance().text(id);
    return StringTable::instance().contains(id);
}

} // namespace Core
