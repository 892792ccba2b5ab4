#include "dialogs/insert/barcoderejection.h"

#include <QRegularExpression>

namespace {

QString stripErrorNumber(const QString& message)
{
    static const QRegularExpression number(QStringLiteral("^(Error|Warning) \\d+: "));
    QString text = message.trimmed();
    text.remove(number);
    return text;
}

/// The encoder's notes on which characters a symbology takes.
QString translatedCharacterSet(const QString& detail)
{
    if (detail == QLatin1String("digits only")) {
        return BarcodeRejection::tr("digits only");
    }
    if (detail == QLatin1String("extended ASCII not allowed")) {
        return BarcodeRejection::tr("ASCII only");
    }
    if (detail == QLatin1String("ISO/IEC 8859-1 only")) {
        return BarcodeRejection::tr("Latin-1 only");
    }
    static const QRegularExpression digitsAnd(QStringLiteral("^digits and (.+) only$"));
    const QRegularExpressionMatch match = digitsAnd.match(detail);
    if (match.hasMatch()) {
        return BarcodeRejection::tr("digits and %1 only").arg(match.captured(1));
    }
    return detail;
}

} // namespace

Core::String BarcodeRejection::describe(const Core::String& rendererMessage)
{
    const QString text = stripErrorNumber(rendererMessage.toQString());

    static const QRegularExpression tooLong(
        QStringLiteral("too long(?:.*\\((\\d+) character maximum\\))?"),
        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch match = tooLong.match(text);
    if (match.hasMatch()) {
        return match.captured(1).isEmpty()
                   ? tr("The value is too long.")
                   : tr("The value is too long (at most %1 characters).").arg(match.captured(1));
    }
    static const QRegularExpression invalidCharacter(
        QStringLiteral("^Invalid characters? in (?:input )?data(?: \\((.+)\\)|, (.+))?"),
        QRegularExpression::CaseInsensitiveOption);
    match = invalidCharacter.match(text);
    if (match.hasMatch()) {
        const QString detail = match.captured(1) + match.captured(2);
        return detail.isEmpty() ? tr("The value holds a character this type cannot encode.")
                                : tr("The value holds a character this type cannot encode (%1).")
                                      .arg(translatedCharacterSet(detail));
    }
    if (text.startsWith(QLatin1String("Invalid check digit"), Qt::CaseInsensitive)) {
        return tr("The check digit is wrong.");
    }
    if (text.startsWith(QLatin1String("No input data"), Qt::CaseInsensitive)) {
        return tr("The value is empty.");
    }
    if (text.startsWith(QLatin1String("Input wrong length"), Qt::CaseInsensitive) ||
        text.startsWith(QLatin1String("Invalid length"), Qt::CaseInsensitive) ||
        text.contains(QLatin1String("takes 7 digits")) ||
        text.contains(QLatin1String("takes 12 digits"))) {
        return tr("The value has the wrong number of digits.");
    }
    if (text.startsWith(QLatin1String("The value is not hexadecimal")) ||
        text.startsWith(QLatin1String("The hexadecimal value has an odd number"))) {
        return tr("The value is not a sequence of hexadecimal byte pairs.");
    }
    return text;
}
