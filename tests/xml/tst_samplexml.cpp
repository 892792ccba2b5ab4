// The sample data a template is designed against, as the designer loads it
// and as dialogs read it: XML files, data aggregation files, failures, the
// namespace prefixes offered for XPath, and files that try to reach outside.
#include "../outside/xmltestsupport.h"
#include "frame/win32constants.h"
#include "outside/core/coreformat.h"
#include "outside/core/namespaces.h"
#include "recordingmessageboxfactory.h"
#include "samplefiles.h"
#include "testregistry.h"
#include "xml/model/samplexml.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Core::String;

namespace {

constexpr unsigned kLoadFailed = 63214;
constexpr unsigned kNoSingleOutput = 63292;
constexpr unsigned kDefaultNamespaceWarning = 63293;

// "a=urn:a;b=urn:b", the map in its order.
QString describe(const SampleXml::NamespaceMap& map)
{
    QStringList pairs;
    for (const auto& [prefix, uri] : map) {
        pairs << prefix.toQString() + QLatin1Char('=') + uri.toQString();
    }
    return pairs.join(QLatin1Char(';'));
}

int countMatches(const SampleXml& sample, const QString& xpath)
{
    return int(sample.getXmlDocument()->getRootNode().find(xpath, sample.getNamespaceMap()).size());
}

const QByteArray invoiceLfa =
    "<lfs:datasource xmlns:lfs=\"http://www.varnel.com/lfs/1.0\">\n"
    "  <lfs:sources><lfs:source name=\"erp\"/></lfs:sources>\n"
    "  <lfs:output>\n"
    "    <lfs:element name=\"Invoice\">\n"
    "      <lfs:attribute name=\"number\"/>\n"
    "      <lfs:element name=\"Customer\" namespace-prefix=\"c\" namespace-uri=\"urn:customer\">\n"
    "        <lfs:attribute name=\"id\" value=\"C1\"/>\n"
    "        <lfs:element name=\"Name\"/>\n"
    "      </lfs:element>\n"
    "      <lfs:list name=\"Line\"><lfs:element name=\"Amount\"/></lfs:list>\n"
    "    </lfs:element>\n"
    "  </lfs:output>\n"
    "</lfs:datasource>\n";

} // namespace

class TestSampleXml : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void missingFileIsAnErrorNotAFailedCall()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("gone.xml");
        SampleXml sample;
        QVERIFY(sample.load(path, DatasourceType::XmlFile));
        QVERIFY(sample.hasErrors());
        QVERIFY(sample.getXmlDocument().isNull());
        QVERIFY2(sample.getLastError().contains(path), qPrintable(sample.getLastError()));
        QCOMPARE(sample.getXmlDocumentFilePath().toQString(), path);
    }

    void brokenXmlNamesFileAndLine()
    {
        QTemporaryDir dir;
        SampleXml sample;
        TestSupport::RecordingMessageBoxFactory messages;
        sample.load(SampleFiles::write(dir.path(), "good.xml", "<a xmlns:p='urn:p'/>"),
                    DatasourceType::XmlFile);
        QCOMPARE(sample.getNamespaceMap().size(), std::size_t(1));
        sample.load(SampleFiles::write(dir.path(), "broken.xml", "<a>\n<b></a>"),
                    DatasourceType::XmlFile);
        QVERIFY(sample.getXmlDocument().isNull());
        QVERIFY(sample.getNamespaceMap().empty()); // nothing left of the sample before
        const QString error = sample.getLastError();
        QVERIFY2(error.startsWith(Core::Format::format(String::formatS(kLoadFailed), "")) &&
                     error.contains("broken.xml, line 2"),
                 qPrintable(error));
        QCOMPARE(messages.count(), 0); // the caller decides how to show it
    }

    void namespaceMap_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("map");
        QTest::addColumn<int>("warnings");
        // clang-format off
        QTest::newRow("default namespace warns once, not in the map") << QByteArray("<r xmlns='urn:d' xmlns:a='urn:a'><c xmlns='urn:e'/></r>") << u"a=urn:a"_s << 1;
        QTest::newRow("reserved prefixes in any case") << QByteArray("<r xmlns:FO='urn:fo' xmlns:Kmb='urn:k' xmlns:xsl='urn:x' xmlns:fox='urn:fox'/>") << u"fox=urn:fox"_s << 0;
        QTest::newRow("km, svg and zc are reserved too") << QByteArray("<r xmlns:km='urn:km' xmlns:SVG='urn:s' xmlns:zc='urn:z' xmlns:kmx='urn:kmx'/>") << u"kmx=urn:kmx"_s << 0;
        QTest::newRow("same prefix twice keeps the last") << QByteArray("<r xmlns:a='urn:1'><x><y xmlns:a='urn:2'/></x><z xmlns:b='urn:b'/></r>") << u"a=urn:2;b=urn:b"_s << 0;
        QTest::newRow("undeclaring the default is no default namespace") << QByteArray("<r xmlns:a='urn:a'><c xmlns=''/></r>") << u"a=urn:a"_s << 0;
        // clang-format on
    }

    void namespaceMap()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, map);
        QFETCH(int, warnings);
        QTemporaryDir dir;
        TestSupport::RecordingMessageBoxFactory messages;
        SampleXml sample;
        sample.load(SampleFiles::write(dir.path(), "s.xml", xml), DatasourceType::XmlFile);
        QVERIFY2(!sample.hasErrors(), qPrintable(sample.getLastError()));
        QCOMPARE(describe(sample.getNamespaceMap()), map);
        QCOMPARE(messages.count(), warnings);
        if (warnings) {
            QCOMPARE(messages.last().textId, kDefaultNamespaceWarning);
            QCOMPARE(messages.last().type, unsigned(Win32::MB_ICONWARNING | Win32::MB_OK));
        }
    }

    void dataAggregationFileGivesSkeleton()
    {
        QTemporaryDir dir;
        TestSupport::RecordingMessageBoxFactory messages;
        SampleXml sample;
        sample.load(SampleFiles::write(dir.path(), "invoice.lfa", invoiceLfa),
                    DatasourceType::DataAggregationFile);
        QVERIFY2(!sample.hasErrors(), qPrintable(sample.getLastError()));
        QCOMPARE(describe(sample.getNamespaceMap()),
                 QStringLiteral("c=urn:customer;dt=%1;ns=%2")
                     .arg(Xml::Namespaces::DT, Xml::Namespaces::LFS_SAMPLE));
        // The output's child names the root; unqualified nodes take "ns",
        // descendants inherit a namespace their ancestor names.
        QCOMPARE(countMatches(sample, "/ns:Invoice[@dt:node-type='element'][@ns:number='']"), 1);
        QCOMPARE(countMatches(sample, "/ns:Invoice/c:Customer[@c:id='C1']/c:Name"), 1);
        QCOMPARE(countMatches(sample, "/ns:Invoice/ns:Line[@dt:node-type='list']/ns:Amount"), 1);
        QCOMPARE(countMatches(sample, "//*"), 5);
        QCOMPARE(messages.count(), 0);
    }

    void dataAggregationFileNeedsOneOutput_data()
    {
        QTest::addColumn<QByteArray>("lfa");
        // clang-format off
        QTest::newRow("none") << QByteArray("<lfs:datasource xmlns:lfs='http://www.varnel.com/lfs/1.0'/>");
        QTest::newRow("two") << QByteArray("<lfs:datasource xmlns:lfs='http://www.varnel.com/lfs/1.0'><lfs:output><lfs:element name='A'/></lfs:output><x><lfs:output><lfs:element name='B'/></lfs:output></x></lfs:datasource>");
        QTest::newRow("output in another namespace") << QByteArray("<lfs:datasource xmlns:lfs='urn:other'><lfs:output><lfs:element name='A'/></lfs:output></lfs:datasource>");
        // clang-format on
    }

    void dataAggregationFileNeedsOneOutput()
    {
        QFETCH(QByteArray, lfa);
        QTemporaryDir dir;
        SampleXml sample;
        QVERIFY(sample.load(SampleFiles::write(dir.path(), "d.lfa", lfa),
                            DatasourceType::DataAggregationFile));
        QVERIFY(sample.getXmlDocument().isNull());
        QCOMPARE(sample.getLastError(), Core::Format::format(String::formatS(kLoadFailed),
                                                             String::formatS(kNoSingleOutput)));
    }

    void descriptionsThatMakeNoDocumentFail_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("namespace that is no URI") << QByteArray("<lfs:element name='A' namespace-prefix='p' namespace-uri='urn:a b'/>") << u"\"urn:a b\""_s;
        QTest::newRow("element without a name") << QByteArray("<lfs:element name='A'>\n<lfs:list/></lfs:element>") << u"line 2"_s;
        QTest::newRow("nothing described") << QByteArray() << u"no element"_s;
        // clang-format on
    }

    void descriptionsThatMakeNoDocumentFail()
    {
        QFETCH(QByteArray, output);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        SampleXml sample;
        sample.load(SampleFiles::write(dir.path(), "d.lfa",
                                       "<lfs:datasource xmlns:lfs='http://www.varnel.com/lfs/1.0'>"
                                       "<lfs:output>" +
                                           output + "</lfs:output></lfs:datasource>"),
                    DatasourceType::DataAggregationFile);
        QVERIFY(sample.getXmlDocument().isNull());
        const QString error = sample.getLastError();
        QVERIFY2(error.startsWith(Core::Format::format(String::formatS(kLoadFailed), "")) &&
                     error.contains(reason),
                 qPrintable(error));
    }

    void reloadRebuildsAnEqualDocument()
    {
        QTemporaryDir dir;
        SampleXml sample;
        sample.load(SampleFiles::write(dir.path(), "invoice.lfa", invoiceLfa),
                    DatasourceType::DataAggregationFile);
        const SmartPtr<Xml::XmlDocument> first = sample.getXmlDocument();
        QVERIFY(!first.isNull());
        sample.reload();
        QVERIFY(sample.getXmlDocument() != first);
        QCOMPARE(sample.getXmlDocument()->writeToString(), first->writeToString());
        QCOMPARE(sample.getDatasourceType(), DatasourceType::DataAggregationFile);
    }

    void nothingOutsideTheSampleIsRead()
    {
        QTemporaryDir dir;
        XmlTestSupport::ConnectionCounter server;
        SampleFiles::write(dir.path(), "secret.txt", "TOP-SECRET");
        SampleFiles::write(dir.path(), "local.dtd", "<!ATTLIST root fetched CDATA 'yes'>");
        const QByteArray xml = "<!DOCTYPE root SYSTEM 'local.dtd' [\n"
                               "<!ENTITY secret SYSTEM 'secret.txt'>\n"
                               "<!ENTITY remote SYSTEM '" +
                               server.url() +
                               "/remote.txt'>\n"
                               "<!ENTITY % remoteDtd SYSTEM '" +
                               server.url() +
                               "/remote.dtd'>\n"
                               "%remoteDtd;\n]>\n"
                               "<root xmlns:a='urn:a'>&secret;&remote;</root>";
        SampleXml sample;
        sample.load(SampleFiles::write(dir.path(), "s.xml", xml), DatasourceType::XmlFile);
        QVERIFY2(!sample.hasErrors(), qPrintable(sample.getLastError()));
        const Xml::Element root = sample.getXmlDocument()->getRootNode();
        QVERIFY(!root.get_content().contains("TOP-SECRET"));
        QVERIFY(root.get_attribute("fetched").isNull());
        QCOMPARE(server.connections(), 0);
    }

    void bigSamplesLoadWhereLibxml2LimitsWouldStop_data()
    {
        QTest::addColumn<QByteArray>("xml");
        // clang-format off
        QTest::newRow("text of 12 MB") << QByteArray("<r>") + QByteArray(12 * 1024 * 1024, 'x') + "</r>";
        QTest::newRow("1000 levels deep") << QByteArray("<a>").repeated(1000) + QByteArray("</a>").repeated(1000);
        // clang-format on
    }

    void bigSamplesLoadWhereLibxml2LimitsWouldStop()
    {
        QFETCH(QByteArray, xml);
        QTemporaryDir dir;
        SampleXml sample;
        sample.load(SampleFiles::write(dir.path(), "big.xml", xml), DatasourceType::XmlFile);
        QVERIFY2(!sample.hasErrors(), qPrintable(sample.getLastError()));
    }

    void entityExpansionStaysBounded()
    {
        // Lifting the size limits must not lift the guard against entities
        // that expand to gigabytes; the text itself is small.
        QByteArray xml = "<!DOCTYPE r [<!ENTITY l0 'lol'>\n";
        for (int level = 1; level <= 9; ++level) {
            xml += "<!ENTITY l" + QByteArray::number(level) + " '" +
                   ("&l" + QByteArray::number(level - 1) + ";").repeated(10) + "'>\n";
        }
        xml += "]><r a='&l9;'>&l9;</r>";
        QTemporaryDir dir;
        SampleXml sample;
        sample.load(SampleFiles::write(dir.path(), "laughs.xml", xml), DatasourceType::XmlFile);
        QVERIFY(sample.hasErrors());
        QVERIFY(sample.getXmlDocument().isNull());
    }
};

UIEDITOR_TEST_CLASS(TestSampleXml)
#include "tst_samplexml.moc"
