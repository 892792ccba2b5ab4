#include "outside/render/fopagenumberformat_p.h"

#include <array>

namespace Fo {

namespace {

QString roman(int number)
{
    static constexpr std::array<std::pair<int, const char*>, 13> parts{{{1000, "M"},
                                                                        {900, "CM"},
                                                                        {500, "D"},
                                                                        {400, "CD"},
                                                                        {100, "C"},
                                                                        {90, "XC"},
                                                                        {50, "L"},
                                                                        {40, "XL"},
                                                                        {10, "X"},
                                                                        {9, "IX"},
                                                                        {5, "V"},
                                                                        {4, "IV"},
                                                                        {1, "I"}}};
    QString out;
    for (const auto& [value, letters] : parts) {
        while (number >= value) {
            out += QLatin1String(letters);
            number -= value;
        }
    }
    return out;
}

QString alphabetic(int number)
{
    QString out;
    while (number > 0) {
        --number;
        out.prepend(QChar(u'A' + number % 26));
        number /= 26;
    }
    return out;
}

} // namespace

QString formatPageNumber(int number, const QString& format)
{
    if (number > 0 && number < 4000 && (format == QLatin1String("I") || format == QLatin1String("i"))) {
        const QString text = roman(number);
        return format == QLatin1String("i") ? text.toLower() : text;
    }
    if (number > 0 && (format == QLatin1String("A") || format == QLatin1String("a"))) {
        const QString text = alphabetic(number);
        return format == QLatin1String("a") ? text.toLower() : text;
    }
    const QString digits = QString::number(number);
    // "01", "001": the token's length is the least number of digits.
    const bool padded = format.size() > 1 && format.size() <= 10 &&
                        format.endsWith(QLatin1Char('1')) &&
                        format.count(QLatin1Char('0')) == format.size() - 1;
    return padded && number >= 0 ? digits.rightJustified(format.size(), QLatin1Char('0')) : digits;
}

} // namespace Fo
