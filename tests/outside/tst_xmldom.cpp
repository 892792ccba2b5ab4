// The XML DOM over libxml2: reading, changing and writing documents, XPath,
// and the handles a host keeps on nodes.
#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmldomparser.h"
#include "testregistry.h"
#include "xmltestsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Core::String;
using Xml::Attribute;
using Xml::DomParser;
using Xml::Element;
using Xml::Node;
using Xml::XmlDocument;

namespace {

// A page template as the designer writes them: XSL-FO with designer fields.
const char* const templateXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
    "xmlns:kmb=\"http://www.varnel.com/kmb/1.0\">\n"
    "  <fo:page-sequence master-reference=\"A4\">\n"
    "    <fo:flow flow-name=\"xsl-region-body\">\n"
    "      <fo:block id=\"b1\">Invoice <kmb:field xpath=\"/invoice/@number\"/></fo:block>\n"
    "      <fo:block id=\"b2\">Total: <kmb:field xpath=\"sum(//line/@amount)\"/></fo:block>\n"
    "      <fo:block id=\"b3\"/>\n"
    "    </fo:flow>\n"
    "  </fo:page-sequence>\n"
    "</fo:root>\n";

const Xml::NamespaceMap templateNamespaces{{"fo", Xml::Namespaces::FO},
                                           {"kmb", Xml::Namespaces::KMB}};

SmartPtr<XmlDocument> parse(const QByteArray& text)
{
    DomParser parser;
    parser.parseMemory(text);
    return parser.getDocument();
}

template <class NodeType> QStringList names(const std::vector<NodeType>& nodes)
{
    QStringList result;
    for (const NodeType& node : nodes) {
        result << node.get_name().toQString();
    }
    return result;
}

} // namespace

class TestXmlDom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changedTemplateSurvivesWriteAndReparse()
    {
        auto document = parse(templateXml);
        Element flow(document->getRootNode().find("//fo:flow", templateNamespaces).at(0));
        QVERIFY(!flow.isNull());

        Element block = flow.add_child("fo:block");
        block.set_attribute("font-weight", "bold");
        block.set_attribute("kmb:xpath", "/invoice/total");
        block.add_child_text("Grand total");
        flow.remove_child(flow.get_child_elements("fo:block").at(0));
        Element(flow.get_child_elements().at(0)).set_attribute("id", "first");

        const String written = document->writeToString();
        QVERIFY(written.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        auto reread = parse(written.toUtf8());
        const auto blocks = reread->getRootNode().find("//fo:flow/fo:block", templateNamespaces);
        QCOMPARE(names(blocks), QStringList({"fo:block", "fo:block", "fo:block"}));
        QCOMPARE(Element(blocks[0]).get_attribute_value("id").toQString(), QStringLiteral("first"));
        const Element added(blocks[2]);
        QCOMPARE(added.get_namespace_uri().toQString(), QString(Xml::Namespaces::FO));
        QCOMPARE(added.get_attribute_value("font-weight").toQString(), QStringLiteral("bold"));
        QCOMPARE(added.get_attribute_value("xpath", Xml::Namespaces::KMB).toQString(),
                 QStringLiteral("/invoice/total"));
        QCOMPARE(added.get_content().toQString(), QStringLiteral("Grand total"));
        QVERIFY(reread->getRootNode().find("//*[@id='b1']").empty());
    }

    void writeOptionsControlDeclarationAndIndentation()
    {
        XmlDocument document;
        Element root = document.createRootNode("order");
        root.add_child("line").add_child("item");
        const QString compact = document.writeToString(false, false);
        QCOMPARE(compact.trimmed(), QStringLiteral("<order><line><item/></line></order>"));
        const QString pretty = document.writeToString(true, true);
        QVERIFY(pretty.startsWith(QStringLiteral("<?xml")));
        QVERIFY2(pretty.contains(QStringLiteral("\n  <line>\n    <item/>")), qPrintable(pretty));
        QCOMPARE(root.get_children().at(0).writeToString().toQString(),
                 QStringLiteral("<line><item/></line>"));
    }

    void findUsesTheGivenPrefixes_data()
    {
        QTest::addColumn<QString>("xpath");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QStringList>("expected");
        const QStringList blocks{"fo:block", "fo:block", "fo:block"};
        // clang-format off
        QTest::newRow("descendants") << u"//fo:block"_s << u""_s << blocks;
        QTest::newRow("designer elements") << u"//kmb:field"_s << u""_s << QStringList{"kmb:field", "kmb:field"};
        QTest::newRow("attributes") << u"//kmb:field/@xpath"_s << u""_s << QStringList{"xpath", "xpath"};
        QTest::newRow("predicate") << u"//fo:block[@id='b2']"_s << u""_s << QStringList{"fo:block"};
        QTest::newRow("relative to a context") << u"fo:block[kmb:field]"_s << u"//fo:flow"_s << QStringList{"fo:block", "fo:block"};
        QTest::newRow("parent step") << u".."_s << u"//fo:flow"_s << QStringList{"fo:page-sequence"};
        QTest::newRow("text nodes") << u"//fo:block[@id='b1']/text()"_s << u""_s << QStringList{""};
        QTest::newRow("nothing") << u"//fo:table"_s << u""_s << QStringList{};
        QTest::newRow("unprefixed names are in no namespace") << u"//block"_s << u""_s << QStringList{};
        QTest::newRow("document node is no node") << u"/"_s << u""_s << QStringList{};
        QTest::newRow("prefixes bound by URI, not by the document's spelling") << u"//f:block[@id='b2']/d:field/@xpath"_s << u""_s << QStringList{"xpath"};
        // clang-format on
    }
    void findUsesTheGivenPrefixes()
    {
        QFETCH(QString, xpath);
        QFETCH(QString, context);
        QFETCH(QStringList, expected);
        auto document = parse(templateXml);
        Node start = document->getRootNode();
        if (!context.isEmpty()) {
            start = start.find(context, templateNamespaces).at(0);
        }
        Xml::NamespaceMap prefixes = templateNamespaces;
        prefixes.insert({{"f", Xml::Namespaces::FO}, {"d", Xml::Namespaces::KMB}});
        QCOMPARE(names(start.find(xpath, prefixes)), expected);
    }

    void invalidXPathRaisesQuietly_data()
    {
        QTest::addColumn<QString>("xpath");
        QTest::newRow("unclosed predicate") << u"//a[position("_s;
        QTest::newRow("unbound prefix") << u"//svg:rect"_s;
        QTest::newRow("not a node set") << u"count(//fo:block)"_s;
        QTest::newRow("empty") << u""_s;
        QTest::newRow("unknown function") << u"//fo:block[frobnicate()]"_s;
    }
    void invalidXPathRaisesQuietly()
    {
        QFETCH(QString, xpath);
        auto document = parse(templateXml);
        QString message;
        const QByteArray printed = XmlTestSupport::stderrOf([&] {
            try {
                document->getRootNode().find(xpath, templateNamespaces);
            } catch (const Core::Exception& e) {
                message = e.getMessage().toQString();
            }
        });
        QVERIFY2(!message.isEmpty(), "an invalid expression was accepted");
        QVERIFY2(message.contains(u'"' + xpath + u'"'), qPrintable(message));
        QVERIFY2(printed.isEmpty(), printed.constData());
    }

    void runawayXPathEndsInAnError()
    {
        // Every step rescans the document for every node: cubic work that
        // would freeze the designer without a bound.
        auto document = parse("<r>" + QByteArray("<a><b/></a>").repeated(200) + "</r>");
        try {
            document->getRootNode().find("//*[count(//*[count(//*) > 0]) > 0]");
            QFAIL("the expression ran to its end");
        } catch (const Core::Exception& e) {
            QVERIFY2(e.getMessage().contains("limit"), qPrintable(e.getMessage().toQString()));
        }
    }

    void importCopiesNodesAcrossDocuments()
    {
        auto source = parse(templateXml);
        XmlDocument target;
        Element root = target.createRootNode("snippet");
        {
            Element block(
                source->getRootNode().find("//fo:block[@id='b2']", templateNamespaces).at(0));
            Attribute xpath = Element(block.get_child_elements().at(0)).get_attribute("xpath");
            Node copy = root.import_node(block);
            QCOMPARE(copy.get_name().toQString(), QStringLiteral("fo:block"));
            Node shallow = root.import_node(block, false);
            QVERIFY(shallow.get_children().empty());
            QCOMPARE(Element(shallow).get_attribute_value("id").toQString(), QStringLiteral("b2"));
            // An attribute is copied onto the element, with its namespace.
            Element holder = root.add_child("holder");
            QVERIFY(Attribute(holder.import_node(
                                  Element(block.get_child_elements().at(0)).get_attribute("xpath")))
                        .isNull() == false);
            QCOMPARE(holder.get_attribute_value("xpath").toQString(),
                     xpath.get_value().toQString());
        }
        // The source goes away; the copies belong to the target alone.
        source.reset();

        auto reread = parse(target.writeToString().toUtf8());
        const auto fields =
            reread->getRootNode().find("/snippet/fo:block/kmb:field", templateNamespaces);
        QCOMPARE(int(fields.size()), 1);
        QCOMPARE(Element(fields[0]).get_attribute_value("xpath").toQString(),
                 QStringLiteral("sum(//line/@amount)"));
        QCOMPARE(
            reread->getRootNode().find("/snippet/fo:block[2]/node()", templateNamespaces).size(),
            std::size_t(0));
        QCOMPARE(reread->getRootNode().find("/snippet/holder").size(), std::size_t(1));
        QCOMPARE(reread->getRootNode().find("/snippet/holder/@xpath").size(), std::size_t(1));
    }

    void importedNamespacedAttributeGetsAPrefix()
    {
        auto source = parse("<a xmlns:k=\"http://www.varnel.com/km/1.0\" k:ref-type=\"order\"/>");
        // The target binds the namespace as its default: an attribute cannot use that.
        auto target = parse("<b xmlns=\"http://www.varnel.com/km/1.0\"/>");
        Element b = target->getRootNode();
        b.import_node(source->getRootNode().get_attribute("k:ref-type"));
        auto reread = parse(target->writeToString().toUtf8());
        QCOMPARE(
            reread->getRootNode().get_attribute_value("ref-type", Xml::Namespaces::KM).toQString(),
            QStringLiteral("order"));
        QVERIFY(reread->getRootNode().get_attribute("ref-type").isNull());
    }

    void removedNodesStaySafeToUse()
    {
        Node removed;
        Attribute removedAttribute;
        Element root;
        {
            auto document = parse(templateXml);
            root = document->getRootNode();
            Element flow(root.find("//fo:flow", templateNamespaces).at(0));
            removed = flow.get_child_elements().at(0);
            flow.remove_child(removed);
            Element second = flow.get_child_elements().at(0);
            removedAttribute = second.get_attribute("id");
            second.remove_attribute("id");
            QVERIFY(second.get_attribute("id").isNull());
            QCOMPARE(names(flow.get_children("fo:block")), QStringList({"fo:block", "fo:block"}));
            QVERIFY_THROWS_EXCEPTION(Core::Exception, flow.remove_child(removed));
        }
        // Every SmartPtr to the document is gone; the handles keep its tree.
        QCOMPARE(removed.get_name().toQString(), QStringLiteral("fo:block"));
        QVERIFY(removed.get_parent().isNull());
        QCOMPARE(removed.get_content().toQString().simplified(), QStringLiteral("Invoice"));
        QCOMPARE(names(Element(removed).get_child_elements()), QStringList({"kmb:field"}));
        QCOMPARE(removedAttribute.get_value().toQString(), QStringLiteral("b2"));
        QVERIFY(removedAttribute.get_parent().isNull());
        removedAttribute.set_value("changed");
        QCOMPARE(removedAttribute.get_value().toQString(), QStringLiteral("changed"));
        // Even a removed subtree can still be edited and searched.
        // Out of the tree, the root's declarations are out of scope.
        QVERIFY_THROWS_EXCEPTION(Core::Exception, Element(removed).add_child("kmb:note"));
        Element(removed).add_child("note").add_child_text("kept");
        QCOMPARE(removed.find("note[text()='kept']").size(), std::size_t(1));
        QVERIFY(root.find("//*[@id='b1']").empty());
        QVERIFY(!root.writeToString().contains("Invoice"));
    }

    void replacedContentLeavesOldChildrenSafe()
    {
        auto document = parse(templateXml);
        Element block(
            document->getRootNode().find("//fo:block[@id='b1']", templateNamespaces).at(0));
        const std::vector<Node> before = block.get_children();
        block.set_content("plain & simple");
        QCOMPARE(int(block.get_children().size()), 1);
        QVERIFY(block.get_children()[0].is_text());
        QCOMPARE(block.get_content().toQString(), QStringLiteral("plain & simple"));
        QCOMPARE(before.at(1).get_name().toQString(), QStringLiteral("kmb:field"));
        QVERIFY(before.at(1).get_parent().isNull());
        // The old root gives way the same way.
        Element oldRoot = document->getRootNode();
        document->createRootNode("fresh");
        QCOMPARE(oldRoot.get_name().toQString(), QStringLiteral("fo:root"));
        QCOMPARE(document->getRootNode().get_name().toQString(), QStringLiteral("fresh"));
    }

    void childrenComeInDocumentOrder()
    {
        auto document =
            parse("<p xmlns:fo='http://www.w3.org/1999/XSL/Format'>a<fo:block/>b<!--note--><?pi "
                  "data?><block/><![CDATA[<c>]]></p>");
        const auto children = document->getRootNode().get_children();
        QList<Node::Type> types;
        for (const Node& child : children) {
            types << child.getType();
        }
        QCOMPARE(types, QList<Node::Type>({Node::Type::Text, Node::Type::Element, Node::Type::Text,
                                           Node::Type::Comment, Node::Type::ProcessingInstruction,
                                           Node::Type::Element, Node::Type::Text}));
        QCOMPARE(children[6].get_content().toQString(), QStringLiteral("<c>"));
        QCOMPARE(children[3].get_content().toQString(), QStringLiteral("note"));
        QCOMPARE(children[1].get_parent(), document->getRootNode());
        // A prefixed name compares the qualified name, a plain one the local name.
        QCOMPARE(int(document->getRootNode().get_children("fo:block").size()), 1);
        QCOMPARE(int(document->getRootNode().get_children("block").size()), 2);
        QVERIFY(document->getRootNode().get_parent().isNull());
    }

    void addedTextJoinsTheTextBeforeIt()
    {
        XmlDocument document;
        Element root = document.createRootNode("r");
        Node first = root.add_child_text("one ");
        Node second = root.add_child_text("two");
        QCOMPARE(second, first);
        QCOMPARE(first.get_content().toQString(), QStringLiteral("one two"));
        QCOMPARE(int(root.get_children().size()), 1);
        root.set_child_text("three");
        QCOMPARE(root.get_child_text().get_content().toQString(), QStringLiteral("three"));
    }

    void attributesKeepDocumentOrder()
    {
        auto document = parse(
            "<e xmlns:kmb=\"http://www.varnel.com/kmb/1.0\" z=\"1\" b=\"2\" kmb:x=\"3\" m=\"4\"/>");
        Element e = document->getRootNode();
        auto attributeNames = [&] {
            QStringList result;
            for (const Attribute& attribute : e.get_attributes()) {
                result << attribute.get_name().toQString() + u'=' +
                              attribute.get_value().toQString();
            }
            return result;
        };
        QCOMPARE(attributeNames(), QStringList({"z=1", "b=2", "kmb:x=3", "m=4"}));
        e.set_attribute("b", "20");
        e.set_attribute("a", "5");
        e.remove_attribute("z");
        e.remove_attribute("absent");
        QCOMPARE(attributeNames(), QStringList({"b=20", "kmb:x=3", "m=4", "a=5"}));
        QCOMPARE(e.get_attribute("x", Xml::Namespaces::KMB).get_namespace_uri().toQString(),
                 QString(Xml::Namespaces::KMB));
        QCOMPARE(e.get_attribute_value("kmb:x").toQString(), QStringLiteral("3"));
        QVERIFY(e.get_attribute("x").isNull());
        QVERIFY(e.get_attribute_value("missing").isEmpty());
        // Namespace declarations are not attributes.
        QCOMPARE(int(e.get_namespace_declarations().size()), 1);
        QCOMPARE(e.get_namespace_declarations()[0].prefix.toQString(), QStringLiteral("kmb"));
    }

    void namesFollowTheNamespacesInScope()
    {
        auto document = parse("<data xmlns=\"urn:sample\" "
                              "xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><row/></data>");
        Element data = document->getRootNode();
        QCOMPARE(data.get_name().toQString(), QStringLiteral("data"));
        QCOMPARE(data.get_namespace_uri().toQString(), QStringLiteral("urn:sample"));
        QVERIFY(data.get_namespace_prefix().isEmpty());
        // Unprefixed means the default namespace in scope, as if written here.
        Element added = data.add_child("cell");
        Element block = data.add_child("block", "fo");
        QCOMPARE(added.get_namespace_uri().toQString(), QStringLiteral("urn:sample"));
        QCOMPARE(block.get_name().toQString(), QStringLiteral("fo:block"));
        QVERIFY_THROWS_EXCEPTION(Core::Exception, data.add_child("kmb:field"));
        block.set_name("fo:inline");
        QCOMPARE(block.get_local_name().toQString(), QStringLiteral("inline"));
        QVERIFY_THROWS_EXCEPTION(Core::Exception, block.set_name("zz:inline"));

        auto reread = parse(document->writeToString().toUtf8());
        const Xml::NamespaceMap map{{"s", "urn:sample"}, {"fo", Xml::Namespaces::FO}};
        QCOMPARE(names(reread->getRootNode().find("/s:data/*", map)),
                 QStringList({"row", "cell", "fo:inline"}));
    }

    void invalidNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("leading digit") << u"1abc"_s;
        QTest::newRow("blank") << u"a b"_s;
        QTest::newRow("empty") << u""_s;
        QTest::newRow("two colons") << u"a:b:c"_s;
    }
    void invalidNamesAreRefused()
    {
        QFETCH(QString, name);
        XmlDocument document;
        Element root = document.createRootNode("r");
        QVERIFY_THROWS_EXCEPTION(Core::Exception, root.add_child(name));
        QVERIFY_THROWS_EXCEPTION(Core::Exception, root.set_attribute(name, "v"));
        QVERIFY(root.get_children().empty());
        QVERIFY(root.get_attributes().empty());
    }

    void attributeRenameRefusesADuplicate()
    {
        auto document = parse("<e a='1' b='2'/>");
        Attribute a = document->getRootNode().get_attribute("a");
        QVERIFY_THROWS_EXCEPTION(Core::Exception, a.set_name("b"));
        a.set_name("c");
        QCOMPARE(document->getRootNode().get_attribute_value("c").toQString(), QStringLiteral("1"));
    }

    void sampleBuiltFromAnUnnamedRoot()
    {
        // A generated sample starts as an unnamed root, named once its
        // namespace is known.
        auto document = makeSmart<XmlDocument>();
        QVERIFY(document->getRootNode().isNull());
        Element root = document->createRootNode("");
        root.set_namespace_declaration(Xml::Namespaces::DT, "dt");
        root.set_attribute("dt:node-type", "element");
        root.set_namespace_declaration("urn:placeholder/XML", "ns");
        root.set_name("ns:order");
        root.set_attribute("xmlns:extra", "urn:extra");
        Element line = root.add_child("ns:line");
        line.set_attribute("id", "");

        auto reread = parse(document->writeToString().toUtf8());
        Element order = reread->getRootNode();
        QCOMPARE(order.get_name().toQString(), QStringLiteral("ns:order"));
        QCOMPARE(order.get_namespace_uri().toQString(), QStringLiteral("urn:placeholder/XML"));
        QCOMPARE(order.get_attribute_value("node-type", Xml::Namespaces::DT).toQString(),
                 QStringLiteral("element"));
        QCOMPARE(int(order.get_namespace_declarations().size()), 3);
        QVERIFY(!order.get_first_child_element("ns:line").get_attribute("id").isNull());
        // Declaring a prefix again on the same element rebinds it.
        root.set_namespace_declaration("urn:other", "ns");
        QCOMPARE(root.get_namespace_uri().toQString(), QStringLiteral("urn:other"));
    }

    void textSurvivesWriteAndReparse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("markup characters") << u"a < b & c > \"d\" 'e'"_s << u"a < b & c > \"d\" 'e'"_s;
        QTest::newRow("entity-looking text") << u"&amp; &nbsp;"_s << u"&amp; &nbsp;"_s;
        QTest::newRow("CDATA end") << u"]]>"_s << u"]]>"_s;
        QTest::newRow("outside the BMP") << QString::fromUtf8("\xF0\x9F\x93\x84 page") << QString::fromUtf8("\xF0\x9F\x93\x84 page");
        QTest::newRow("control characters dropped") << QString("a\x01" "b\x1F" "c\tz") << u"abc\tz"_s;
        QTest::newRow("non-characters dropped") << QString("x") + QChar(0xFFFE) + "y" << u"xy"_s;
        // clang-format on
    }
    void textSurvivesWriteAndReparse()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        XmlDocument document;
        Element root = document.createRootNode("r");
        root.set_attribute("value", text);
        root.add_child("t").add_child_text(text);
        root.add_child_comment(text + "--");

        // A "--" in the comment would make the file unreadable.
        auto reread = parse(document.writeToString(false).toUtf8());
        Element r = reread->getRootNode();
        QCOMPARE(r.get_attribute_value("value").toQString(), expected);
        QCOMPARE(r.get_first_child_element("t").get_content().toQString(), expected);
        QCOMPARE(int(r.get_children().size()), 2);
    }

    void writeToFileReplacesTheFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("sample.xml");
        writeFile(path, "old");
        auto document = parse(templateXml);
        document->writeToFile(path);
        DomParser parser(path);
        QCOMPARE(parser.getDocument()->getRootNode().find("//fo:block", templateNamespaces).size(),
                 std::size_t(3));
    }

private:
    static void writeFile(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

UIEDITOR_TEST_CLASS(TestXmlDom)
#include "tst_xmldom.moc"
