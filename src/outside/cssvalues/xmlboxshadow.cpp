#include "outside/cssvalues/xmlboxshadow.h"

#include "outside/cssvalues/xmlcolorparse.h"
#include "outside/cssvalues/xmlcssnumber_p.h"

#include <QList>

namespace Xml {

namespace {

// Splits at white space outside parentheses, so "rgb(0, 0, 0)" stays one token.
// Answers false for unbalanced parentheses or a comma outside them (a list).
bool tokenize(QStringView text, QList<QStringView>& tokens)
{
    int depth = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            if (--depth < 0) {
                return false;
            }
        } else if (depth == 0 && c == QLatin1Char(',')) {
            return false;
        }
        const bool separator = depth == 0 && c.isSpace();
        if (separator && start >= 0) {
            tokens.append(text.mid(start, i - start));
            start = -1;
        } else if (!separator && start < 0) {
            start = i;
        }
    }
    if (depth != 0) {
        return false;
    }
    if (start >= 0) {
        tokens.append(text.mid(start));
    }
    return true;
}

bool isKeyword(QStringView token, const char* keyword)
{
    return token.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// Written as "0px", "0mm": a size below what six decimals show is written as zero.
bool writesZero(const Length& length)
{
    return CssNumber::format(length.getSize()) == QLatin1String("0");
}

} // namespace

bool BoxShadow::readFromString(const Core::String& text)
{
    QList<QStringView> tokens;
    if (!tokenize(text.toQString(), tokens) || tokens.isEmpty()) {
        return false;
    }
    if (tokens.size() == 1 && isKeyword(tokens.first(), "none")) {
        *this = BoxShadow();
        return true;
    }
    BoxShadow shadow;
    shadow.m_none = false;
    if (isKeyword(tokens.first(), "inset")) {
        shadow.m_inset = true;
        tokens.removeFirst();
    } else if (!tokens.isEmpty() && isKeyword(tokens.last(), "inset")) {
        shadow.m_inset = true;
        tokens.removeLast();
    }
    // The lengths form one run; a colour may stand before or after it, not inside.
    QList<Length> lengths;
    bool lengthsEnded = false;
    for (const QStringView token : tokens) {
        Length length;
        if (Length::parseLength(length, token.toString())) {
            if (lengthsEnded || lengths.size() == 4) {
                return false;
            }
            lengths.append(length);
            continue;
        }
        if (shadow.m_color.isSet()) {
            return false;
        }
        const ColorParse::Result color = ColorParse::parseColor(token.toString());
        if (!color) {
            return false;
        }
        shadow.m_color = *color;
        lengthsEnded = !lengths.isEmpty();
    }
    if (lengths.size() < 2 || (lengths.size() >= 3 && lengths[2].getSize() < 0.0)) {
        return false;
    }
    shadow.m_dx = lengths[0];
    shadow.m_dy = lengths[1];
    if (lengths.size() >= 3) {
        shadow.m_blur = lengths[2];
    }
    if (lengths.size() == 4) {
        shadow.m_spread = lengths[3];
    }
    *this = shadow;
    return true;
}

void BoxShadow::setDx(const Length& dx)
{
    m_dx = dx;
    m_none = false;
}

void BoxShadow::setDy(const Length& dy)
{
    m_dy = dy;
    m_none = false;
}

void BoxShadow::setBlur(const Length& blur)
{
    m_blur = blur;
    m_none = false;
}

void BoxShadow::setSpread(const Length& spread)
{
    m_spread = spread;
    m_none = false;
}

void BoxShadow::setColor(const TXmlAttribute<Drawing::RGBColor>& color)
{
    m_color = color;
    m_none = false;
}

void BoxShadow::setInset(bool inset)
{
    m_inset = inset;
    m_none = false;
}

Core::String BoxShadow::getValueAsString() const
{
    if (m_none) {
        return QStringLiteral("none");
    }
    QStringList parts;
    if (m_inset) {
        parts << QStringLiteral("inset");
    }
    parts << m_dx.getValueAsString() << m_dy.getValueAsString();
    // Whether blur and spread are written depends on their text, not their size: a
    // size too small for six decimals is written as zero and must then be left out
    // like a zero, or the text read back would be written differently.
    const bool writesSpread = !writesZero(m_spread);
    if (writesSpread || !writesZero(m_blur)) {
        parts << m_blur.getValueAsString();
    }
    if (writesSpread) {
        parts << m_spread.getValueAsString();
    }
    if (m_color.isSet()) {
        parts << ColorParse::getColorAsString(m_color.getValue());
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace Xml
