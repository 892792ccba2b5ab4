// The expression editor's check, which runs on every OK and every press of
// the check button: the throw-away stylesheet built, its two files written and
// libxslt run on them in the process.
#include "outside/core/corememorystream.h"
#include "outside/core/namespaces.h"
#include "outside/transform/transform.h"
#include "xml/model/xpathcheck.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const XPathCheck::NamespaceMap namespaces{{"fo", Xml::Namespaces::FO},
                                          {"kmb", Xml::Namespaces::KMB}};
const std::vector<ManagedScript> scripts{
    ManagedScript("my", "C#", "string f(string s) { return s; }", {"f"})};
const std::vector<KMBVariable> variables{KMBVariable("total", "sum(//price)")};
const Core::String expression(
    "sum(/invoice/lines/line[quantity &gt; 1]/amount) &gt; $total and my:f('x') != \"\"");

} // namespace

class BenchXPath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    /// libxslt alone: the files are there, compile and apply.
    void transformOnly()
    {
        QTemporaryDir dir;
        const QString stylesheet = dir.filePath(QStringLiteral("check.xsl"));
        const QString input = dir.filePath(QStringLiteral("input.xml"));
        QVERIFY(
            XPathCheck::run(XPathCheck::buildStylesheet(expression, namespaces, scripts, variables),
                            stylesheet, input, 0)
                .valid);
        QBENCHMARK
        {
            Varnel::Transform::xsl2fo(stylesheet, input, makeSmart<Core::IO::MemoryStream>(), {},
                                      0);
        }
    }

    /// The stylesheet text alone.
    void buildStylesheet()
    {
        Core::String stylesheet;
        QBENCHMARK
        {
            stylesheet = XPathCheck::buildStylesheet(expression, namespaces, scripts, variables);
        }
        QVERIFY(stylesheet.contains("select=\"sum("));
    }

    /// One check as the editor runs it: stylesheet built, two new temporary
    /// files written, transform run.
    void checkOnce()
    {
        XPathCheck::Result result;
        QBENCHMARK
        {
            result = XPathCheck::check(expression, namespaces, scripts, variables, 0);
        }
        QVERIFY2(result.valid, qPrintable(result.message.toQString()));
    }
};

QTEST_GUILESS_MAIN(BenchXPath)
#include "bench_xpath.moc"
