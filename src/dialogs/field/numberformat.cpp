#include "dialogs/field/numberformat.h"

#include <algorithm>
#include <array>

namespace {

QString decodeBlank(QString text)
{
    return text.replace(NumberFormat::blankEntity(), QString(NumberFormat::Blank), Qt::CaseInsensitive);
}

QString encodeBlank(QString text)
{
    return text.replace(NumberFormat::Blank, NumberFormat::blankEntity());
}

} // namespace

NumberFormat NumberFormat::parse(const QString& text)
{
    struct Part
    {
        QLatin1StringView marker;
        qsizetype at;
    };
    std::array<Part, 3> parts{{{QLatin1StringView(" th:"), text.indexOf(QLatin1StringView(" th:"))},
                               {QLatin1StringView(" dec:"), text.indexOf(QLatin1StringView(" dec:"))},
                               {QLatin1StringView(" sign:"), text.indexOf(QLatin1StringView(" sign:"))}}};
    // Each value runs to the next marker found after it, or to the end.
    auto valueOf = [&text, &parts](const Part& part) -> std::optional<QString> {
        if (part.at < 0) {
            return std::nullopt;
        }
        const qsizetype start = part.at + part.marker.size();
        qsizetype end = text.size();
        for (const Part& other : parts) {
            if (other.at >= start && other.at < end) {
                end = other.at;
            }
        }
        return decodeBlank(text.mid(start, end - start));
    };
    qsizetype digitsEnd = text.size();
    for (const Part& part : parts) {
        if (part.at >= 0) {
            digitsEnd = std::min(digitsEnd, part.at);
        }
    }
    NumberFormat format;
    format.digits = decodeBlank(text.left(digitsEnd)).trimmed();
    format.thousands = valueOf(parts[0]);
    format.decimal = valueOf(parts[1]);
    format.sign = valueOf(parts[2]).value_or(QString());
    return format;
}

QString NumberFormat::toString() const
{
    return digits + QLatin1StringView(" th:") + encodeBlank(thousands.value_or(QString())) +
           QLatin1StringView(" dec:") + encodeBlank(decimal.value_or(QString())) + QLatin1StringView(" sign:") +
           sign;
}
