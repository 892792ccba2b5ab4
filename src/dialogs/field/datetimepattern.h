#pragma once

#include "uieditor_export.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

/// Date and time patterns in the letters field formats use: yyyy, yy, M, MM,
/// MMM (short month name), MMMM (month name), d, dd, EEE (short day name),
/// EEEE (day name), H, HH (0-23), h, hh (1-12), m, mm, s, ss, a (AM/PM);
/// text in single quotes is literal, '' is a quote. Names come from the
/// locale, so they read in the user's language.
class UIEDITOR_EXPORT DateTimePattern
{
public:
    static QString format(const QDateTime& when, const QString& pattern, const QLocale& locale = QLocale());
    /// The pattern with every quote removed, as it is shown to the user.
    static QString unquoted(const QString& pattern);
    /// Reads an ISO 8601 date, date and time, or time ("2008-10-24",
    /// "2008-10-24T15:51:36", "15:51"); invalid when it is none of these.
    static QDateTime parseValue(const QString& text);
};
