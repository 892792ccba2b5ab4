#include "dialogs/field/numberformatter.h"

#include "dialogs/field/numberpatternlayout.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

QString grouped(const QString& digits, const QString& separator, int size)
{
    if (separator.isEmpty() || size <= 0) {
        return digits;
    }
    QString result;
    const qsizetype count = digits.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % size == 0) {
            result += separator;
        }
        result += digits[i];
    }
    return result;
}

} // namespace

QString NumberFormatter::format(double value, const NumberFormat& format)
{
    if (!std::isfinite(value)) {
        return QString::number(value);
    }
    const NumberPatternLayout layout = NumberPatternLayout::of(format);
    // More places than a double holds would only print noise.
    constexpr int mostPlaces = 20;
    const int places = layout.decimal.isEmpty() ? 0 : std::min(layout.maximumFractionDigits(), mostPlaces);
    const int required = layout.decimal.isEmpty() ? 0 : std::min(layout.minimumFractionDigits(), places);
    // Half away from zero, whatever the binary value's last bits say.
    const double scale = std::pow(10.0, places);
    double rounded = std::round(std::fabs(value) * scale) / scale;
    if (!std::isfinite(rounded)) {
        rounded = std::fabs(value);
    }
    const QString plain = QString::number(rounded, 'f', places);
    QString integer = plain.section(u'.', 0, 0);
    QString fraction = places > 0 ? plain.section(u'.', 1, 1) : QString();
    while (fraction.size() > required && fraction.endsWith(u'0')) {
        fraction.chop(1);
    }
    if (integer.size() < layout.minimumIntegerDigits()) {
        integer = QString(layout.minimumIntegerDigits() - integer.size(), u'0') + integer;
    }
    QString text = layout.prefix + grouped(integer, layout.thousands, layout.groupSize());
    if (!fraction.isEmpty()) {
        text += layout.decimal + fraction;
    }
    text += layout.suffix;

    const bool negative = value < 0 && rounded != 0;
    if (!negative) {
        return text;
    }
    if (format.sign == QLatin1StringView("()")) {
        return u'(' + text + u')';
    }
    if (format.sign == QLatin1StringView("CR")) {
        return text + QLatin1StringView("CR");
    }
    return u'-' + text;
}

QString NumberFormatter::formatText(const QString& text, const NumberFormat& format)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? NumberFormatter::format(value, format) : text;
}
