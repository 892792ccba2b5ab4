// The stylesheet parser: rules with their selectors, declarations and exact
// positions, through comments, strings, escapes, at-rules and garbage. The
// positions matter most: CssHelper::editStyle replaces exactly the characters
// they span, so an off-by-one eats a brace of the next rule.
#include "outside/cssvalues/xmlcssparser.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
        // clang-format off
        QTest::newRow("one rule") << u"p.note { font-size: 12pt; color: red }"_s << u"p.note{font-size=12pt;color=red}"_s;
        QTest::newRow("selector list, blanks reduced") << u"h1 ,\n  .x,div   >  p{a:b}"_s << u"h1|.x|div > p{a=b}"_s;
        QTest::newRow("names lower-cased, custom properties keep case") << u".x { COLOR: Red; --Main-Color: Blue }"_s << u".x{color=Red;--Main-Color=Blue}"_s;
        QTest::newRow("repeated names kept in order") << u".x{color:red;color:blue}"_s << u".x{color=red;color=blue}"_s;
        QTest::newRow("!important in every spelling") << u".x{a:1 !important; b:2!IMPORTANT; c: 3 ! important ; d: unimportant}"_s << u".x{a=1!;b=2!;c=3!;d=unimportant}"_s;
        QTest::newRow("values across lines read as one line") << u".x{font-family: Arial,\n\t  sans-serif ;}"_s << u".x{font-family=Arial, sans-serif}"_s;
        QTest::newRow("declarations without value or colon are dropped") << u".x{color:; margin 0; :red; padding:1pt}"_s << u".x{padding=1pt}"_s;
        QTest::newRow("IE hacks are not names") << u".x{*zoom:1; _height:1px}"_s << u".x{_height=1px}"_s;
        QTest::newRow("attribute selector with a comma in quotes") << u"a[title=\"x,y\"], b{c:d}"_s << u"a[title=\"x,y\"]|b{c=d}"_s;
        QTest::newRow(":is() keeps its inner comma") << u":is(p, q) > r{c:d}"_s << u":is(p, q) > r{c=d}"_s;
        // clang-format on
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
        // clang-format off
        QTest::newRow("commented-out rule is no rule") << "/* .x { color: red } */ .y{a:b}" << ".y{a=b}";
        QTest::newRow("comment inside a selector joins its parts") << "p/* note */.x{a:b}" << "p.x{a=b}";
        QTest::newRow("dropping a comment makes no new one") << "a//**/*b{c:d}" << "a/ *b{c=d}";
        QTest::newRow("comment inside a value is a blank") << ".x{border:1pt/**/solid red/* why */}" << ".x{border=1pt solid red}";
        QTest::newRow("braces and semicolons in strings") << ".x{content:\"} .y { a:b; \"; b:'{'}" << ".x{content=\"} .y { a:b; \";b='{'}";
        QTest::newRow("rule text inside a string is no rule") << ".a{content:\".x { color: red }\"} .b{c:d}" << ".a{content=\".x { color: red }\"}\n.b{c=d}";
        QTest::newRow("escaped brace in a selector") << ".a\\{b{c:d} .e{f:g}" << ".a\\{b{c=d}\n.e{f=g}";
        QTest::newRow("a backslash before a line break makes the selector invalid") << "\\\n,.x{a:b} .y{c:d}" << ".y{c=d}";
        QTest::newRow("an escaped blank ends a selector") << ".a\\ {b:c}" << ".a\\ {b=c}";
        QTest::newRow("escaped quote in a string") << ".x{content:\"a\\\"}b\"} .y{c:d}" << ".x{content=\"a\\\"}b\"}\n.y{c=d}";
        QTest::newRow("unquoted url with semicolons and parentheses") << ".x{background:url(data:image/png;base64,AAA=) no-repeat}" << ".x{background=url(data:image/png;base64,AAA=) no-repeat}";
        QTest::newRow("HTML comment markers at the top") << "<!-- .x{a:b} -->" << ".x{a=b}";
        // clang-format on
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
        // clang-format off
        QTest::newRow("@import and @charset statements") << u"@charset \"utf-8\"; @import url(base.css) print; .x{a:b}"_s << u".x{a=b}"_s;
        QTest::newRow("@page with nested margin boxes") << u"@page { size: A4; @top-center { content: 'x' } } .x{a:b}"_s << u".x{a=b}"_s;
        QTest::newRow("@media all counts for all media") << u"@media all { .x{a:b} } .y{c:d}"_s << u".x{a=b}\n.y{c=d}"_s;
        QTest::newRow("@media print does not count for all media") << u"@media print { .x{a:b} } .y{c:d}"_s << u".y{c=d}"_s;
        QTest::newRow("a stray closing brace") << u".a{b:c} } .x{a:b}"_s << u".a{b=c}\n.x{a=b}"_s;
        QTest::newRow("garbage before a rule spoils that rule only") << u".a{b:c} foo; .x{a:b} .y{c:d}"_s << u".a{b=c}\n.y{c=d}"_s;
        QTest::newRow("unbalanced bracket in a selector") << u"a[href{a:b} .y{c:d}"_s << u".y{c=d}"_s;
        QTest::newRow("unclosed parenthesis in a value stops at the brace") << u".x{color:rgb(1,2; width:1pt} .y{c:d}"_s << u".x{color=rgb(1,2;width=1pt}\n.y{c=d}"_s;
        QTest::newRow("unclosed string ends at the line's end") << u".x{content:\"abc;\n width:1pt} .y{c:d}"_s << u".x{}\n.y{c=d}"_s;
        QTest::newRow("nested rule inside a block is passed over") << u".x{a:b; &:hover{c:d} e:f} .y{g:h}"_s << u".x{a=b;e=f}\n.y{g=h}"_s;
        QTest::newRow("selector without a block at the end") << u".x{a:b} .y"_s << u".x{a=b}"_s;
        QTest::newRow("empty selector in a list drops the rule") << u".x,,.y{a:b} .z{c:d}"_s << u".z{c=d}"_s;
        // clang-format on
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
        // clang-format off
        QTest::newRow("block not closed") << u".a{b:c} .x{a:b"_s << u".x{a:b"_s;
        QTest::newRow("comment not closed inside a block") << u".a{b:c} .x{a:b /* to the end }"_s << u".x{a:b /* to the end }"_s;
        QTest::newRow("@media not closed") << u"@media all { .x{a:b}"_s << u".x{a:b}"_s;
        // clang-format on
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
        // clang-format off
        QTest::newRow("all media") << int(CssParser::AllMedia) << all;
        QTest::newRow("screen") << int(CssParser::ScreenMedia) << u".top{}\n.screen{}\n.both{}\n.all{}\n.only{}"_s;
        QTest::newRow("print") << int(CssParser::PrintMedia) << u".top{}\n.print{}\n.both{}\n.all{}\n.nested{}"_s;
        // clang-format on
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
};

UIEDITOR_TEST_CLASS(TestCssParser)
#include "tst_cssparser.moc"
