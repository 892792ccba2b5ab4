#include "outside/core/coreformat.h"

#include "outside/core/coreexception.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace Core {

namespace {

String patternError(const String& pattern, const QString& reason)
{
    return String(QStringLiteral("Invalid format pattern \"%1\": %2").arg(pattern.toQString(), reason));
}

// The pieces of a custom number format such as "#,##0.0##".
struct NumberPicture
{
    int minIntegerDigits = 1;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

bool parsePicture(const QString& format, NumberPicture& picture)
{
    const qsizetype dot = format.indexOf(QLatin1Char('.'));
    const QString integerPart = dot < 0 ? format : format.left(dot);
    const QString fractionPart = dot < 0 ? QString() : format.mid(dot + 1);
    picture.minIntegerDigits = 0;
    for (QChar c : integerPart) {
        if (c == QLatin1Char('0')) {
            ++picture.minIntegerDigits;
        } else if (c == QLatin1Char(',')) {
            picture.grouping = true;
        } else if (c != QLatin1Char('#')) {
            return false;
        }
    }
    for (QChar c : fractionPart) {
        if (c == QLatin1Char('0')) {
            if (picture.maxDecimals != picture.minDecimals) {
                return false; // "0.#0" makes no sense
            }
            ++picture.minDecimals;
            ++picture.maxDecimals;
        } else if (c == QLatin1Char('#')) {
            ++picture.maxDecimals;
        } else {
            return false;
        }
    }
    return true;
}

QString groupThousands(const QString& digits)
{
    QString grouped;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            grouped += QLatin1Char(',');
        }
        grouped += digits.at(i);
    }
    return grouped;
}

QString applyPicture(double value, const NumberPicture& picture)
{
    QString text = QString::number(std::fabs(value), 'f', picture.maxDecimals);
    if (picture.maxDecimals > picture.minDecimals) {
        qsizetype end = text.size();
        const qsizetype dot = text.indexOf(QLatin1Char('.'));
        const qsizetype keep = dot + 1 + picture.minDecimals;
        while (end > keep && text.at(end - 1) == QLatin1Char('0')) {
            --end;
        }
        if (end == dot + 1) {
            --end;
        }
        text.truncate(end);
    }
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    QString integer = dot < 0 ? text : text.left(dot);
    const QString fraction = dot < 0 ? QString() : text.mid(dot);
    if (integer == QLatin1String("0") && picture.minIntegerDigits == 0 && !fraction.isEmpty()) {
        integer.clear();
    }
    while (integer.size() < picture.minIntegerDigits) {
        integer.prepend(QLatin1Char('0'));
    }
    if (picture.grouping) {
        integer = groupThousands(integer);
    }
    QString result = integer + fraction;
    if (result.isEmpty()) {
        result = QStringLiteral("0");
    }
    const bool isZero = result.count(QLatin1Char('0')) + result.count(QLatin1Char('.')) +
                            result.count(QLatin1Char(',')) ==
                        result.size();
    if (value < 0 && !isZero) {
        result.prepend(QLatin1Char('-'));
    }
    return result;
}

// "D3", "F2", "N0", "X": the standard formats hosts use most.
bool applyStandard(double value, bool isInteger, const QString& format, QString& out)
{
    if (format.isEmpty() || !format.at(0).isLetter()) {
        return false;
    }
    const QChar kind = format.at(0).toUpper();
    int precision = -1;
    if (format.size() > 1) {
        bool ok = false;
        precision = format.mid(1).toInt(&ok);
        if (!ok || precision < 0 || precision > 30) {
            return false;
        }
    }
    NumberPicture picture;
    switch (kind.unicode()) {
    case 'D':
        if (!isInteger) {
            return false;
        }
        picture.minIntegerDigits = qMax(1, precision);
        out = applyPicture(value, picture);
        return true;
    case 'F':
    case 'N':
        picture.minDecimals = picture.maxDecimals = precision < 0 ? 2 : precision;
        picture.grouping = kind == QLatin1Char('N');
        out = applyPicture(value, picture);
        return true;
    case 'X':
        if (!isInteger) {
            return false;
        }
        out = QString::number(qint64(value), 16).toUpper();
        while (out.size() < precision) {
            out.prepend(QLatin1Char('0'));
        }
        return true;
    default:
        return false;
    }
}

QString formatNumber(double value, bool isInteger, const String& numberFormat)
{
    const QString& format = numberFormat.toQString();
    if (format.isEmpty()) {
        if (isInteger) {
            return QString::number(qint64(value));
        }
        if (!std::isfinite(value)) {
            return std::isnan(value) ? QStringLiteral("NaN")
                                     : (value < 0 ? QStringLiteral("-Infinity")
                                                  : QStringLiteral("Infinity"));
        }
        return QString::number(value, 'g', 15);
    }
    if (!std::isfinite(value)) {
        return formatNumber(value, false, String());
    }
    QString out;
    if (applyStandard(value, isInteger, format, out)) {
        return out;
    }
    NumberPicture picture;
    if (!parsePicture(format, picture)) {
        throw Exception(String(QStringLiteral("Invalid number format \"%1\".").arg(format)));
    }
    return applyPicture(value, picture);
}

} // namespace

String Format::formatValue(double value, const String& numberFormat)
{
    return formatNumber(value, false, numberFormat);
}

String Format::formatValue(qint64 value, const String& numberFormat)
{
    if (numberFormat.isEmpty()) {
        return QString::number(value);
    }
    return formatNumber(double(value), true, numberFormat);
}

String Format::format(const String& pattern, const std::vector<FormatArgument>& args)
{
    const QString& text = pattern.toQString();
    QString out;
    out.reserve(text.size() + 16 * qsizetype(args.size()));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('}')) {
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('}')) {
                out += c;
                ++i;
                continue;
            }
            throw Exception(patternError(pattern, QStringLiteral("a single \"}\" at %1").arg(i)));
        }
        if (c != QLatin1Char('{')) {
            out += c;
            continue;
        }
        if (i + 1 < n && text.at(i + 1) == QLatin1Char('{')) {
            out += c;
            ++i;
            continue;
        }
        const qsizetype close = text.indexOf(QLatin1Char('}'), i + 1);
        if (close < 0) {
            throw Exception(patternError(pattern, QStringLiteral("\"{\" at %1 is not closed").arg(i)));
        }
        const QString field = text.mid(i + 1, close - i - 1);
        const qsizetype colon = field.indexOf(QLatin1Char(':'));
        const QString head = colon < 0 ? field : field.left(colon);
        const QString numberFormat = colon < 0 ? QString() : field.mid(colon + 1);
        const qsizetype comma = head.indexOf(QLatin1Char(','));
        bool indexOk = false;
        const int index = (comma < 0 ? head : head.left(comma)).trimmed().toInt(&indexOk);
        int width = 0;
        bool widthOk = true;
        if (comma >= 0) {
            width = head.mid(comma + 1).trimmed().toInt(&widthOk);
        }
        if (!indexOk || !widthOk || index < 0 || qAbs(width) > 1000) {
            throw Exception(patternError(pattern, QStringLiteral("bad placeholder \"{%1}\"").arg(field)));
        }
        if (size_t(index) >= args.size()) {
            throw Exception(patternError(
                pattern, QStringLiteral("placeholder {%1} has no value (%2 given)").arg(index).arg(args.size())));
        }
        QString value;
        try {
            value = args[size_t(index)].toString(numberFormat).toQString();
        } catch (const Exception& e) {
            throw Exception(patternError(pattern, e.getMessage().toQString()));
        }
        if (value.size() < qAbs(width)) {
            const QString pad(qAbs(width) - value.size(), QLatin1Char(' '));
            value = width > 0 ? pad + value : value + pad;
        }
        out += value;
        i = close;
    }
    return out;
}

int Format::parseInt(const String& text)
{
    const QString trimmed = text.toQString().trimmed();
    bool ok = !trimmed.isEmpty();
    for (qsizetype i = 0; ok && i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        ok = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
             (i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')) && trimmed.size() > 1);
    }
    const int value = ok ? trimmed.toInt(&ok, 10) : 0;
    if (!ok) {
        throw Exception(String(QStringLiteral("\"%1\" is not a whole number.").arg(text.toQString())));
    }
    return value;
}

int Format::parseInt(const String& text, int fallback)
{
    try {
        return parseInt(text);
    } catch (const Exception&) {
        return fallback;
    }
}

double Format::parseDouble(const String& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.toQString().trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        throw Exception(String(QStringLiteral("\"%1\" is not a number.").arg(text.toQString())));
    }
    return value;
}

} // namespace Core
