#pragma once

#include "uieditor_export.h"

#include <QHashFunctions>
#include <QString>
#include <QStringList>
#include <vector>

namespace Core {

/// UTF-16 text, the string type of every interface of the library.
/// A thin value type over QString that keeps the conventions hosts rely on:
/// indexes are ints, "not found" is -1 and subString() takes an inclusive last index.
class UIEDITOR_EXPORT String
{
public:
    String() = default;
    String(const QString& text) : m_text(text) {}
    String(QString&& text) noexcept : m_text(std::move(text)) {}
    /// UTF-8 text.
    String(const char* utf8) : m_text(QString::fromUtf8(utf8)) {}
    String(const char16_t* utf16) : m_text(QString::fromUtf16(utf16)) {}
    String(QChar c) : m_text(c) {}
    String(QLatin1StringView text) : m_text(text) {}

    const QString& toQString() const { return m_text; }
    operator const QString&() const { return m_text; }
    QByteArray toUtf8() const { return m_text.toUtf8(); }
    std::u16string toStdU16String() const { return m_text.toStdU16String(); }

    int length() const { return int(m_text.size()); }
    bool isEmpty() const { return m_text.isEmpty(); }
    QChar operator[](int index) const { return m_text.at(index); }
    QChar charAt(int index) const;

    /// 0 when equal, negative when this sorts first, positive otherwise.
    int compare(const String& other) const;
    int compareNoCase(const String& other) const;
    bool equalsNoCase(const String& other) const { return compareNoCase(other) == 0; }

    /// Index of the first occurrence at or after `from`, or -1.
    int find(const String& what, int from = 0) const;
    int find(QChar what, int from = 0) const;
    /// Index of the last occurrence, or -1.
    int findLast(const String& what) const;
    int findLast(QChar what) const;
    /// Index of the first character that is one of `chars`, or -1.
    int findAnyOf(const String& chars, int from = 0) const;
    bool contains(const String& what) const { return find(what) >= 0; }

    /// Characters from `first` to `last`, both included; indexes are clamped.
    String subString(int first, int last) const;
    /// Characters from `first` to the end.
    String subString(int first) const;
    /// The text after the first occurrence of `separator`, or "" when absent.
    String substringAfter(const String& separator) const;
    String substringBefore(const String& separator) const;
    String left(int count) const { return m_text.left(count); }
    String right(int count) const { return m_text.right(count); }

    bool startsWith(const String& prefix) const { return m_text.startsWith(prefix.m_text); }
    bool endsWith(const String& suffix) const { return m_text.endsWith(suffix.m_text); }

    /// Removes leading and trailing white space, in place.
    String& trim();
    String& trimLeft();
    String& trimRight();
    String trimmed() const { return m_text.trimmed(); }

    String toLower() const { return m_text.toLower(); }
    String toUpper() const { return m_text.toUpper(); }

    /// Copy with the first occurrence of `what` replaced.
    String replace(const String& what, const String& with) const;
    /// Copy with every occurrence of `what` replaced.
    String replaceAll(const String& what, const String& with) const;

    /// Splits at every character that is one of `separators`. Empty pieces are
    /// kept unless `skipEmpty` is set.
    std::vector<String> split(const String& separators, bool skipEmpty = false) const;

    /// The text of string resource `id` in the running language ("" when unknown).
    static String formatS(unsigned id);
    /// Loads string resource `id` into this string; false (and empty) when unknown.
    bool loadString(unsigned id);

    String& operator+=(const String& other)
    {
        m_text += other.m_text;
        return *this;
    }
    String& operator+=(QChar c)
    {
        m_text += c;
        return *this;
    }
    friend String operator+(const String& a, const String& b) { return a.m_text + b.m_text; }
    friend String operator+(const String& a, const QString& b) { return a.m_text + b; }
    friend String operator+(const QString& a, const String& b) { return a + b.m_text; }
    friend String operator+(const String& a, const char* b) { return a.m_text + QString::fromUtf8(b); }
    friend String operator+(const char* a, const String& b) { return QString::fromUtf8(a) + b.m_text; }
    friend String operator+(const String& a, QChar b) { return a.m_text + b; }
    friend bool operator==(const String& a, const String& b) { return a.m_text == b.m_text; }
    friend bool operator==(const String& a, const char* b) { return a.m_text == QString::fromUtf8(b); }
    friend bool operator<(const String& a, const String& b) { return a.m_text < b.m_text; }

private:
    QString m_text;
};

inline size_t qHash(const String& s, size_t seed = 0) noexcept
{
    return ::qHash(s.toQString(), seed);
}

} // namespace Core

template <>
struct std::hash<Core::String>
{
    size_t operator()(const Core::String& s) const noexcept { return qHash(s.toQString()); }
};
