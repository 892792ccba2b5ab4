#include "outside/cssvalues/xmlcssnumber_p.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace Xml::CssNumber {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isAsciiDigit(text[at])) {
        ++at;
    }
    return at;
}

} // namespace

qsizetype scan(QStringView text, qsizetype from, double& value)
{
    if (from < 0 || from >= text.size()) {
        return -1;
    }
    qsizetype at = from;
    bool negative = false;
    if (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')) {
        negative = text[at] == QLatin1Char('-');
        ++at;
    }
    const qsizetype mantissaStart = at;
    qsizetype afterInteger = skipDigits(text, at);
    const bool hasInteger = afterInteger > at;
    at = afterInteger;
    if (at + 1 < text.size() && text[at] == QLatin1Char('.') && isAsciiDigit(text[at + 1])) {
        at = skipDigits(text, at + 1);
    } else if (!hasInteger) {
        return -1;
    }
    if (at < text.size() && (text[at] == QLatin1Char('e') || text[at] == QLatin1Char('E'))) {
        qsizetype exponent = at + 1;
        if (exponent < text.size() &&
            (text[exponent] == QLatin1Char('+') || text[exponent] == QLatin1Char('-'))) {
            ++exponent;
        }
        if (exponent < text.size() && isAsciiDigit(text[exponent])) {
            at = skipDigits(text, exponent);
        }
    }
    // Every character of the mantissa and exponent is ASCII by now.
    const std::string ascii = text.mid(mantissaStart, at - mantissaStart).toLatin1().toStdString();
    double magnitude = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), magnitude);
    if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size() ||
        !std::isfinite(magnitude)) {
        return -1;
    }
    // Adding 0.0 turns a "-0" into plain 0.
    value = (negative ? -magnitude : magnitude) + 0.0;
    return at;
}

bool parse(QStringView text, double& value)
{
    const QStringView trimmed = text.trimmed();
    double read = 0.0;
    if (scan(trimmed, 0, read) != trimmed.size()) {
        return false;
    }
    value = read;
    return true;
}

QString format(double value)
{
    QString text = QString::number(value, 'f', 6);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
    }
    if (text == QLatin1String("-0")) {
        return QStringLiteral("0");
    }
    return text;
}

} // namespace Xml::CssNumber
