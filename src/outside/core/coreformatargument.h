#pragma once

#include "outside/core/corestring.h"

#include <QtGlobal>

namespace Core {

/// One value to fill into a "{n}" placeholder: text or a number. Numbers keep
/// their kind so that "{0:0.###}" can format them and "{0}" prints integers
/// without decimals.
class UIEDITOR_EXPORT FormatArgument
{
public:
    enum class Kind { Text, Integer, Real };

    FormatArgument(const String& text) : m_kind(Kind::Text), m_text(text) {}
    FormatArgument(const QString& text) : m_kind(Kind::Text), m_text(text) {}
    FormatArgument(const char* utf8) : m_kind(Kind::Text), m_text(utf8) {}
    FormatArgument(QChar c) : m_kind(Kind::Text), m_text(c) {}
    FormatArgument(int value) : m_kind(Kind::Integer), m_integer(value) {}
    FormatArgument(unsigned value) : m_kind(Kind::Integer), m_integer(value) {}
    FormatArgument(long value) : m_kind(Kind::Integer), m_integer(value) {}
    FormatArgument(long long value) : m_kind(Kind::Integer), m_integer(value) {}
    FormatArgument(unsigned long value) : m_kind(Kind::Integer), m_integer(qint64(value)) {}
    FormatArgument(double value) : m_kind(Kind::Real), m_real(value) {}
    FormatArgument(float value) : m_kind(Kind::Real), m_real(value) {}
    FormatArgument(bool value) : m_kind(Kind::Text), m_text(value ? "true" : "false") {}

    Kind kind() const { return m_kind; }
    /// The value as text, formatted by `numberFormat` when it is a number and
    /// a format is given ("0.###", "0.00", "#,##0", "D3", "F2", "N0", "X").
    String toString(const String& numberFormat = String()) const;

private:
    Kind m_kind;
    String m_text;
    qint64 m_integer = 0;
    double m_real = 0;
};

} // namespace Core
