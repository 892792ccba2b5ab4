#include "dialogs/field/customnumbersettings.h"

#include "dialogs/field/fieldformatcatalogue.h"
#include "dialogs/field/numberpatternlayout.h"

#include <algorithm>

namespace {

// One of the separators the page offers; "" is none.
bool isSeparator(const QString& text)
{
    return text.size() == 1 && NumberPatternLayout::separatorCharacters().contains(text[0]);
}

} // namespace

QString CustomNumberSettings::digitPattern() const
{
    QString pattern;
    const int last = leadingZeros + 3;
    for (int i = 0; i <= last; ++i) {
        const QString digit = i < leadingZeros ? QStringLiteral("0") : QStringLiteral("#");
        if (!thousands.isEmpty() && (i + 1) % 3 == 0 && i != last) {
            pattern.prepend(thousands + digit);
        } else {
            pattern.prepend(digit);
        }
    }
    pattern += decimal;
    pattern += decimalPlaces > 0 ? QString(decimalPlaces, u'0') : QStringLiteral("#");
    if (symbol.isEmpty()) {
        return pattern;
    }
    return symbolAfter ? pattern + symbol : symbol + pattern;
}

NumberFormat CustomNumberSettings::toFormat() const
{
    return NumberFormat{digitPattern(), thousands, decimal, sign};
}

CustomNumberSettings CustomNumberSettings::from(const NumberFormat& format, bool currency)
{
    CustomNumberSettings settings;
    const NumberPatternLayout layout = NumberPatternLayout::of(format);
    if (isSeparator(layout.decimal)) {
        settings.decimal = layout.decimal;
    }
    if (isSeparator(layout.thousands)) {
        settings.thousands = layout.thousands;
    }
    if (format.sign == QLatin1StringView("CR") || format.sign == QLatin1StringView("()")) {
        settings.sign = format.sign;
    }
    settings.leadingZeros = std::min(layout.minimumIntegerDigits(), maximumDigits);
    settings.decimalPlaces = std::min(layout.minimumFractionDigits(), maximumDigits);
    if (currency) {
        // The longest symbol that fits: "R$" rather than "$".
        // A blank between symbol and digits, as people write it, does not hide the symbol.
        const QString prefix = layout.prefix.trimmed();
        const QString suffix = layout.suffix.trimmed();
        QString before;
        QString after;
        const QStringList symbols = FieldFormatCatalogue::currencySymbols();
        for (const QString& symbol : symbols) {
            if (prefix.endsWith(symbol) && symbol.size() > before.size()) {
                before = symbol;
            }
            if (suffix.startsWith(symbol) && symbol.size() > after.size()) {
                after = symbol;
            }
        }
        settings.symbolAfter = after.size() >= before.size();
        settings.symbol = settings.symbolAfter ? after : before;
        if (settings.symbol.isEmpty()) {
            settings.symbol = symbols.constFirst();
        }
    }
    return settings;
}
