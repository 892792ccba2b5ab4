// The syntax catalogue on the paths that use it: loading the definitions on
// first use, lookups the first time a name is met (an XPath over the
// definition), and the same lookups again, as the source view's highlighting
// and the formatting dialogs' property lists repeat them.
#include "outside/core/coreapplication.h"
#include "outside/core/namespaces.h"
#include "outside/xslfo/xslfodtobjectinfo.h"
#include "xml/model/syntaxxml.h"

#include <QTest>

namespace {

SmartPtr<Core::IO::Stream> fromResources(const Core::String& name)
{
    return Core::Application::loadFileFromResources(name, "syntax");
}

} // namespace

class BenchSyntax : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadDefinitions()
    {
        QBENCHMARK
        {
            SyntaxXml syntax(fromResources);
            QVERIFY(!syntax.hasErrors());
        }
    }

    void firstLookupOfEveryBlockProperty()
    {
        const std::vector<Core::String> properties =
            SyntaxXml::get().getElementDataByName("block", SyntaxXmlType::FO).getProperties();
        QVERIFY(properties.size() > 100);
        SyntaxXml syntax(fromResources);
        int round = 0;
        QBENCHMARK
        {
            // A new suffix each round: nothing is remembered from the last one.
            const QString suffix = QString::number(round++);
            for (const Core::String& name : properties) {
                syntax.getAttributeDataByQualifiedName(name.toQString() + suffix,
                                                       SyntaxXmlType::FO);
            }
        }
    }

    void repeatedLookupOfEveryBlockProperty()
    {
        const SyntaxXml& syntax = SyntaxXml::get();
        const std::vector<Core::String> properties =
            syntax.getElementDataByName("block", SyntaxXmlType::FO).getProperties();
        int found = 0;
        QBENCHMARK
        {
            for (const Core::String& name : properties) {
                found += !syntax.getAttributeDataByQualifiedName(name, SyntaxXmlType::FO).isEmpty();
            }
        }
        QVERIFY(found > 0);
    }

    void objectInformationOfABlock()
    {
        SyntaxXml::get();
        QBENCHMARK
        {
            const XSLFO::DTObjectInfo info("fo:block", Xml::Namespaces::FO);
            QVERIFY(info.getPropertyByName("text-align"));
        }
    }
};

QTEST_MAIN(BenchSyntax)
#include "bench_syntax.moc"
