// The stylesheet parser: rules with their selectors, declarations and exact
// positions, through comments, strings, escapes, at-rules and garbage. The
// positions matter most: CssHelper::editStyle replaces exactly the characters
// they span, so an off-by-one eats a brace of the next rule.
#include "outside/cssvalues/xmlcssparser.h"
#include "testregistry.h"

#include <QTest>

using Xml::CssParser;
using Xml::CssStyle;

namespace {

QString span(const QString& text, const CssStyle& rule)
{
    return text.mid(rule.getStartPos(), rule.getEndPos() - rule.getStartPos() + 1);
}

QString selectorsOf(const CssStyle& rule)
{
    QStringList list;
    for (const Core::String& selector : rule.getSelectors()) {
        list << selector.toQString();
    }
    return list.join(QLatin1Char('|'));
}

QString declarationsOf(const CssStyle& rule)
{
    QStringList list;
    for (const Xml::CssProperty& property : rule.getProperties()) {
        list << property.getName().toQString() + QLatin1Char('=') +
                    property.getValue().toQString() +
                    (property.isImportant() ? QStringLiteral("!") : QString());
    }
    return list.join(QLatin1Char(';'));
}

// "selectors{declarations}" of every rule for `media`, one per line: a compact
// picture of what the parser read.
QString picture(const QString& text, int media = CssParser::AllMedia)
{
    CssParser parser;
    parser.loadCss(text);
    QStringList lines;
    for (const CssStyle& rule : parser.getCssStyleSheet(media)) {
        lines << selectorsOf(rule) + QLatin1Char('{') + declarationsOf(rule) + QLatin1Char('}');
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestCssParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsRulesSelectorsAndDeclarations_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one rule") << "p.note { font-size: 12pt; color: red }"
                                  << "p.note{font-size=12pt;color=red}";
        QTest::newRow("selector list, blanks reduced") << "h1 ,\n  .x,div   >  p{a:b}"
                                                       << "h1|.x|div > p{a=b}";
        QTest::newRow("names lower-cased, custom properties keep case")
            << ".x { COLOR: Red; --Main-Color: Blue }"
            << ".x{color=Red;--Main-Color=Blue}";
        QTest::newRow("repeated names kept in order") << ".x{color:red;color:blue}"
                                                      << ".x{color=red;color=blue}";
        QTest::newRow("!important in every spelling")
            << ".x{a:1 !important; b:2!IMPORTANT; c: 3 ! important ; d: unimportant}"
            << ".x{a=1!;b=2!;c=3!;d=unimportant}";
        QTest::newRow("values across lines read as one line")
            << ".x{font-family: Arial,\n\t  sans-serif ;}"
            << ".x{font-family=Arial, sans-serif}";
        QTest::newRow("declarations without value or colon are dropped")
            << ".x{color:; margin 0; :red; padding:1pt}"
            << ".x{padding=1pt}";
        QTest::newRow("IE hacks are not names") << ".x{*zoom:1; _height:1px}"
                                                << ".x{_height=1px}";
        QTest::newRow("empty block") << ".x{}"
                                     << ".x{}";
        QTest::newRow("stray semicolons") << ".x{;;a:b;;}"
                                          << ".x{a=b}";
        QTest::newRow("attribute selector with a comma in quotes") << "a[title=\"x,y\"], b{c:d}"
                                                                   << "a[title=\"x,y\"]|b{c=d}";
        QTest::newRow(":is() keeps its inner comma") << ":is(p, q) > r{c:d}"
                                                     << ":is(p, q) > r{c=d}";
    }
    void readsRulesSelectorsAndDeclarations()
    {
        QFETCH(QString, css);
        QFETCH(QString, expected);
        QCOMPARE(picture(css), expected);
    }

    void commentsStringsAndEscapesHideStructure_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<QString>("expected");
        QTest::newRow("commented-out rule is no rule") << "/* .x { color: red } */ .y{a:b}"
                                                       << ".y{a=b}";
        QTest::newRow("comment inside a selector joins its parts") << "p/* note */.x{a:b}"
                                                                   << "p.x{a=b}";
        QTest::newRow("dropping a comment makes no new one") << "a//**/*b{c:d}"
                                                             << "a/ *b{c=d}";
        QTest::newRow("comment inside a value is a blank") << ".x{border:1pt/**/solid red/* why */}"
                                                           << ".x{border=1pt solid red}";
        QTest::newRow("braces and semicolons in strings") << ".x{content:\"} .y { a:b; \"; b:'{'}"
                                                          << ".x{content=\"} .y { a:b; \";b='{'}";
        QTest::newRow("rule text inside a string is no rule")
            << ".a{content:\".x { color: red }\"} .b{c:d}"
            << ".a{content=\".x { color: red }\"}\n.b{c=d}";
        QTest::newRow("escaped brace in a selector") << ".a\\{b{c:d} .e{f:g}"
                                                     << ".a\\{b{c=d}\n.e{f=g}";
        QTest::newRow("a backslash before a line break makes the selector invalid")
            << "\\\n,.x{a:b} .y{c:d}"
            << ".y{c=d}";
        QTest::newRow("an escaped blank ends a selector") << ".a\\ {b:c}"
                                                        << ".a\\ {b=c}";
        QTest::newRow("escaped quote in a string") << ".x{content:\"a\\\"}b\"} .y{c:d}"
                                                   << ".x{content=\"a\\\"}b\"}\n.y{c=d}";
        QTest::newRow("unquoted url with semicolons and parentheses")
            << ".x{background:url(data:image/png;base64,AAA=) no-repeat}"
            << ".x{background=url(data:image/png;base64,AAA=) no-repeat}";
        QTest::newRow("quoted url") << ".x{background:url(\"a;b.png\")}"
                                    << ".x{background=url(\"a;b.png\")}";
        QTest::newRow("white space inside strings kept") << ".x{content:\"a   b\"}"
                                                         << ".x{content=\"a   b\"}";
        QTest::newRow("HTML comment markers at the top") << "<!-- .x{a:b} -->"
                                                         << ".x{a=b}";
    }
    void commentsStringsAndEscapesHideStructure()
    {
        QFETCH(QString, css);
        QFETCH(QString, expected);
        QCOMPARE(picture(css), expected);
    }

    void atRulesAndGarbageLeaveTheirNeighboursAlone_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<QString>("expected");
        QTest::newRow("@import and @charset statements")
            << "@charset \"utf-8\"; @import url(base.css) print; .x{a:b}"
            << ".x{a=b}";
        QTest::newRow("@font-face block is passed over")
            << "@font-face { font-family: X; src: url(x.woff) } .x{a:b}"
            << ".x{a=b}";
        QTest::newRow("@page with nested margin boxes")
            << "@page { size: A4; @top-center { content: 'x' } } .x{a:b}"
            << ".x{a=b}";
        QTest::newRow("@keyframes") << "@keyframes k { from { a:b } to { a:c } } .x{a:b}"
                                    << ".x{a=b}";
        QTest::newRow("@media all counts for all media") << "@media all { .x{a:b} } .y{c:d}"
                                                         << ".x{a=b}\n.y{c=d}";
        QTest::newRow("@media print does not count for all media")
            << "@media print { .x{a:b} } .y{c:d}"
            << ".y{c=d}";
        QTest::newRow("a stray closing brace") << ".a{b:c} } .x{a:b}"
                                               << ".a{b=c}\n.x{a=b}";
        QTest::newRow("garbage before a rule spoils that rule only")
            << ".a{b:c} foo; .x{a:b} .y{c:d}"
            << ".a{b=c}\n.y{c=d}";
        QTest::newRow("unbalanced bracket in a selector") << "a[href{a:b} .y{c:d}"
                                                          << ".y{c=d}";
        QTest::newRow("unclosed parenthesis in a value stops at the brace")
            << ".x{color:rgb(1,2; width:1pt} .y{c:d}"
            << ".x{color=rgb(1,2;width=1pt}\n.y{c=d}";
        QTest::newRow("unclosed string ends at the line's end")
            << ".x{content:\"abc;\n width:1pt} .y{c:d}"
            << ".x{}\n.y{c=d}";
        QTest::newRow("nested rule inside a block is passed over")
            << ".x{a:b; &:hover{c:d} e:f} .y{g:h}"
            << ".x{a=b;e=f}\n.y{g=h}";
        QTest::newRow("selector without a block at the end") << ".x{a:b} .y"
                                                             << ".x{a=b}";
        QTest::newRow("empty selector in a list drops the rule") << ".x,,.y{a:b} .z{c:d}"
                                                                 << ".z{c=d}";
        QTest::newRow("unknown at-rule without end") << ".x{a:b} @foo bar"
                                                     << ".x{a=b}";
    }
    void atRulesAndGarbageLeaveTheirNeighboursAlone()
    {
        QFETCH(QString, css);
        QFETCH(QString, expected);
        QCOMPARE(picture(css), expected);
    }

    void positionsSpanTheRuleFromSelectorToBrace()
    {
        const QString css = QStringLiteral(
            "/* head */\r\n.a { x: 1 }\r\n\r\n  p.b,\r\n  .c\r\n{\r\n  y: \"}\";\r\n}\r\n"
            "@media print { .d{z:3} }\n.e{}");
        CssParser parser;
        parser.loadCss(css);
        const std::vector<CssStyle>& rules = parser.getStyles();
        QCOMPARE(int(rules.size()), 4);
        QCOMPARE(span(css, rules[0]), QStringLiteral(".a { x: 1 }"));
        QCOMPARE(span(css, rules[1]), QStringLiteral("p.b,\r\n  .c\r\n{\r\n  y: \"}\";\r\n}"));
        QCOMPARE(span(css, rules[2]), QStringLiteral(".d{z:3}"));
        QCOMPARE(span(css, rules[3]), QStringLiteral(".e{}"));
        QCOMPARE(rules[3].getEndPos(), int(css.size()) - 1);
    }

    void unterminatedRulesRunToTheEnd_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<QString>("spanOfLast");
        QTest::newRow("block not closed") << ".a{b:c} .x{a:b"
                                          << ".x{a:b";
        QTest::newRow("comment not closed inside a block") << ".a{b:c} .x{a:b /* to the end }"
                                                           << ".x{a:b /* to the end }";
        QTest::newRow("@media not closed") << "@media all { .x{a:b}"
                                           << ".x{a:b}";
        QTest::newRow("rule inside an unclosed @media") << "@media all { .x{a:b"
                                                        << ".x{a:b";
    }
    void unterminatedRulesRunToTheEnd()
    {
        QFETCH(QString, css);
        QFETCH(QString, spanOfLast);
        CssParser parser;
        parser.loadCss(css);
        QVERIFY(!parser.getStyles().empty());
        QCOMPARE(span(css, parser.getStyles().back()), spanOfLast);
    }

    void unterminatedCommentHidesEverythingAfterIt()
    {
        QCOMPARE(picture(".a{b:c} /* .x{a:b} .y{c:d}"), QStringLiteral(".a{b=c}"));
    }

    void mediaSelectsRules_data()
    {
        QTest::addColumn<int>("media");
        QTest::addColumn<QString>("expected");
        const QString all = QStringLiteral(".top{}\n.all{}");
        QTest::newRow("all media") << int(CssParser::AllMedia) << all;
        QTest::newRow("screen") << int(CssParser::ScreenMedia)
                                << QStringLiteral(".top{}\n.screen{}\n.both{}\n.all{}\n.only{}");
        QTest::newRow("print") << int(CssParser::PrintMedia)
                               << QStringLiteral(".top{}\n.print{}\n.both{}\n.all{}\n.nested{}");
    }
    void mediaSelectsRules()
    {
        QFETCH(int, media);
        QFETCH(QString, expected);
        const QString css =
            QStringLiteral(".top{}"
                           "@media screen { .screen{} }"
                           "@media PRINT { .print{} }"
                           "@media screen, print { .both{} }"
                           "@media all { .all{} }"
                           "@media only screen { .only{} }"
                           "@media screen and (min-width: 30em) { .conditional{} }"
                           "@media not print { .negated{} }"
                           "@media speech { .speech{} }"
                           "@media print { @media all { .nested{} } @media screen { .never{} } }");
        QCOMPARE(picture(css, media), expected);
    }

    void deepNestingDoesNotExhaustTheStack()
    {
        QString css;
        for (int i = 0; i < 20000; ++i) {
            css += QStringLiteral("@media all {");
        }
        css += QStringLiteral(".deep{a:b}");
        css += QString(20000, QLatin1Char('}'));
        css += QStringLiteral(".after{c:d}");
        QString brackets = QStringLiteral(".x{a:") + QString(100000, QLatin1Char('(')) +
                           QStringLiteral("} .y{c:d}");
        QCOMPARE(picture(css), QStringLiteral(".after{c=d}"));
        QCOMPARE(picture(brackets).section(QLatin1Char('\n'), -1), QStringLiteral(".y{c=d}"));
    }

    void loadingAgainForgetsTheOldRules()
    {
        CssParser parser;
        parser.loadCss(".a{b:c}");
        parser.loadCss("");
        QVERIFY(parser.getStyles().empty());
        QVERIFY(parser.getCssStyleSheet().empty());
    }
};

UIEDITOR_TEST_CLASS(TestCssParser)
#include "tst_cssparser.moc"
