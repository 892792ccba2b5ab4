#include "dialogs/field/numberpatternlayout.h"

namespace {

bool isDigitPlace(QChar c)
{
    return c == u'0' || c == u'#';
}

int countOf(const QString& text, QChar c)
{
    return int(text.count(c));
}

} // namespace

QString NumberPatternLayout::separatorCharacters()
{
    return QString(NumberFormat::Blank) + QStringLiteral(".,`|_");
}

NumberPatternLayout NumberPatternLayout::of(const NumberFormat& format)
{
    NumberPatternLayout layout;
    const QString& digits = format.digits;
    qsizetype first = 0;
    while (first < digits.size() && !isDigitPlace(digits[first])) {
        ++first;
    }
    qsizetype last = digits.size() - 1;
    while (last >= first && !isDigitPlace(digits[last])) {
        --last;
    }
    if (first > last) {
        layout.prefix = digits;
        return layout;
    }
    layout.prefix = digits.left(first);
    layout.suffix = digits.mid(last + 1);
    const QString body = digits.mid(first, last - first + 1);

    qsizetype decimalAt = -1;
    if (format.decimal && !format.decimal->isEmpty()) {
        decimalAt = body.lastIndexOf(*format.decimal);
        layout.decimal = *format.decimal;
    } else {
        QString separators = separatorCharacters();
        if (format.thousands && format.thousands->size() == 1) {
            separators.remove(format.thousands->at(0));
        }
        for (qsizetype i = body.size() - 1; i >= 0; --i) {
            if (separators.contains(body[i])) {
                // A separator seen twice groups thousands: the pattern has no fraction.
                if (body.count(body[i]) == 1) {
                    decimalAt = i;
                    layout.decimal = body[i];
                }
                break;
            }
        }
    }
    if (decimalAt < 0) {
        layout.decimal.clear();
        layout.integerPart = body;
    } else {
        layout.integerPart = body.left(decimalAt);
        layout.fractionPart = body.mid(decimalAt + layout.decimal.size());
    }

    if (format.thousands) {
        if (!format.thousands->isEmpty() && layout.integerPart.contains(*format.thousands)) {
            layout.thousands = *format.thousands;
        }
    } else {
        const QString separators = separatorCharacters();
        for (qsizetype i = layout.integerPart.size() - 1; i >= 0; --i) {
            if (separators.contains(layout.integerPart[i])) {
                layout.thousands = layout.integerPart[i];
                break;
            }
        }
    }
    return layout;
}

int NumberPatternLayout::minimumIntegerDigits() const
{
    return countOf(integerPart, u'0');
}

int NumberPatternLayout::groupSize() const
{
    if (thousands.isEmpty()) {
        return 0;
    }
    const QString group = integerPart.mid(integerPart.lastIndexOf(thousands) + thousands.size());
    const int size = countOf(group, u'0') + countOf(group, u'#');
    return size > 0 ? size : 3;
}

int NumberPatternLayout::minimumFractionDigits() const
{
    return countOf(fractionPart, u'0');
}

int NumberPatternLayout::maximumFractionDigits() const
{
    return countOf(fractionPart, u'0') + countOf(fractionPart, u'#');
}
