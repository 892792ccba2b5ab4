// XPathHelpers: paths made relative to a context node and composed back, as the
// expression editor, the sort and group dialogs and the tree control use them.
#include "outside/types/xpathhelpers.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString relative(const QString& context, const QString& path)
{
    return XPathHelpers::getRelativeXPath(context, path).toQString();
}

QString compose(const QString& context, const QString& path)
{
    return XPathHelpers::composeXPath(context, path).toQString();
}

QString normalize(const QString& path)
{
    return XPathHelpers::normalizeXPath(path).toQString();
}

} // namespace

class TestXPathHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void relativePaths_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("the context itself") << u"/invoice/line"_s << u"/invoice/line"_s << u"."_s;
        QTest::newRow("child") << u"/invoice/line"_s << u"/invoice/line/price"_s << u"price"_s;
        QTest::newRow("attribute") << u"/invoice/line"_s << u"/invoice/line/@id"_s << u"@id"_s;
        QTest::newRow("text below a child") << u"/invoice/line"_s << u"/invoice/line/price/text()"_s << u"price/text()"_s;
        QTest::newRow("parent") << u"/invoice/line"_s << u"/invoice"_s << u".."_s;
        QTest::newRow("sibling branch") << u"/invoice/line"_s << u"/invoice/header/date"_s << u"../header/date"_s;
        QTest::newRow("above the root") << u"/invoice/line"_s << u"/"_s << u"../.."_s;
        QTest::newRow("from the root") << u"/"_s << u"/invoice"_s << u"invoice"_s;
        QTest::newRow("root from root") << u"/"_s << u"/"_s << u"."_s;
        QTest::newRow("context without leading slash") << u"invoice/line"_s << u"/invoice/line/price"_s << u"price"_s;
        QTest::newRow("prefixed names") << u"/fo:root/fo:flow"_s << u"/fo:root/fo:flow/fo:block/@fo:id"_s << u"fo:block/@fo:id"_s;
        QTest::newRow("same predicate shared") << u"/a/b[1]"_s << u"/a/b[1]/c"_s << u"c"_s;
        QTest::newRow("different predicate is another step") << u"/a/b[2]"_s << u"/a/b/c"_s << u"../b/c"_s;
        QTest::newRow("slash inside a predicate") << u"/a"_s << u"/a/b[c/d = 'x']/e"_s << u"b[c/d = 'x']/e"_s;
        QTest::newRow("slash inside a literal") << u"/a"_s << u"/a/b[@k=\"/\"]"_s << u"b[@k=\"/\"]"_s;
        QTest::newRow("attribute context") << u"/a/@x"_s << u"/a/b"_s << u"../b"_s;
        QTest::newRow("shared descendant step") << u"/a//b"_s << u"/a//b/c"_s << u"c"_s;
        QTest::newRow("descendant step in the path") << u"/a"_s << u"/a//b"_s << u".//b"_s;
        QTest::newRow("descendant step after climbing") << u"/a/b"_s << u"/a//c"_s << u"..//c"_s;
        QTest::newRow("context below a descendant step has no relative form") << u"/a//b"_s << u"/a/c"_s << u"/a/c"_s;
        QTest::newRow("context through another axis has no relative form") << u"/a/ancestor::b"_s << u"/a/c"_s << u"/a/c"_s;
        QTest::newRow("dots and trailing slash are normal form") << u"/a/./b/"_s << u"/a/b/c/../d"_s << u"d"_s;
        QTest::newRow("blanks around steps") << u" /a / b "_s << u"/a/b/c"_s << u"c"_s;
        QTest::newRow("union, each side") << u"/a"_s << u"/a/b | /a/c"_s << u"b | c"_s;
        QTest::newRow("relative path unchanged") << u"/a"_s << u"price"_s << u"price"_s;
        QTest::newRow("expression unchanged") << u"/a"_s << u"count(/a/b)"_s << u"count(/a/b)"_s;
        QTest::newRow("first step that would read as a call") << u"/"_s << u"/count(x)"_s << u"/count(x)"_s;
        // clang-format on
    }
    void relativePaths()
    {
        QFETCH(QString, context);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(relative(context, path), expected);
    }

    void composedPaths_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("dot is the context") << u"/invoice/line"_s << u"."_s << u"/invoice/line"_s;
        QTest::newRow("empty is the context") << u"/invoice/line"_s << u""_s << u"/invoice/line"_s;
        QTest::newRow("child") << u"/invoice/line"_s << u"price"_s << u"/invoice/line/price"_s;
        QTest::newRow("attribute through dot") << u"/invoice/line"_s << u"./@id"_s << u"/invoice/line/@id"_s;
        QTest::newRow("parent step") << u"/invoice/line"_s << u"../header"_s << u"/invoice/header"_s;
        QTest::newRow("group context on an attribute") << u"/order"_s << u"item/@id"_s << u"/order/item/@id"_s;
        QTest::newRow("absolute path ignores the context") << u"/a/b"_s << u"/x//y"_s << u"/x//y"_s;
        QTest::newRow("never above the root") << u"/a"_s << u"../../b"_s << u"/b"_s;
        QTest::newRow("parent of the root") << u"/"_s << u".."_s << u"/"_s;
        QTest::newRow("context without leading slash") << u"invoice"_s << u"line"_s << u"/invoice/line"_s;
        QTest::newRow("descendant step") << u"/a"_s << u".//x"_s << u"/a//x"_s;
        QTest::newRow("parent of a descendant stays") << u"/a//b"_s << u".."_s << u"/a//b/.."_s;
        QTest::newRow("parent after another axis stays") << u"/a/ancestor::b"_s << u".."_s << u"/a/ancestor::b/.."_s;
        QTest::newRow("text node step folds") << u"/a/text()"_s << u".."_s << u"/a"_s;
        QTest::newRow("predicate content untouched") << u"/a"_s << u"b[../c]/.."_s << u"/a"_s;
        QTest::newRow("child axis folds") << u"/a"_s << u"child::b/../c"_s << u"/a/c"_s;
        QTest::newRow("union, each side") << u"/r/s"_s << u"a | ../b"_s << u"/r/s/a | /r/b"_s;
        QTest::newRow("function call unchanged") << u"/a"_s << u"count(line)"_s << u"count(line)"_s;
        QTest::newRow("variable unchanged") << u"/a"_s << u"$v/b"_s << u"$v/b"_s;
        QTest::newRow("node test is a path") << u"/a"_s << u"node()"_s << u"/a/node()"_s;
        // clang-format on
    }
    void composedPaths()
    {
        QFETCH(QString, context);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(compose(context, path), expected);
    }

    void composeUndoesRelative_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("path");
        const QStringList contexts = {"/",
                                      "/invoice",
                                      "/invoice/line",
                                      "/invoice/line/@id",
                                      "/invoice/line[2]/price",
                                      "/invoice//line",
                                      "/fo:root/fo:page-sequence/fo:flow",
                                      "/a/ancestor::b/c"};
        const QStringList paths = {"/",
                                   "/invoice",
                                   "/invoice/line",
                                   "/invoice/line/price/text()",
                                   "/invoice/line[2]/price",
                                   "/invoice/line[@id = '/x']/price",
                                   "/invoice/header/date",
                                   "/invoice//line/price",
                                   "//line",
                                   "/invoice//.",
                                   "/invoice//line/..",
                                   "/fo:root/fo:page-sequence/fo:flow/fo:block",
                                   "/a/ancestor::b/c/d",
                                   "/a/ancestor::b/..",
                                   "/invoice/line | /invoice/header"};
        for (const QString& context : contexts) {
            for (const QString& path : paths) {
                // clang-format off
                QTest::addRow("%s from %s", qPrintable(path), qPrintable(context)) << context << path;
                // clang-format on
            }
        }
    }
    void composeUndoesRelative()
    {
        QFETCH(QString, context);
        QFETCH(QString, path);
        QCOMPARE(normalize(path), path); // the fixture holds normal forms only
        const QString relativePath = relative(context, path);
        QCOMPARE(compose(context, relativePath), path);
    }

    void oddTextIsHandled_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << u""_s;
        QTest::newRow("slashes") << u"////"_s;
        QTest::newRow("dots") << u"../../.."_s;
        QTest::newRow("open bracket") << u"/a[b/c"_s;
        QTest::newRow("closing brackets") << u"/a]]/b))"_s;
        QTest::newRow("open quote") << u"/a[@x='/b]/c"_s;
        QTest::newRow("colons") << u"/a:/::b/:c:"_s;
        QTest::newRow("axis without test") << u"/child::/attribute::"_s;
        QTest::newRow("control characters") << QString::fromUtf8("/a\x01/\x7f/b");
        QTest::newRow("lone surrogate") << u"/a/"_s + QChar(0xDC00) + QStringLiteral("/..");
        QTest::newRow("deep") << QString("/a").repeated(2000) + QString("/..").repeated(2500);
    }
    void oddTextIsHandled()
    {
        QFETCH(QString, text);
        // Normal form is a fixed point, and an absolute text composes to it
        // whatever the context.
        const QString normal = normalize(text);
        QCOMPARE(normalize(normal), normal);
        if (text.trimmed().startsWith(u'/')) {
            QCOMPARE(compose("/ctx", text), normal);
            QCOMPARE(compose(text, relative(text, text)), normal);
        }
    }
};

UIEDITOR_TEST_CLASS(TestXPathHelpers)
#include "tst_xpathhelpers.moc"
