#pragma once

#include "uieditor_export.h"

#include <QString>

/// The display format of a data field: a kind and the kind's pattern, kept
/// as one string such as "number:#,###.# th:, dec:. sign:" or "date:yyyy-MM-dd".
/// An empty string means no format.
class UIEDITOR_EXPORT FieldFormat
{
public:
    enum class Kind { None, Number, Currency, Date, Phone, Custom };

    FieldFormat() = default;
    FieldFormat(Kind kind, QString pattern);

    /// Reads any text. The prefix decides the kind; without `allKinds` only
    /// number formats are recognised. "time:" reads as a date. Text with no
    /// known prefix is no format.
    static FieldFormat parse(const QString& text, bool allKinds = true);
    /// "" for no format, else the kind's prefix followed by the pattern.
    QString toString() const;
    /// "number:", "currency:", ... ("" for none).
    static QString prefixOf(Kind kind);

    Kind kind() const { return m_kind; }
    /// The text after the prefix.
    const QString& pattern() const { return m_pattern; }

private:
    Kind m_kind = Kind::None;
    QString m_pattern;
};
