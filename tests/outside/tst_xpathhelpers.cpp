// XPathHelpers: paths made relative to a context node and composed back, as the
// expression editor, the sort and group dialogs and the tree control use them.
#include "outside/types/xpathhelpers.h"
#include "testregistry.h"

#include <QTest>

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
        QTest::newRow("the context itself") << "/invoice/line"
                                            << "/invoice/line"
                                            << ".";
        QTest::newRow("child") << "/invoice/line"
                               << "/invoice/line/price"
                               << "price";
        QTest::newRow("attribute") << "/invoice/line"
                                   << "/invoice/line/@id"
                                   << "@id";
        QTest::newRow("text below a child") << "/invoice/line"
                                            << "/invoice/line/price/text()"
                                            << "price/text()";
        QTest::newRow("parent") << "/invoice/line"
                                << "/invoice"
                                << "..";
        QTest::newRow("sibling branch") << "/invoice/line"
                                        << "/invoice/header/date"
                                        << "../header/date";
        QTest::newRow("above the root") << "/invoice/line"
                                        << "/"
                                        << "../..";
        QTest::newRow("from the root") << "/"
                                       << "/invoice"
                                       << "invoice";
        QTest::newRow("root from root") << "/"
                                        << "/"
                                        << ".";
        QTest::newRow("context without leading slash") << "invoice/line"
                                                       << "/invoice/line/price"
                                                       << "price";
        QTest::newRow("prefixed names") << "/fo:root/fo:flow"
                                        << "/fo:root/fo:flow/fo:block/@fo:id"
                                        << "fo:block/@fo:id";
        QTest::newRow("same predicate shared") << "/a/b[1]"
                                               << "/a/b[1]/c"
                                               << "c";
        QTest::newRow("different predicate is another step") << "/a/b[2]"
                                                             << "/a/b/c"
                                                             << "../b/c";
        QTest::newRow("slash inside a predicate") << "/a"
                                                  << "/a/b[c/d = 'x']/e"
                                                  << "b[c/d = 'x']/e";
        QTest::newRow("slash inside a literal") << "/a"
                                                << "/a/b[@k=\"/\"]"
                                                << "b[@k=\"/\"]";
        QTest::newRow("attribute context") << "/a/@x"
                                           << "/a/b"
                                           << "../b";
        QTest::newRow("shared descendant step") << "/a//b"
                                                << "/a//b/c"
                                                << "c";
        QTest::newRow("descendant step in the path") << "/a"
                                                     << "/a//b"
                                                     << ".//b";
        QTest::newRow("descendant step after climbing") << "/a/b"
                                                        << "/a//c"
                                                        << "..//c";
        QTest::newRow("context below a descendant step has no relative form") << "/a//b"
                                                                              << "/a/c"
                                                                              << "/a/c";
        QTest::newRow("context through another axis has no relative form") << "/a/ancestor::b"
                                                                           << "/a/c"
                                                                           << "/a/c";
        QTest::newRow("dots and trailing slash are normal form") << "/a/./b/"
                                                                 << "/a/b/c/../d"
                                                                 << "d";
        QTest::newRow("blanks around steps") << " /a / b "
                                             << "/a/b/c"
                                             << "c";
        QTest::newRow("union, each side") << "/a"
                                          << "/a/b | /a/c"
                                          << "b | c";
        QTest::newRow("relative path unchanged") << "/a"
                                                 << "price"
                                                 << "price";
        QTest::newRow("expression unchanged") << "/a"
                                              << "count(/a/b)"
                                              << "count(/a/b)";
        QTest::newRow("first step that would read as a call") << "/"
                                                              << "/count(x)"
                                                              << "/count(x)";
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
        QTest::newRow("dot is the context") << "/invoice/line"
                                            << "."
                                            << "/invoice/line";
        QTest::newRow("dot slash is the context") << "/invoice/line"
                                                  << "./"
                                                  << "/invoice/line";
        QTest::newRow("empty is the context") << "/invoice/line"
                                              << ""
                                              << "/invoice/line";
        QTest::newRow("child") << "/invoice/line"
                               << "price"
                               << "/invoice/line/price";
        QTest::newRow("attribute through dot") << "/invoice/line"
                                               << "./@id"
                                               << "/invoice/line/@id";
        QTest::newRow("parent step") << "/invoice/line"
                                     << "../header"
                                     << "/invoice/header";
        QTest::newRow("group context on an attribute") << "/order"
                                                       << "item/@id"
                                                       << "/order/item/@id";
        QTest::newRow("absolute path ignores the context") << "/a/b"
                                                           << "/x//y"
                                                           << "/x//y";
        QTest::newRow("never above the root") << "/a"
                                              << "../../b"
                                              << "/b";
        QTest::newRow("root context") << "/"
                                      << "invoice"
                                      << "/invoice";
        QTest::newRow("parent of the root") << "/"
                                            << ".."
                                            << "/";
        QTest::newRow("context without leading slash") << "invoice"
                                                       << "line"
                                                       << "/invoice/line";
        QTest::newRow("descendant step") << "/a"
                                         << ".//x"
                                         << "/a//x";
        QTest::newRow("parent of a descendant stays") << "/a//b"
                                                      << ".."
                                                      << "/a//b/..";
        QTest::newRow("parent after another axis stays") << "/a/ancestor::b"
                                                         << ".."
                                                         << "/a/ancestor::b/..";
        QTest::newRow("text node step folds") << "/a/text()"
                                              << ".."
                                              << "/a";
        QTest::newRow("predicate content untouched") << "/a"
                                                     << "b[../c]/.."
                                                     << "/a";
        QTest::newRow("child axis folds") << "/a"
                                          << "child::b/../c"
                                          << "/a/c";
        QTest::newRow("union, each side") << "/r/s"
                                          << "a | ../b"
                                          << "/r/s/a | /r/b";
        QTest::newRow("function call unchanged") << "/a"
                                                 << "count(line)"
                                                 << "count(line)";
        QTest::newRow("variable unchanged") << "/a"
                                            << "$v/b"
                                            << "$v/b";
        QTest::newRow("literal unchanged") << "/a"
                                           << "'text'"
                                           << "'text'";
        QTest::newRow("number unchanged") << "/a"
                                          << ".5"
                                          << ".5";
        QTest::newRow("node test is a path") << "/a"
                                             << "node()"
                                             << "/a/node()";
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
        const QStringList contexts = {
            "/",
            "/invoice",
            "/invoice/line",
            "/invoice/line/@id",
            "/invoice/line[2]/price",
            "/invoice//line",
            "/fo:root/fo:page-sequence/fo:flow",
            "/a/ancestor::b/c",
        };
        const QStringList paths = {
            "/",
            "/invoice",
            "/invoice/line",
            "/invoice/line/@id",
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
            "/invoice/line | /invoice/header",
        };
        for (const QString& context : contexts) {
            for (const QString& path : paths) {
                QTest::addRow("%s from %s", qPrintable(path), qPrintable(context))
                    << context << path;
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
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("slashes") << "////";
        QTest::newRow("dots") << "../../..";
        QTest::newRow("bars") << "|||";
        QTest::newRow("open bracket") << "/a[b/c";
        QTest::newRow("closing brackets") << "/a]]/b))";
        QTest::newRow("open quote") << "/a[@x='/b]/c";
        QTest::newRow("colons") << "/a:/::b/:c:";
        QTest::newRow("axis without test") << "/child::/attribute::";
        QTest::newRow("control characters") << QString::fromUtf8("/a\x01/\x7f/b");
        QTest::newRow("lone surrogate")
            << QStringLiteral("/a/") + QChar(0xDC00) + QStringLiteral("/..");
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
