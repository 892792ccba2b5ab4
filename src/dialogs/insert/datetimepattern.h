#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <QDateTime>
#include <QLocale>

/// A date or time pattern as the designer's fields store it: letters stand
/// for parts of the date ("yyyy", "MMMM", "EEEE", "h", "a"), text in single
/// quotes is written as it stands. Names of days and months come from the
/// locale, so a pattern reads in the user's language.
class UIEDITOR_EXPORT DateTimePattern
{
public:
    explicit DateTimePattern(Core::String pattern) : m_pattern(std::move(pattern)) {}

    const Core::String& text() const { return m_pattern; }
    /// The pattern with every single quote removed, as the field's format shows it.
    Core::String unquoted() const;
    /// The pattern cut before its first hour letter ("h" or "H") outside
    /// quotes: the date part keeps the blank before the time. A pattern
    /// without hours is all date.
    std::pair<DateTimePattern, DateTimePattern> splitBeforeHours() const;
    /// `moment` written in `locale` by the pattern.
    Core::String format(const QDateTime& moment, const QLocale& locale) const;
    /// The same pattern in QLocale's format syntax.
    QString toQtFormat() const;

private:
    Core::String m_pattern;
};
