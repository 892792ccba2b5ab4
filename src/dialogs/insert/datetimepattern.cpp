#include "dialogs/insert/datetimepattern.h"

#include <algorithm>

namespace {

QString quoted(const QString& literal)
{
    if (literal.isEmpty()) {
        return QString();
    }
    QString out = literal;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

/// The Qt format of a run of `count` pattern letters `letter`; empty when
/// the letter means nothing (it is then written as text).
QString qtField(QChar letter, qsizetype count)
{
    switch (letter.unicode()) {
    case 'y':
        return count == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    case 'M':
        return QString(std::min<qsizetype>(count, 4), QLatin1Char('M'));
    case 'd':
        return QString(std::min<qsizetype>(count, 2), QLatin1Char('d'));
    case 'E':
        return count >= 4 ? QStringLiteral("dddd") : QStringLiteral("ddd");
    case 'h':
        return QString(std::min<qsizetype>(count, 2), QLatin1Char('h'));
    case 'H':
        return QString(std::min<qsizetype>(count, 2), QLatin1Char('H'));
    case 'm':
        return QString(std::min<qsizetype>(count, 2), QLatin1Char('m'));
    case 's':
        return QString(std::min<qsizetype>(count, 2), QLatin1Char('s'));
    case 'a':
        return QStringLiteral("AP");
    default:
        return QString();
    }
}

} // namespace

Core::String DateTimePattern::unquoted() const
{
    QString text = m_pattern.toQString();
    text.remove(QLatin1Char('\''));
    return text;
}

std::pair<DateTimePattern, DateTimePattern> DateTimePattern::splitBeforeHours() const
{
    const QString text = m_pattern.toQString();
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\'')) {
            inQuotes = !inQuotes;
        } else if (!inQuotes && (c == QLatin1Char('h') || c == QLatin1Char('H'))) {
            return {DateTimePattern(text.left(i)), DateTimePattern(text.mid(i))};
        }
    }
    return {*this, DateTimePattern(Core::String())};
}

QString DateTimePattern::toQtFormat() const
{
    const QString text = m_pattern.toQString();
    QString out;
    QString literal; // text waiting to be quoted
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\'')) {
            const qsizetype end = text.indexOf(QLatin1Char('\''), i + 1);
            if (end == i + 1) {
                literal += QLatin1Char('\''); // '' is a quote
                i += 2;
                continue;
            }
            const qsizetype stop = end < 0 ? text.size() : end;
            literal += text.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < text.size() && text.at(i + run) == c) {
            ++run;
        }
        const QString field = c.isLetter() ? qtField(c, run) : QString();
        if (field.isEmpty()) {
            literal += text.mid(i, run);
        } else {
            out += quoted(literal) + field;
            literal.clear();
        }
        i += run;
    }
    return out + quoted(literal);
}

Core::String DateTimePattern::format(const QDateTime& moment, const QLocale& locale) const
{
    if (m_pattern.toQString().isEmpty()) {
        return Core::String();
    }
    return locale.toString(moment, toQtFormat());
}
