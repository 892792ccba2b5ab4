#include "dialogs/field/fieldvalueformatter.h"

#include "dialogs/field/datetimepattern.h"
#include "dialogs/field/fieldformat.h"
#include "dialogs/field/numberformat.h"
#include "dialogs/field/numberformatter.h"

QString FieldValueFormatter::format(const QString& fieldFormat, const QString& value, const QLocale& locale)
{
    const FieldFormat parsed = FieldFormat::parse(fieldFormat);
    switch (parsed.kind()) {
    case FieldFormat::Kind::Number:
    case FieldFormat::Kind::Currency:
        return NumberFormatter::formatText(value, NumberFormat::parse(parsed.pattern()));
    case FieldFormat::Kind::Date: {
        const QDateTime when = DateTimePattern::parseValue(value);
        return when.isValid() ? DateTimePattern::format(when, parsed.pattern(), locale) : value;
    }
    case FieldFormat::Kind::Phone: {
        QString digits;
        for (const QChar c : value) {
            if (c.isDigit()) {
                digits += c;
            }
        }
        return digits.isEmpty() ? value : fillPlaces(parsed.pattern(), digits);
    }
    case FieldFormat::Kind::Custom:
        return fillPlaces(parsed.pattern(), value);
    case FieldFormat::Kind::None:
        break;
    }
    return value;
}

QString FieldValueFormatter::fillPlaces(const QString& pattern, const QString& value)
{
    QString text;
    qsizetype next = 0;
    for (const QChar c : pattern) {
        if (c != u'#') {
            text += c;
        } else if (next < value.size()) {
            text += value[next++];
        } else {
            break;
        }
    }
    // A pattern that stopped early keeps the literal text it had reached:
    // "(###)" with "12" prints "(12".
    return text + value.mid(next);
}
