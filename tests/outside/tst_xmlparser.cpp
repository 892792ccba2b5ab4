// Reading XML from files, memory and streams: what a user sees when the text
// is broken, and what a hostile text must not achieve.
#include "outside/core/coreexception.h"
#include "outside/core/corefilestream.h"
#include "outside/core/corememorystream.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmldomparser.h"
#include "outside/dom/xmlentityloader.h"
#include "outside/xslfo/xslfonamespaces.h"
#include "testregistry.h"
#include "xmltestsupport.h"

#include <atomic>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

using namespace Qt::StringLiterals;

using Core::String;
using Xml::DomParser;
using Xml::Element;
using XmlTestSupport::stderrOf;

namespace {

QByteArray billionLaughs()
{
    QByteArray text = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol0 \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        text += "<!ENTITY lol" + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i) {
            text += "&lol" + QByteArray::number(level - 1) + ";";
        }
        text += "\">\n";
    }
    return text + "]>\n<lolz>&lol9;</lolz>";
}

QByteArray deepNesting(int depth)
{
    return QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

// Every way a test document may try to reach a server at `url`.
QList<QByteArray> documentsReferring(const QByteArray& url)
{
    return {
        "<!DOCTYPE r SYSTEM \"" + url + "/doctype.dtd\"><r/>",
        "<!DOCTYPE r [<!ENTITY % p SYSTEM \"" + url + "/pe.dtd\"> %p;]><r/>",
        "<!DOCTYPE r [<!ENTITY x SYSTEM \"" + url + "/entity.xml\">]><r>&x;</r>",
        "<r xmlns:xi=\"http://www.w3.org/2001/XInclude\"><xi:include href=\"" + url +
            "/include.xml\"/></r>",
        "<?xml-stylesheet href=\"" + url + "/style.xsl\"?><r/>",
    };
}

} // namespace

class TestXmlParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void brokenTextNamesTheSourceAndLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("tag mismatch") << QByteArray("<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n<fo:block>\n</fo:inline>\n</fo:root>") << 3 << "Opening and ending tag mismatch: block line 2 and inline";
        QTest::newRow("empty") << QByteArray() << 1 << u"Document is empty"_s;
        QTest::newRow("unclosed root") << QByteArray("<invoice>\n<line/>\n") << 3 << u"Premature end of data"_s;
        QTest::newRow("undeclared prefix") << QByteArray("<r>\n<kmb:field/></r>") << 2 << u"Namespace prefix kmb"_s;
        QTest::newRow("duplicate attribute") << QByteArray("<r a='1' a='2'/>") << 1 << u"Attribute a redefined"_s;
        QTest::newRow("two roots") << QByteArray("<a/>\n<b/>") << 2 << u"Extra content at the end"_s;
        QTest::newRow("invalid UTF-8") << QByteArray("<r>\xC3\x28</r>") << 1 << u"not proper UTF-8"_s;
        QTest::newRow("10,000 levels deep") << deepNesting(10000) << 1 << u"Excessive depth"_s;
        // The line of the reference in the document, not of the entity's text.
        QTest::newRow("billion laughs") << billionLaughs() << 14 << u"entity reference loop"_s;
        // clang-format on
    }
    void brokenTextNamesTheSourceAndLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath("invoice.xml");
        writeFile(path, text);

        const auto check = [&](const QString& source, auto&& parse) {
            DomParser parser;
            parser.parseMemory("<ok/>");
            QString message;
            const QByteArray printed = stderrOf([&] {
                try {
                    parse(parser);
                } catch (const Core::Exception& e) {
                    message = e.getMessage().toQString();
                }
            });
            const QString expectedStart = QStringLiteral("%1, line %2: ").arg(source).arg(line);
            QVERIFY2(message.startsWith(expectedStart), qPrintable(message));
            QVERIFY2(message.contains(reason), qPrintable(message));
            QVERIFY2(!message.endsWith(u'\n'), qPrintable(message));
            QVERIFY2(printed.isEmpty(), printed.constData());
            // A failed parse leaves no document, not the previous one.
            QVERIFY(parser.getDocument().isNull());
        };
        check("<memory>", [&](DomParser& parser) { parser.parseMemory(text); });
        check(path, [&](DomParser& parser) { parser.parseFile(path); });
        check(path, [&](DomParser& parser) {
            parser.parseStream(makeSmart<Core::IO::FileStream>(path, Core::IO::FileStream::Read));
        });
    }

    void unreadableFilesAreNamed()
    {
        QTemporaryDir folder;
        const QString missing = folder.filePath("missing.xml");
        const QString huge = folder.filePath("huge.xml");
        {
            // Sparse: refused on its size alone, never read.
            QFile file(huge);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(DomParser::maxInputSize + 1));
        }
        const QList<std::pair<QString, QString>> cases{
            {missing, "does not exist"}, {folder.path(), "folder"}, {huge, "too large"}};
        for (const auto& [path, reason] : cases) {
            DomParser parser;
            try {
                parser.parseFile(path);
                QFAIL(qPrintable("no error for " + path));
            } catch (const Core::Exception& e) {
                const QString message = e.getMessage().toQString();
                QVERIFY2(message.contains(path) && message.contains(reason), qPrintable(message));
            }
            QVERIFY(parser.getDocument().isNull());
        }
    }

    void externalEntitiesAreNotSubstituted_data()
    {
        QTest::addColumn<QByteArray>("text");
        // clang-format off
        QTest::newRow("general entity") << QByteArray("<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>");
        QTest::newRow("entity in an attribute default") << QByteArray("<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\"><!ATTLIST r a CDATA \"&x;\">]><r/>");
        QTest::newRow("parameter entity") << QByteArray("<!DOCTYPE r [<!ENTITY % x SYSTEM \"file:///etc/passwd\"> %x;]><r/>");
        QTest::newRow("external DTD") << QByteArray("<!DOCTYPE r SYSTEM \"file:///etc/passwd\"><r/>");
        QTest::newRow("XInclude") << QByteArray("<r xmlns:xi=\"http://www.w3.org/2001/XInclude\"><xi:include href=\"file:///etc/passwd\" parse=\"text\"/></r>");
        // clang-format on
    }
    void externalEntitiesAreNotSubstituted()
    {
        QFETCH(QByteArray, text);
        const QByteArray passwd = [] {
            QFile file("/etc/passwd");
            return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray("root:");
        }();
        DomParser parser;
        try {
            parser.parseMemory(text);
        } catch (const Core::Exception& e) {
            // Refusing the text outright is as good as leaving it alone.
            QVERIFY(!e.getMessage().toUtf8().contains(passwd));
            return;
        }
        Element root = parser.getDocument()->getRootNode();
        QVERIFY(!root.get_content().toUtf8().contains(passwd));
        QVERIFY(!root.get_attribute_value("a").toUtf8().contains(passwd));
        QVERIFY(!parser.getDocument()->writeToString().toUtf8().contains(passwd));
        QVERIFY(root.find("//text()").empty());
    }

    void internalEntitiesStayReferences()
    {
        DomParser parser;
        parser.parseMemory(
            "<!DOCTYPE r [<!ENTITY company \"Varnel &amp; Co\">]><r>(c) &company;</r>");
        Element root = parser.getDocument()->getRootNode();
        QCOMPARE(root.get_content().toQString(), QStringLiteral("(c) Varnel & Co"));
        const auto children = root.get_children();
        QCOMPARE(int(children.size()), 2);
        QCOMPARE(children[1].getType(), Xml::Node::Type::EntityReference);
        QVERIFY(parser.getDocument()->writeToString(false).contains("(c) &company;</r>"));
    }

    void nothingIsFetchedFromTheNetwork()
    {
        // Schema and XSLT code parse with libxml2 directly and may load DTDs
        // and entities; the installed loader is what keeps them local.
        Xml::installSafeEntityLoader();
        XmlTestSupport::ConnectionCounter server;
        const int risky = XML_PARSE_DTDLOAD | XML_PARSE_NOENT | XML_PARSE_XINCLUDE |
                          XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
        xmlSetStructuredErrorFunc(nullptr, [](void*, xmlErrorPtr) {});
        for (const QByteArray& text : documentsReferring(server.url())) {
            try {
                DomParser().parseMemory(text);
            } catch (const Core::Exception&) {
            }
            xmlFreeDoc(xmlReadMemory(text.constData(), int(text.size()), nullptr, nullptr, risky));
        }
        QCOMPARE(server.connections(), 0);

        // Local files still load.
        QTemporaryDir folder;
        writeFile(folder.filePath("names.dtd"), "<!ENTITY company \"Varnel\">");
        writeFile(folder.filePath("sample.xml"),
                  "<!DOCTYPE r SYSTEM \"names.dtd\"><r>&company;</r>");
        const QByteArray path = QFile::encodeName(folder.filePath("sample.xml"));
        xmlDocPtr document = xmlReadFile(path.constData(), nullptr, risky);
        xmlSetStructuredErrorFunc(nullptr, nullptr);
        QVERIFY(document);
        xmlChar* content = xmlNodeGetContent(xmlDocGetRootElement(document));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(content)), QByteArray("Varnel"));
        xmlFree(content);
        xmlFreeDoc(document);
    }

    void onlyLocalUrlsAreLocal_data()
    {
        QTest::addColumn<QByteArray>("url");
        QTest::addColumn<bool>("local");
        // clang-format off
        QTest::newRow("absolute path") << QByteArray("/usr/share/xml/schema.xsd") << true;
        QTest::newRow("relative path") << QByteArray("include/common.xsd") << true;
        QTest::newRow("file URL") << QByteArray("file:///tmp/a.xsd") << true;
        QTest::newRow("file URL on localhost") << QByteArray("file://localhost/tmp/a.xsd") << true;
        QTest::newRow("drive letter") << QByteArray("C:\\schemas\\a.xsd") << true;
        QTest::newRow("http") << QByteArray("http://127.0.0.1:9/x.dtd") << false;
        QTest::newRow("HTTPS in capitals") << QByteArray("HTTPS://example.com/x.xsd") << false;
        QTest::newRow("other scheme") << QByteArray("jar:file:///x.jar!/a.xsd") << false;
        QTest::newRow("file URL of another host") << QByteArray("file://server/share/a.xsd") << false;
        QTest::newRow("network share") << QByteArray("\\\\server\\share\\a.xsd") << false;
        QTest::newRow("network share with slashes") << QByteArray("//server/share/a.xsd") << false;
        QTest::newRow("escaped network share") << QByteArray("file:///%2Fserver/share/a.xsd") << false;
        QTest::newRow("empty") << QByteArray() << false;
        // clang-format on
    }
    void onlyLocalUrlsAreLocal()
    {
        QFETCH(QByteArray, url);
        QFETCH(bool, local);
        QCOMPARE(Xml::isLocalEntityUrl(url.constData()), local);
    }

    void encodingsAndStreams()
    {
        // Bytes follow their declaration.
        DomParser parser;
        parser.parseMemory(
            QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xE9</r>"));
        QCOMPARE(parser.getDocument()->getRootNode().get_content().toQString(),
                 QString::fromUtf8("café"));
        parser.parseMemory(QByteArray("\xFF\xFE<\0r\0>\0\xAC\x20<\0/\0r\0>\0", 18));
        QCOMPARE(parser.getDocument()->getRootNode().get_content().toQString(),
                 QString::fromUtf8("€"));
        // Decoded text does not: it is already UTF-16.
        parser.parseMemory(String(
            QString::fromUtf8("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>café €</r>")));
        QCOMPARE(parser.getDocument()->getRootNode().get_content().toQString(),
                 QString::fromUtf8("café €"));
        // A stream is read from where it stands.
        auto stream = makeSmart<Core::IO::MemoryStream>(QByteArray("junk<r>streamed</r>"));
        stream->seek(4);
        parser.parseStream(stream);
        QCOMPARE(parser.getDocument()->getRootNode().get_content().toQString(),
                 QStringLiteral("streamed"));
        // Whatever the document says, it is written back as UTF-8.
        const QByteArray written = parser.getDocument()->writeToBytes();
        QVERIFY(written.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    }

    void linesOfNodes()
    {
        QByteArray text = "<r>\n<a x='1'/>\n";
        text += QByteArray("<!-- filler -->\n").repeated(70000);
        text += "<b/></r>";
        DomParser parser;
        parser.parseMemory(text);
        Element root = parser.getDocument()->getRootNode();
        Element a = root.get_first_child_element("a");
        QCOMPARE(a.get_line(), 2);
        QCOMPARE(a.get_attribute("x").get_line(), 2);
        // Past 65535, where libxml2 needs its big-line option.
        QCOMPARE(root.get_first_child_element("b").get_line(), 70003);
        QCOMPARE(root.add_child("c").get_line(), 0);
    }

    void parsedFileKnowsWhereItCameFrom()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("sample.xml");
        writeFile(path, "<r/>");
        DomParser parser(path);
        QVERIFY(parser.getDocument()->getUrl().endsWith("/sample.xml"));
        parser.parseMemory("<r/>");
        QVERIFY(parser.getDocument()->getUrl().isEmpty());
    }

    void parsersOnSeveralThreadsKeepTheirOwnErrors()
    {
        // libxml2 keeps error handlers per thread: messages must not cross.
        std::atomic<int> wrong{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([t, &wrong] {
                for (int i = 0; i < 200; ++i) {
                    const int line = 2 + (t * 200 + i) % 50;
                    const QByteArray text = "<r>" + QByteArray("\n").repeated(line - 1) + "</x>";
                    try {
                        DomParser parser;
                        parser.parseMemory(text, QStringLiteral("thread%1").arg(t));
                        ++wrong;
                    } catch (const Core::Exception& e) {
                        if (!e.getMessage().startsWith(
                                QStringLiteral("thread%1, line %2: ").arg(t).arg(line))) {
                            ++wrong;
                        }
                    }
                    DomParser good;
                    good.parseMemory("<ok/>");
                }
            });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        QCOMPARE(wrong.load(), 0);
    }

    void usualPrefixesOfNamespaces_data()
    {
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("XSL-FO") << u"http://www.w3.org/1999/XSL/Format"_s << u"fo"_s;
        QTest::newRow("designer") << u"http://www.varnel.com/kmb/1.0"_s << u"kmb"_s;
        QTest::newRow("product family") << u"http://www.varnel.com/km/1.0"_s << u"km"_s;
        QTest::newRow("XSLT") << u"http://www.w3.org/1999/XSL/Transform"_s << u"xsl"_s;
        QTest::newRow("SVG") << u"http://www.w3.org/2000/svg"_s << u"svg"_s;
        QTest::newRow("chart") << u"http://www.varnel.com/2008/zc"_s << u"zc"_s;
        QTest::newRow("data aggregation") << u"http://www.varnel.com/lfs/1.0"_s << u"lfs"_s;
        QTest::newRow("data types") << u"http://www.varnel.com/dt/1.0"_s << u"dt"_s;
        QTest::newRow("unknown") << u"urn:sample"_s << u""_s;
        QTest::newRow("case matters") << u"http://www.w3.org/1999/xsl/format"_s << u""_s;
        QTest::newRow("none") << u""_s << u""_s;
    }
    void usualPrefixesOfNamespaces()
    {
        QFETCH(QString, uri);
        QFETCH(QString, prefix);
        QCOMPARE(XSLFO::getDefaultNSPrefix(uri).toQString(), prefix);
        if (!prefix.isEmpty()) {
            QCOMPARE(XSLFO::getDefaultNSUri(prefix).toQString(), uri);
        }
    }
};

UIEDITOR_TEST_CLASS(TestXmlParser)
#include "tst_xmlparser.moc"
