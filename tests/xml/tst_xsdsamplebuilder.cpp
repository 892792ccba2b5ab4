// Sample data built from a schema: every element the content model allows,
// once, with its attributes; what the schema pulls in from other files; and
// schemas that are wrong, circular or explosive.
#include "../outside/xmltestsupport.h"
#include "frame/win32constants.h"
#include "outside/core/coreformat.h"
#include "outside/core/corelog.h"
#include "recordingmessageboxfactory.h"
#include "samplefiles.h"
#include "testregistry.h"
#include "xml/model/samplexml.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Core::String;
using SampleFiles::schema;

namespace {

constexpr unsigned kLoadFailed = 63214;
constexpr unsigned kMalformedElement = 63301;
constexpr unsigned kGroupNotFound = 63303;
constexpr unsigned kSchemaNotFound = 63305;
constexpr unsigned kContentWithoutElement = 63306;
constexpr unsigned kNoGlobalElement = 63307;
constexpr unsigned kSeveralGlobalElements = 63308;

QString loadFailed(const String& reason)
{
    return Core::Format::format(String::formatS(kLoadFailed), reason).toQString();
}

QString withLine(unsigned id, int line)
{
    return Core::Format::format(String::formatS(id), line).toQString();
}

// Loads `body` as the schema main.xsd in `dir`.
SmartPtr<SampleXml> loadSchema(const QTemporaryDir& dir, const QByteArray& body,
                               const QByteArray& rootAttributes = QByteArray())
{
    auto sample = makeSmart<SampleXml>();
    sample->load(SampleFiles::write(dir.path(), "main.xsd", schema(body, rootAttributes)),
                 DatasourceType::XsdFile);
    return sample;
}

QStringList childNames(const Xml::Element& element)
{
    QStringList names;
    for (const Xml::Element& child : element.get_child_elements()) {
        names << child.get_name().toQString();
    }
    return names;
}

int countMatches(const SampleXml& sample, const QString& xpath)
{
    return int(sample.getXmlDocument()->getRootNode().find(xpath, sample.getNamespaceMap()).size());
}

// Lines written to the core log while it lives.
class LogRecorder
{
public:
    LogRecorder()
        : m_id(Core::Log::addListener([this](const String& line) { m_lines << line.toQString(); }))
    {
    }
    ~LogRecorder() { Core::Log::removeListener(m_id); }
    const QStringList& lines() const { return m_lines; }

private:
    int m_id;
    QStringList m_lines;
};

} // namespace

class TestXsdSampleBuilder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDeclaredElementOnce_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("unqualified") << QString();
        QTest::newRow("with the host's prefix") << u"inv"_s;
    }

    void everyDeclaredElementOnce()
    {
        QFETCH(QString, prefix);
        QTemporaryDir dir;
        // Types come from an included file, which includes a third from its
        // own folder; a derivation, a choice, groups and a reference.
        SampleFiles::write(dir.path(), "types/common.xsd", schema(R"(
<xs:include schemaLocation="../more/lines.xsd"/>
<xs:complexType name="DocumentType"><xs:sequence><xs:element name="Number" type="xs:string"/>
</xs:sequence><xs:attribute name="version"/></xs:complexType>
<xs:attributeGroup name="Audit"><xs:attribute name="createdBy"/><xs:attributeGroup ref="Stamp"/>
</xs:attributeGroup>
<xs:attributeGroup name="Stamp"><xs:attribute name="createdAt"/></xs:attributeGroup>
<xs:element name="Customer"><xs:complexType><xs:sequence><xs:element name="Name" type="xs:string"/>
</xs:sequence><xs:attribute name="id" type="xs:string"/></xs:complexType></xs:element>)"));
        SampleFiles::write(dir.path(), "more/lines.xsd", schema(R"(
<xs:group name="LineGroup"><xs:sequence><xs:element name="Line" maxOccurs="unbounded">
<xs:complexType><xs:simpleContent><xs:extension base="xs:decimal"><xs:attribute name="currency"/>
</xs:extension></xs:simpleContent></xs:complexType></xs:element></xs:sequence></xs:group>)"));
        TestSupport::RecordingMessageBoxFactory messages;
        auto sample = makeSmart<SampleXml>();
        sample->setNamespacePrefixForXSD(prefix);
        sample->load(
            SampleFiles::write(dir.path(), "main.xsd",
                               schema(R"(
<xs:include schemaLocation="types/common.xsd"/>
<xs:element name="Invoice" type="tns:InvoiceType"/>
<xs:complexType name="InvoiceType"><xs:complexContent><xs:extension base="tns:DocumentType">
<xs:sequence><xs:element ref="tns:Customer"/>
<xs:choice><xs:element name="Card" type="xs:string"/><xs:element name="Transfer"><xs:complexType>
<xs:attribute name="iban"/></xs:complexType></xs:element></xs:choice>
<xs:group ref="tns:LineGroup"/></xs:sequence>
<xs:attributeGroup ref="tns:Audit"/></xs:extension></xs:complexContent></xs:complexType>)",
                                      "xmlns:tns='urn:invoice' targetNamespace='urn:invoice'")),
            DatasourceType::XsdFile);
        QVERIFY2(!sample->hasErrors(), qPrintable(sample->getLastError()));
        QCOMPARE(messages.count(), 0); // a target namespace is no default namespace

        const QString p = prefix.isEmpty() ? QString() : prefix + QLatin1Char(':');
        const Xml::Element root = sample->getXmlDocument()->getRootNode();
        QCOMPARE(root.get_name().toQString(), p + "Invoice");
        // The base type's content comes first, then the derivation's own.
        QCOMPARE(childNames(root), QStringList({p + "Number", p + "Customer", p + "Card",
                                                p + "Transfer", p + "Line"}));
        QCOMPARE(
            countMatches(*sample,
                         QStringLiteral("/%1Invoice[@version=''][@createdBy][@createdAt]").arg(p)),
            1);
        QCOMPARE(countMatches(*sample, QStringLiteral("/%1Invoice/%1Customer[@id]/%1Name").arg(p)),
                 1);
        QCOMPARE(countMatches(*sample, QStringLiteral("//%1Transfer[@iban]").arg(p)), 1);
        QCOMPARE(countMatches(*sample, QStringLiteral("//%1Line[@currency]").arg(p)), 1);
        QCOMPARE(countMatches(*sample, QStringLiteral("//*")), 7);
        if (!prefix.isEmpty()) {
            QCOMPARE(sample->getNamespaceMap().at(prefix).toQString(),
                     QStringLiteral("urn:invoice"));
        }
    }

    void elementContainingItselfAppearsOnceWithoutChildren_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("same name and type") << QByteArray(R"(
<xs:element name="Folder" type="FolderType"/>
<xs:complexType name="FolderType"><xs:sequence><xs:element name="Title" type="xs:string"/>
<xs:element name="Folder" type="FolderType"/></xs:sequence><xs:attribute name="id"/></xs:complexType>)");
        QTest::newRow("reference to an ancestor") << QByteArray(R"(
<xs:element name="Folder"><xs:complexType><xs:sequence><xs:element name="Title" type="xs:string"/>
<xs:element ref="Folder"/></xs:sequence><xs:attribute name="id"/></xs:complexType></xs:element>)");
        QTest::newRow("through a group, anonymous type") << QByteArray(R"(
<xs:element name="Folder"><xs:complexType><xs:group ref="Content"/><xs:attribute name="id"/>
</xs:complexType></xs:element>
<xs:group name="Content"><xs:sequence><xs:element name="Title" type="xs:string"/>
<xs:element name="Folder"><xs:complexType><xs:group ref="Content"/></xs:complexType></xs:element>
</xs:sequence></xs:group>)");
    }

    void elementContainingItselfAppearsOnceWithoutChildren()
    {
        QFETCH(QByteArray, body);
        QTemporaryDir dir;
        auto sample = loadSchema(dir, body);
        QVERIFY2(!sample->hasErrors(), qPrintable(sample->getLastError()));
        QCOMPARE(countMatches(*sample, "/Folder[@id]/Title"), 1);
        QCOMPARE(countMatches(*sample, "/Folder/Folder[@id][not(*)]"), 1);
        QCOMPARE(countMatches(*sample, "//*"), 3);
    }

    void severalGlobalElementsWarnAndTheFirstIsUsed()
    {
        QTemporaryDir dir;
        TestSupport::RecordingMessageBoxFactory messages;
        auto sample = loadSchema(dir, R"(<xs:element name="Order"/><xs:element name="Invoice"/>)");
        QVERIFY(!sample->hasErrors());
        QCOMPARE(sample->getXmlDocument()->getRootNode().get_name().toQString(),
                 QStringLiteral("Order"));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().textId, kSeveralGlobalElements);
        QCOMPARE(messages.last().type, unsigned(Win32::MB_ICONWARNING | Win32::MB_OK));
    }

    void includeCyclesEnd()
    {
        QTemporaryDir dir;
        // main includes itself and b; b includes main back and holds the type.
        SampleFiles::write(dir.path(), "b.xsd", schema(R"(<xs:include schemaLocation="main.xsd"/>
<xs:complexType name="T"><xs:sequence><xs:element name="FromB"/></xs:sequence></xs:complexType>)"));
        auto sample = loadSchema(dir, R"(<xs:include schemaLocation="./main.xsd"/>
<xs:include schemaLocation="b.xsd"/><xs:element name="Root" type="T"/>)");
        QVERIFY2(!sample->hasErrors(), qPrintable(sample->getLastError()));
        QCOMPARE(countMatches(*sample, "/Root/FromB"), 1);
    }

    void unresolvedReferencesAreLoggedAndNothingIsFetched()
    {
        QTemporaryDir dir;
        XmlTestSupport::ConnectionCounter server;
        LogRecorder log;
        auto sample = loadSchema(dir, "<xs:include schemaLocation='missing.xsd'/>\n"
                                      "<xs:import namespace='urn:r' schemaLocation='" +
                                          server.url() +
                                          "/remote.xsd'/>\n"
                                          "<xs:element name='Root'><xs:complexType><xs:sequence>\n"
                                          "<xs:element ref='Nowhere'/>\n"
                                          "<xs:group ref='NoGroup'/>\n"
                                          "<xs:element name='Kept'/>\n"
                                          "</xs:sequence></xs:complexType></xs:element>");
        QVERIFY2(!sample->hasErrors(), qPrintable(sample->getLastError()));
        QCOMPARE(server.connections(), 0);
        QCOMPARE(log.lines(),
                 QStringList({Core::Format::format(String::formatS(kSchemaNotFound), "missing.xsd"),
                              Core::Format::format(String::formatS(kSchemaNotFound),
                                                   QString::fromUtf8(server.url() + "/remote.xsd")),
                              withLine(kMalformedElement, 5), withLine(kGroupNotFound, 6)}));
        QCOMPARE(countMatches(*sample, "/Root/Kept"), 1);
    }

    void brokenSchemasFailWithAReason_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error"); // the whole message, or a part of it after "~"

        // clang-format off
        QTest::newRow("no global element") << QByteArray("<xs:complexType name='T'/>") << loadFailed(String::formatS(kNoGlobalElement));
        QTest::newRow("particle without name or ref") << QByteArray("<xs:element name='R'><xs:complexType><xs:sequence>\n<xs:element type='x'/></xs:sequence></xs:complexType></xs:element>") << loadFailed(withLine(kMalformedElement, 3));
        QTest::newRow("complex type with text and no element") << QByteArray("<xs:element name='R'><xs:complexType>text</xs:complexType></xs:element>") << loadFailed(String::formatS(kContentWithoutElement));
        // clang-format on

        QByteArray chain = "<xs:element name='E0' type='T0'/>";
        for (int i = 0; i < 300; ++i) {
            chain +=
                QStringLiteral("<xs:complexType name='T%1'><xs:sequence><xs:element name='E%2' "
                               "type='T%2'/></xs:sequence></xs:complexType>")
                    .arg(i)
                    .arg(i + 1)
                    .toUtf8();
        }
        QTest::newRow("300 levels deep") << chain << u"~256 levels"_s;

        QByteArray doubling = "<xs:element name='E0' type='T0'/>";
        for (int i = 0; i < 20; ++i) {
            doubling += QStringLiteral("<xs:complexType name='T%1'><xs:sequence><xs:element "
                                       "name='A%2' type='T%2'/><xs:element name='B%2' type='T%2'/>"
                                       "</xs:sequence></xs:complexType>")
                            .arg(i)
                            .arg(i + 1)
                            .toUtf8();
        }
        QTest::newRow("a million elements") << doubling << u"~250000 elements"_s;

        // clang-format off
        QTest::newRow("group containing itself") << QByteArray("<xs:element name='R'><xs:complexType><xs:group ref='G'/></xs:complexType></xs:element><xs:group name='G'><xs:sequence><xs:group ref='G'/></xs:sequence></xs:group>") << "~\"G\"";
        QTest::newRow("type deriving from itself") << QByteArray("<xs:element name='R' type='A'/><xs:complexType name='A'><xs:complexContent><xs:extension base='B'/></xs:complexContent></xs:complexType><xs:complexType name='B'><xs:complexContent><xs:restriction base='A'/></xs:complexContent></xs:complexType>") << "~derives from itself";
        QTest::newRow("attribute groups containing each other") << QByteArray("<xs:element name='R'><xs:complexType><xs:attributeGroup ref='X'/></xs:complexType></xs:element><xs:attributeGroup name='X'><xs:attributeGroup ref='Y'/></xs:attributeGroup><xs:attributeGroup name='Y'><xs:attributeGroup ref='X'/></xs:attributeGroup>") << "~\"X\"";
        QTest::newRow("not XML") << QByteArray("<xs:element name='R'>") << u"~main.xsd, line"_s;
        // clang-format on
    }

    void brokenSchemasFailWithAReason()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, error);
        QTemporaryDir dir;
        auto sample = loadSchema(dir, body);
        QVERIFY(sample->getXmlDocument().isNull());
        const QString actual = sample->getLastError();
        if (error.startsWith(QLatin1Char('~'))) {
            QVERIFY2(actual.startsWith(loadFailed("")) && actual.contains(error.mid(1)),
                     qPrintable(actual));
        } else {
            QCOMPARE(actual, error);
        }
    }
};

UIEDITOR_TEST_CLASS(TestXsdSampleBuilder)
#include "tst_xsdsamplebuilder.moc"
