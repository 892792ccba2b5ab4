#include "dialogs/field/datetimepattern.h"

namespace {

QString padded(int value, qsizetype width)
{
    return QStringLiteral("%1").arg(value, int(std::min<qsizetype>(width, 2)), 10, QLatin1Char('0'));
}

QString field(QChar letter, qsizetype count, const QDateTime& when, const QLocale& locale)
{
    const QDate date = when.date();
    const QTime time = when.time();
    switch (letter.unicode()) {
    case u'y':
        return count == 2 ? padded(date.year() % 100, 2) : QString::number(date.year());
    case u'M':
        if (count >= 4) {
            return locale.monthName(date.month(), QLocale::LongFormat);
        }
        if (count == 3) {
            return locale.monthName(date.month(), QLocale::ShortFormat);
        }
        return padded(date.month(), count);
    case u'd':
        return padded(date.day(), count);
    case u'E':
        return locale.dayName(date.dayOfWeek(), count >= 4 ? QLocale::LongFormat : QLocale::ShortFormat);
    case u'H':
        return padded(time.hour(), count);
    case u'h':
        return padded(time.hour() % 12 == 0 ? 12 : time.hour() % 12, count);
    case u'm':
        return padded(time.minute(), count);
    case u's':
        return padded(time.second(), count);
    case u'a':
        return time.hour() < 12 ? locale.amText() : locale.pmText();
    default:
        return QString(count, letter);
    }
}

} // namespace

QString DateTimePattern::format(const QDateTime& when, const QString& pattern, const QLocale& locale)
{
    QString text;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                text += u'\'';
                i += 2;
                continue;
            }
            // A quoted run; an unclosed quote runs to the end.
            qsizetype end = i + 1;
            while (end < pattern.size()) {
                if (pattern[end] == u'\'') {
                    if (end + 1 < pattern.size() && pattern[end + 1] == u'\'') {
                        text += u'\'';
                        end += 2;
                        continue;
                    }
                    break;
                }
                text += pattern[end++];
            }
            i = end + 1;
            continue;
        }
        qsizetype count = 1;
        while (i + count < pattern.size() && pattern[i + count] == c) {
            ++count;
        }
        text += c.isLetter() ? field(c, count, when, locale) : QString(count, c);
        i += count;
    }
    return text;
}

QString DateTimePattern::unquoted(const QString& pattern)
{
    return QString(pattern).remove(u'\'');
}

QDateTime DateTimePattern::parseValue(const QString& text)
{
    const QString trimmed = text.trimmed();
    QDateTime when = QDateTime::fromString(trimmed, Qt::ISODateWithMs);
    if (when.isValid()) {
        return when;
    }
    const QDate date = QDate::fromString(trimmed.left(10), Qt::ISODate);
    if (date.isValid() && trimmed.size() == 10) {
        return QDateTime(date, QTime(0, 0));
    }
    for (const char* layout : {"HH:mm:ss", "HH:mm"}) {
        const QTime time = QTime::fromString(trimmed, QLatin1StringView(layout));
        if (time.isValid()) {
            return QDateTime(QDate(2000, 1, 1), time);
        }
    }
    return QDateTime();
}
