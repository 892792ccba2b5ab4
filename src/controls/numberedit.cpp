#include "controls/numberedit.h"

#include "outside/cssvalues/xmllength.h"

#include <charconv>
#include <cmath>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <string>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool NumberEdit::acceptsCharacter(QChar c, bool positiveOnly)
{
    if (c.category() == QChar::Other_Control) {
        return true; // Backspace, Ctrl+C and the like arrive as control characters
    }
    if (isAsciiDigit(c) || c == QLatin1Char('.') || c == QLatin1Char(',') || c.isSpace()) {
        return true;
    }
    return c == QLatin1Char('-') && !positiveOnly;
}

double NumberEdit::readNumber(QStringView text)
{
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at < size && text[at].isSpace()) {
        ++at;
    }
    std::string number;
    bool negative = false;
    if (at < size && (text[at] == QLatin1Char('-') || text[at] == QLatin1Char('+'))) {
        negative = text[at] == QLatin1Char('-');
        ++at;
    }
    // Order of magnitude of the mantissa, to tell overflow from underflow when
    // the conversion answers "out of range".
    qsizetype integerDigits = 0;
    qsizetype leadingFractionZeros = 0;
    bool significantSeen = false;
    while (at < size && isAsciiDigit(text[at])) {
        if (text[at] != QLatin1Char('0') || significantSeen) {
            significantSeen = true;
            ++integerDigits;
        }
        number.push_back(char(text[at].unicode()));
        ++at;
    }
    bool anyDigit = !number.empty();
    if (at < size && text[at] == QLatin1Char('.')) {
        number.push_back('.');
        ++at;
        while (at < size && isAsciiDigit(text[at])) {
            if (!significantSeen && text[at] == QLatin1Char('0')) {
                ++leadingFractionZeros;
            } else {
                significantSeen = true;
            }
            number.push_back(char(text[at].unicode()));
            anyDigit = true;
            ++at;
        }
    }
    if (!anyDigit || !significantSeen) {
        return 0.0;
    }
    long long exponent = 0;
    if (at < size && (text[at] == QLatin1Char('e') || text[at] == QLatin1Char('E'))) {
        qsizetype e = at + 1;
        bool negativeExponent = false;
        if (e < size && (text[e] == QLatin1Char('-') || text[e] == QLatin1Char('+'))) {
            negativeExponent = text[e] == QLatin1Char('-');
            ++e;
        }
        if (e < size && isAsciiDigit(text[e])) {
            for (; e < size && isAsciiDigit(text[e]); ++e) {
                exponent = std::min<long long>(exponent * 10 + (text[e].unicode() - u'0'), 1000000);
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
            number += 'e';
            number += std::to_string(exponent);
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const long long magnitude =
            (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
        value = magnitude > 0 ? Xml::Length::MaxMagnitude : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    value = std::min(value, Xml::Length::MaxMagnitude);
    if (negative) {
        value = -value;
    }
    return value + 0.0; // no "-0"
}

QString NumberEdit::filterTyped(const QString& text, bool positiveOnly)
{
    QString kept;
    for (const QChar c : text) {
        if (acceptsCharacter(c, positiveOnly)) {
            kept.append(c);
        }
    }
    return kept;
}

void NumberEdit::keyPressEvent(QKeyEvent* event)
{
    // Ctrl or Meta without Alt is a shortcut, which the line edit never inserts.
    // Alt and Ctrl+Alt (AltGr on many layouts) do insert their text, so they are
    // filtered like plain typing.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shortcut =
        (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !(modifiers & Qt::AltModifier);
    const QString text = event->text();
    if (!shortcut && filterTyped(text, m_positiveOnly) != text) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // What an input method commits is typed text too; the preedit is only shown.
    const QString commit = event->commitString();
    const QString kept = filterTyped(commit, m_positiveOnly);
    if (kept == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->accept();
}
