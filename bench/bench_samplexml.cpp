// Sample data at the sizes users bring: a generated 100 MB XML sample loaded
// with its namespace map, against xmllint reading the same file, and the
// schema sample builder on a schema of 500 types. Medians over a few runs, of
// the time on the clock and, since a loaded machine stretches that, of the
// processor time (of this process, and of the xmllint child):
//   build/bench/bench_samplexml
//   build/bench/bench_samplexml loadHundredMegabytes -runs 5
#include "outside/core/corestring.h"
#include "xml/model/samplexml.h"
#include "xml/model/xsdsamplebuilder.h"

#include <algorithm>
#include <functional>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>
#include <time.h>

namespace {

int g_runs = 3;

// Processor time used so far, by this process or by its finished children.
double cpuMs(bool children)
{
    if (children) {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Invoices in two namespaces, attributes, short texts and entities, the way
// an export from an accounting system looks.
bool writeSample(const QString& path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<inv:invoices xmlns:inv=\"urn:example:invoice\" "
               "xmlns:adr=\"urn:example:address\">\n");
    QByteArray chunk;
    for (qint64 n = 0; file.size() + chunk.size() < bytes; ++n) {
        const QByteArray i = QByteArray::number(n);
        chunk += "  <inv:invoice number=\"INV-" + i + "\" date=\"2024-01-" +
                 QByteArray::number(n % 28 + 1) +
                 "\" currency=\"EUR\">\n"
                 "    <adr:customer id=\"C" +
                 QByteArray::number(n % 100000) + "\"><adr:name>Customer " + i +
                 " &amp; Sons</adr:name><adr:street>" + QByteArray::number(n % 997) +
                 " Main Street</adr:street>"
                 "<adr:city>Springfield</adr:city></adr:customer>\n"
                 "    <inv:line pos=\"1\"><inv:item>Widget " +
                 i + "</inv:item><inv:qty>" + QByteArray::number(n % 50) + "</inv:qty><inv:price>" +
                 QByteArray::number(n % 1000) +
                 ".50</inv:price></inv:line>\n"
                 "    <inv:line pos=\"2\"><inv:item>Gadget " +
                 i + "</inv:item><inv:qty>" + QByteArray::number(n % 7) + "</inv:qty><inv:price>" +
                 QByteArray::number(n % 300) +
                 ".25</inv:price></inv:line>\n"
                 "    <inv:total>" +
                 QByteArray::number(n % 5000) +
                 ".75</inv:total>\n"
                 "  </inv:invoice>\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
    file.write("</inv:invoices>\n");
    return file.error() == QFileDevice::NoError;
}

// 500 named complex types in a tree (each type holds the next two), sharing
// a group and an attribute group, with a choice and a reference back to the
// root in every type.
QByteArray generateSchema(int types)
{
    QByteArray xsd = "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                     "<xs:element name=\"Root\" type=\"T0\"/>\n"
                     "<xs:group name=\"Common\"><xs:sequence><xs:element name=\"Note\" "
                     "type=\"xs:string\"/><xs:element name=\"Created\" type=\"xs:date\"/>"
                     "</xs:sequence></xs:group>\n"
                     "<xs:attributeGroup name=\"Audit\"><xs:attribute name=\"by\"/>"
                     "<xs:attribute name=\"at\"/></xs:attributeGroup>\n";
    for (int i = 0; i < types; ++i) {
        const QByteArray n = QByteArray::number(i);
        xsd += "<xs:complexType name=\"T" + n +
               "\"><xs:sequence>"
               "<xs:element name=\"Name" +
               n +
               "\" type=\"xs:string\"/>"
               "<xs:choice><xs:element name=\"Code" +
               n +
               "\" type=\"xs:string\"/>"
               "<xs:element name=\"Number" +
               n +
               "\" type=\"xs:int\"/></xs:choice>"
               "<xs:group ref=\"Common\"/>";
        for (int child : {2 * i + 1, 2 * i + 2}) {
            if (child < types) {
                const QByteArray c = QByteArray::number(child);
                xsd += "<xs:element name=\"E" + c + "\" type=\"T" + c + "\"/>";
            }
        }
        xsd += "<xs:element ref=\"Root\" minOccurs=\"0\"/></xs:sequence>"
               "<xs:attribute name=\"id" +
               n +
               "\"/><xs:attributeGroup ref=\"Audit\"/>"
               "</xs:complexType>\n";
    }
    return xsd + "</xs:schema>\n";
}

// The median time of `step` on the clock; `cpu` receives the median processor time.
double medianMs(const std::function<void()>& step, double* cpu = nullptr, bool children = false)
{
    std::vector<double> ms;
    std::vector<double> cpuTimes;
    for (int i = 0; i < g_runs; ++i) {
        QElapsedTimer timer;
        const double cpuBefore = cpuMs(children);
        timer.start();
        step();
        ms.push_back(timer.nsecsElapsed() / 1e6);
        cpuTimes.push_back(cpuMs(children) - cpuBefore);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    if (cpu) {
        *cpu = cpuTimes[cpuTimes.size() / 2];
    }
    return ms[ms.size() / 2];
}

} // namespace

class BenchSampleXml : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_sample;
    QString m_schema;
    double m_loadMs = 0;
    double m_loadCpuMs = 0;

private Q_SLOTS:
    void initTestCase()
    {
        m_sample = m_dir.filePath("invoices.xml");
        QVERIFY(writeSample(m_sample, qint64(100) * 1000 * 1000));
        m_schema = m_dir.filePath("types.xsd");
        QFile schema(m_schema);
        QVERIFY(schema.open(QIODevice::WriteOnly));
        schema.write(generateSchema(500));
        schema.close();
        qInfo("sample: %.1f MB; schema: %.1f kB", QFileInfo(m_sample).size() / 1e6,
              QFileInfo(m_schema).size() / 1e3);
    }

    void loadHundredMegabytes()
    {
        std::size_t prefixes = 0;
        m_loadMs = medianMs(
            [&] {
                SampleXml sample;
                sample.load(m_sample, DatasourceType::XmlFile);
                QVERIFY2(!sample.hasErrors(), qPrintable(sample.getLastError()));
                prefixes = sample.getNamespaceMap().size();
            },
            &m_loadCpuMs);
        QCOMPARE(prefixes, std::size_t(2));
        qInfo("SampleXml::load, 100 MB             %9.1f ms median over %d runs, processor %.1f ms",
              m_loadMs, g_runs, m_loadCpuMs);
    }

    void xmllintOnTheSameFile()
    {
        const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
        if (xmllint.isEmpty()) {
            QSKIP("xmllint (libxml2-utils) is not installed");
        }
        double cpu = 0;
        const double ms = medianMs(
            [&] {
                QCOMPARE(QProcess::execute(xmllint, {QStringLiteral("--noout"), m_sample}), 0);
            },
            &cpu, true);
        qInfo("xmllint --noout, 100 MB             %9.1f ms median over %d runs, processor %.1f ms",
              ms, g_runs, cpu);
        if (m_loadMs > 0 && cpu > 0) {
            qInfo("SampleXml::load / xmllint           %9.2f, processor %.2f", m_loadMs / ms,
                  m_loadCpuMs / cpu);
        }
    }

    void namespaceMapOfHundredMegabytes()
    {
        SampleXml sample;
        sample.load(m_sample, DatasourceType::XmlFile);
        const double ms = medianMs([&] { sample.createNamespaceMap(); });
        QCOMPARE(sample.getNamespaceMap().size(), std::size_t(2));
        qInfo("SampleXml::createNamespaceMap       %9.1f ms median over %d runs", ms, g_runs);
    }

    void schemaOfFiveHundredTypes()
    {
        int elements = 0;
        const int runs = g_runs;
        g_runs = std::max(g_runs, 21);
        const double ms = medianMs([&] {
            XsdSampleBuilder builder{Core::String(), Core::String()};
            const SmartPtr<Xml::XmlDocument> document = builder.build(m_schema);
            elements = int(document->getRootNode().find("//*").size());
        });
        g_runs = runs;
        QVERIFY(elements > 3000);
        qInfo("XsdSampleBuilder, 500 types         %9.1f ms median, %d elements", ms, elements);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    const qsizetype runs = arguments.indexOf(QStringLiteral("-runs"));
    if (runs >= 0 && runs + 1 < arguments.size()) {
        g_runs = std::max(1, arguments.at(runs + 1).toInt());
        arguments.remove(runs, 2);
    }
    BenchSampleXml bench;
    return QTest::qExec(&bench, arguments);
}

#include "bench_samplexml.moc"
