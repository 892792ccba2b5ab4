// Stylesheet text from any bytes: the parser never crashes or hangs, its
// positions stay inside the text and in order, and putting a rule's own
// rewritten text in place of its span (what CssHelper::editStyle does) leaves
// every rule before it exactly as it was and finds the rewritten rule where
// the old one began. Read as the bytes of a stylesheet file (UTF-8, UTF-16,
// broken UTF-8), replacing a rule changes exactly the bytes of that rule.
#include "css/stylesheettext.h"
#include "outside/cssvalues/xmlcssparser.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <QString>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

bool isCssSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

QString ruleText(const Xml::CssStyle& rule)
{
    QStringList selectors;
    for (const Core::String& selector : rule.getSelectors()) {
        selectors << selector.toQString();
    }
    QString text = selectors.join(QLatin1Char(',')) + QStringLiteral("\n{\n");
    for (const Xml::CssProperty& property : rule.getProperties()) {
        text += property.getName().toQString() + QLatin1Char(':') +
                property.getValue().toQString() + QStringLiteral(";\n");
    }
    return text + QLatin1Char('}');
}

void exercise(const QString& text)
{
    Xml::CssParser parser;
    parser.loadCss(text);
    const std::vector<Xml::CssStyle>& rules = parser.getStyles();
    int previousEnd = -1;
    for (const Xml::CssStyle& rule : rules) {
        check(rule.getStartPos() > previousEnd);
        check(rule.getStartPos() <= rule.getEndPos());
        check(rule.getEndPos() < text.size());
        check(!isCssSpace(text.at(rule.getStartPos())));
        previousEnd = rule.getEndPos();
        check(!rule.getSelectors().empty());
        for (const Core::String& selector : rule.getSelectors()) {
            // A blank may end a selector only when escaped (".a\\ ").
            const int last = selector.length() - 1;
            check(!selector.isEmpty() && !isCssSpace(selector[0]) &&
                  (!isCssSpace(selector[last]) || (last > 0 && selector[last - 1] == u'\\')));
        }
        for (const Xml::CssProperty& property : rule.getProperties()) {
            check(!property.getName().isEmpty() && !property.getValue().isEmpty());
            check(!isCssSpace(property.getValue()[0]));
        }
    }
    for (int media :
         {Xml::CssParser::AllMedia, Xml::CssParser::ScreenMedia, Xml::CssParser::PrintMedia}) {
        check(parser.getCssStyleSheet(media).size() <= rules.size());
    }

    // Splice the first and the last rule, as an edit would.
    for (std::size_t index : {std::size_t(0), rules.size() - 1}) {
        if (index >= rules.size()) {
            continue;
        }
        const Xml::CssStyle& rule = rules[index];
        const QString edited =
            text.left(rule.getStartPos()) + ruleText(rule) + text.mid(rule.getEndPos() + 1);
        Xml::CssParser again;
        again.loadCss(edited);
        const std::vector<Xml::CssStyle>& after = again.getStyles();
        check(after.size() > index);
        for (std::size_t i = 0; i < index; ++i) {
            check(after[i].getStartPos() == rules[i].getStartPos());
            check(after[i].getEndPos() == rules[i].getEndPos());
            check(after[i].getSelectors() == rules[i].getSelectors());
        }
        check(after[index].getStartPos() == rule.getStartPos());
        check(after[index].getSelectors() == rule.getSelectors());
    }
}

// The bytes as a stylesheet file holds them: decoding gives the text, and
// replacing a rule's characters changes exactly the bytes of that rule.
void exerciseBytes(const QByteArray& bytes)
{
    const StylesheetText content(bytes);
    const QString& text = content.text().toQString();
    check(content.byteOffset(0) <= content.byteOffset(int(text.size())));
    check(content.byteOffset(int(text.size())) == bytes.size());
    Xml::CssParser parser;
    parser.loadCss(text);
    const std::vector<Xml::CssStyle>& rules = parser.getStyles();
    for (std::size_t index : {std::size_t(0), rules.size() - 1}) {
        if (index >= rules.size()) {
            continue;
        }
        const Xml::CssStyle& rule = rules[index];
        const qint64 from = content.byteOffset(rule.getStartPos());
        const qint64 to = content.byteOffset(rule.getEndPos() + 1);
        check(from < to);
        const QString replacement = ruleText(rule);
        const QByteArray edited =
            content.replaced(rule.getStartPos(), rule.getEndPos(), replacement);
        check(edited.startsWith(bytes.left(from)));
        check(edited.endsWith(bytes.mid(to)));
        check(edited.size() == from + content.encode(replacement).size() + (bytes.size() - to));
        const StylesheetText again(edited);
        check(again.encoding() == content.encoding());
        check(again.hasByteOrderMark() == content.hasByteOrderMark());
        if (QStringView(replacement).isValidUtf16()) {
            QString expected = replacement;
            expected.replace(QLatin1Char('\n'), content.lineBreak().toQString());
            check(again.text().toQString() ==
                  text.left(rule.getStartPos()) + expected + text.mid(rule.getEndPos() + 1));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    exerciseBytes(bytes);
    exercise(StylesheetText(bytes).text().toQString());
    std::u16string wide(size / 2, u'\0');
    std::memcpy(wide.data(), data, wide.size() * sizeof(char16_t));
    exercise(QString::fromStdU16String(wide));
    return 0;
}
