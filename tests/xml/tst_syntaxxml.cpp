// The syntax catalogue as a template author and the formatting dialogs rely on
// it: what each vocabulary holds, what every property accepts, the markup the
// library writes, and names from markup that must not be taken for XPath.
#include "outside/core/coreapplication.h"
#include "outside/core/coreexception.h"
#include "outside/core/corememorystream.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "outside/xslfo/xslfodtobjectinfo.h"
#include "outside/xslfo/xslfonamespaces.h"
#include "testregistry.h"
#include "xml/model/syntaxxml.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Core::String;

Q_DECLARE_METATYPE(SyntaxXmlType)

namespace {

SyntaxXml::ResourceLoader libraryFilesExcept(const QString& file, const QByteArray& replacement)
{
    return [file, replacement](const String& name) -> SmartPtr<Core::IO::Stream> {
        if (name.toQString() != file) {
            return Core::Application::loadFileFromResources(name, "syntax");
        }
        if (replacement.isNull()) {
            throw Core::Exception("The resource is not there.");
        }
        return makeSmart<Core::IO::MemoryStream>(replacement);
    };
}

QStringList toStrings(const std::vector<String>& strings)
{
    QStringList list;
    for (const String& s : strings) {
        list << s.toQString();
    }
    return list;
}

// An element or attribute named as the catalogue names it: the vocabulary's
// prefix, or none for an attribute in no namespace on a non-FO element (FO
// properties are plain attributes in markup and "fo:" ones in collections).
QString qualified(const Xml::Node& node, bool attributeOfFo)
{
    const QString prefix = XSLFO::getDefaultNSPrefix(node.get_namespace_uri());
    if (prefix.isEmpty()) {
        return attributeOfFo ? QStringLiteral("fo:") + node.get_local_name().toQString()
                             : node.get_local_name().toQString();
    }
    return prefix + u':' + node.get_local_name();
}

void checkKnown(const Xml::Element& element, QStringList& faults)
{
    const SyntaxXml& syntax = SyntaxXml::get();
    const SyntaxXmlType type = SyntaxXml::getSyntaxXmlType(element.get_namespace_uri());
    const QString name = qualified(element, false);
    const ElementData data = syntax.getElementDataByName(element.get_local_name(), type);
    if (data.isEmpty()) {
        faults << name + QStringLiteral(" is unknown");
        return;
    }
    for (const Xml::Attribute& attribute : element.get_attributes()) {
        const QString property = qualified(attribute, type == SyntaxXmlType::FO);
        if (!data.hasProperty(property)) {
            faults << name + QStringLiteral(" does not take ") + property;
            continue;
        }
        const AttributeData kind = syntax.getAttributeDataByQualifiedName(property, type);
        const std::vector<String>& values = kind.getValues();
        if (kind.isEnumeration() && kind.getRole().isEmpty() &&
            std::find(values.begin(), values.end(), attribute.get_value()) == values.end()) {
            faults << property + QStringLiteral(" does not allow ") + attribute.get_value();
        }
    }
    for (const Xml::Element& child : element.get_child_elements()) {
        if (!data.canContain(qualified(child, false))) {
            faults << name + QStringLiteral(" may not hold ") + qualified(child, false);
        }
        checkKnown(child, faults);
    }
}

} // namespace

class TestSyntaxXml : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void vocabularyFromPrefixOrUri_data()
    {
        QTest::addColumn<QString>("prefixOrUri");
        QTest::addColumn<SyntaxXmlType>("type");
        // clang-format off
        QTest::newRow("fo") << u"fo"_s << SyntaxXmlType::FO;
        QTest::newRow("fo uri") << Xml::Namespaces::FO << SyntaxXmlType::FO;
        QTest::newRow("kmb uri") << Xml::Namespaces::KMB << SyntaxXmlType::KMB;
        QTest::newRow("km") << u"km"_s << SyntaxXmlType::KM;
        QTest::newRow("xsl uri") << Xml::Namespaces::XSL << SyntaxXmlType::XSL;
        QTest::newRow("svg") << u"svg"_s << SyntaxXmlType::SVG;
        QTest::newRow("zc uri") << Xml::Namespaces::ZC << SyntaxXmlType::ZC;
        QTest::newRow("prefixes are case-sensitive") << u"FO"_s << SyntaxXmlType::Unknown;
        QTest::newRow("uri with a slash more") << QString(Xml::Namespaces::FO) + u'/' << SyntaxXmlType::Unknown;
        QTest::newRow("data types are no vocabulary") << Xml::Namespaces::DT << SyntaxXmlType::Unknown;
        // clang-format on
    }
    void vocabularyFromPrefixOrUri()
    {
        QFETCH(QString, prefixOrUri);
        QFETCH(SyntaxXmlType, type);
        QCOMPARE(SyntaxXml::getSyntaxXmlType(prefixOrUri), type);
    }

    void elementsTakeTheirProperties_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("takes");
        // clang-format off
        QTest::newRow("block borders") << u"fo:block"_s << u"fo:border-left-style"_s << true;
        QTest::newRow("cell alignment") << u"fo:table-cell"_s << u"fo:display-align"_s << true;
        QTest::newRow("graphic source") << u"fo:external-graphic"_s << u"fo:src"_s << true;
        QTest::newRow("graphic alternate text") << u"fo:external-graphic"_s << u"km:alt-text"_s << true;
        QTest::newRow("root sample") << u"fo:root"_s << u"kmb:sample-xml"_s << true;
        QTest::newRow("column has no font") << u"fo:table-column"_s << u"fo:font-size"_s << false;
        QTest::newRow("region body has no text alignment") << u"fo:region-body"_s << u"fo:text-align"_s << false;
        QTest::newRow("inline has no space before") << u"fo:inline"_s << u"fo:space-before"_s << false;
        QTest::newRow("page number has no source") << u"fo:page-number"_s << u"fo:src"_s << false;
        QTest::newRow("field") << u"kmb:field"_s << u"xpath"_s << true;
        QTest::newRow("barcode type") << u"km:barcode"_s << u"km:type"_s << true;
        QTest::newRow("barcode checksum") << u"km:barcode"_s << u"include-checksum"_s << true;
        QTest::newRow("sort key") << u"xsl:sort"_s << u"data-type"_s << true;
        // clang-format on
    }
    void elementsTakeTheirProperties()
    {
        QFETCH(QString, element);
        QFETCH(QString, property);
        QFETCH(bool, takes);
        const SyntaxXmlType type = SyntaxXml::getSyntaxXmlType(element.section(u':', 0, 0));
        // Markup names elements with their prefix, lists without: both find it.
        const ElementData data = SyntaxXml::get().getElementDataByName(element, type);
        QCOMPARE(data.getName().toQString(), element);
        QCOMPARE(SyntaxXml::get().getElementDataByName(element.section(u':', 1), type).getName(),
                 data.getName());
        QCOMPARE(data.hasProperty(property), takes);
        // Whatever an element takes, the catalogue describes.
        for (const String& name : data.getProperties()) {
            QVERIFY2(!SyntaxXml::get().getAttributeDataByQualifiedName(name, type).isEmpty(),
                     qPrintable(name.toQString()));
        }
    }

    void elementsHoldTheirContent_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("child");
        QTest::addColumn<bool>("holds");
        // clang-format off
        QTest::newRow("block inline") << u"fo:block"_s << u"fo:inline"_s << true;
        QTest::newRow("block field") << u"fo:block"_s << u"kmb:field"_s << true;
        QTest::newRow("block barcode") << u"fo:block"_s << u"km:barcode"_s << true;
        QTest::newRow("body repeated rows") << u"fo:table-body"_s << u"kmb:table-row-repeat"_s << true;
        QTest::newRow("table holds no block") << u"fo:table"_s << u"fo:block"_s << false;
        QTest::newRow("flow holds no inline") << u"fo:flow"_s << u"fo:inline"_s << false;
        QTest::newRow("row holds no row") << u"fo:table-row"_s << u"fo:table-row"_s << false;
        QTest::newRow("choose") << u"xsl:choose"_s << u"xsl:when"_s << true;
        // clang-format on
    }
    void elementsHoldTheirContent()
    {
        QFETCH(QString, element);
        QFETCH(QString, child);
        QFETCH(bool, holds);
        const SyntaxXmlType type = SyntaxXml::getSyntaxXmlType(element.section(u':', 0, 0));
        QCOMPARE(SyntaxXml::get().getElementDataByName(element, type).canContain(child), holds);
    }

    void propertiesHaveTheirKind_data()
    {
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("someValues");
        QTest::addColumn<QString>("role");
        const int enumeration = int(AttributeData::Kind::Enumeration);
        // clang-format off
        QTest::newRow("text-align") << u"fo:text-align"_s << enumeration << QStringList{"start", "center", "end", "justify", "left", "right"} << u"character"_s;
        QTest::newRow("text-align-last") << u"text-align-last"_s << enumeration << QStringList{"relative", "justify"} << u""_s;
        QTest::newRow("border style") << u"fo:border-left-style"_s << enumeration << QStringList{"none", "solid", "double", "dotted", "groove"} << u""_s;
        QTest::newRow("colour") << u"fo:color"_s << int(AttributeData::Kind::Color) << QStringList() << u""_s;
        QTest::newRow("background image") << u"fo:background-image"_s << int(AttributeData::Kind::Url) << QStringList() << u""_s;
        QTest::newRow("font family") << u"fo:font-family"_s << int(AttributeData::Kind::String) << QStringList() << u"font-family"_s;
        QTest::newRow("padding") << u"fo:padding-top"_s << int(AttributeData::Kind::String) << QStringList() << u"length-or-percent"_s;
        QTest::newRow("barcode types") << u"km:type"_s << enumeration << QStringList{"UPC-E", "DataMatrix", "3of9", "2of5", "Code128UCC", "Pdf417", "QRBarcode", "IntelligentMail"} << u""_s;
        QTest::newRow("rotation") << u"km:rotation"_s << enumeration << QStringList{"0", "90", "180", "270"} << u""_s;
        QTest::newRow("field xpath") << u"kmb:xpath"_s << int(AttributeData::Kind::String) << QStringList() << u"xpath"_s;
        // clang-format on
    }
    void propertiesHaveTheirKind()
    {
        QFETCH(QString, attribute);
        QFETCH(int, kind);
        QFETCH(QStringList, someValues);
        QFETCH(QString, role);
        const AttributeData data =
            SyntaxXml::get().getAttributeDataByQualifiedName(attribute, SyntaxXmlType::FO);
        QCOMPARE(int(data.getKind()), kind);
        QCOMPARE(data.isColor(), kind == int(AttributeData::Kind::Color));
        QCOMPARE(data.isUrl(), kind == int(AttributeData::Kind::Url));
        const QStringList values = toStrings(data.getValues());
        for (const QString& value : someValues) {
            QVERIFY2(values.contains(value), qPrintable(value));
        }
        QCOMPARE(data.getRole().toQString(), role);
        QVERIFY(!data.getDescription().isEmpty());
    }

    void markupTheLibraryWritesIsKnown_data()
    {
        QTest::addColumn<QString>("markup");
        // clang-format off
        QTest::newRow("field") << u"<kmb:field xpath=\"/invoice/@number\"/>"_s;
        QTest::newRow("date field") << u"<kmb:field xpath=\"$KMCrtLocalDateTime\" format=\"date:M/dd/yyyy h:mm a\"/>"_s;
        QTest::newRow("table from the tree") << "<fo:table width=\"100%\" table-layout=\"fixed\"><fo:table-column/><fo:table-header><fo:table-row><fo:table-cell><fo:block>Name</fo:block></fo:table-cell></fo:table-row></fo:table-header><fo:table-body><kmb:table-row-repeat xpath=\"/invoice/lines/line\"><fo:table-row><fo:table-cell><fo:block><kmb:field xpath=\"@sku\"/></fo:block></fo:table-cell></fo:table-row></kmb:table-row-repeat></fo:table-body></fo:table>";
        QTest::newRow("barcode") << "<fo:block text-align=\"center\" padding=\"10px\"><km:barcode km:type=\"Pdf417\" km:value=\"Hello\" km:draw-text=\"false\" km:rotation=\"90\" km:value-type=\"hex\" fo:id=\"v1\" fo:content-height=\"20px\"/></fo:block>";
        QTest::newRow("barcode preview") << "<km:barcode include-checksum=\"false\" fo:scaling=\"uniform\" fo:height=\"175px\" km:type=\"2of5\" km:value=\"1234\" km:draw-text=\"true\" km:rotation=\"0\"/><km:barcode extended=\"true\" km:type=\"3of9\" km:value=\"A\" km:draw-text=\"true\" km:rotation=\"180\"/>";
        QTest::newRow("building block") << "<fo:block><kmb:subdocument-content kmb:src=\"url(blocks/address.kmc)\" fo:id=\"c1\"><kmb:subdocument-parameter name=\"customer\" value=\"'ACME'\"/></kmb:subdocument-content></fo:block>";
        QTest::newRow("image") << u"<fo:external-graphic src=\"url(logo.png)\" km:alt-text=\"Logo\" fo:content-width=\"500px\" fo:id=\"i1\"/>"_s;
        QTest::newRow("3d") << u"<km:object-3d km:src=\"url(m.u3d)\" km:preview-src=\"url(p.png)\" km:lighting-scheme=\"Day\" fo:id=\"m\"/>"_s;
        QTest::newRow("media") << "<km:media-object km:src=\"url(a.swf)\" km:preview-src=\"url(p.png)\" fo:id=\"x\"><km:media-parameter name=\"autoplay\" value=\"true\" param-type=\"player\" fo:id=\"y\"/></km:media-object>";
        QTest::newRow("map") << "<km:geomap address=\"Main St 1\" key=\"k\" map-type=\"terrain\" fo:content-width=\"512px\" fo:content-height=\"512px\" zoom=\"0\" display-marker=\"true\" fo:id=\"g\"/>";
        QTest::newRow("conditional blocks") << "<kmb:conditional-block-sequence><kmb:conditional-block test=\"count(item) &gt; 2\"><fo:block>A</fo:block></kmb:conditional-block><kmb:conditional-block><fo:block>B</fo:block></kmb:conditional-block></kmb:conditional-block-sequence>";
        QTest::newRow("conditional inlines") << "<fo:block><kmb:conditional-inline-sequence><kmb:conditional-inline test=\"a\"><fo:inline>A</fo:inline></kmb:conditional-inline><kmb:conditional-inline><fo:inline>B</fo:inline></kmb:conditional-inline></kmb:conditional-inline-sequence></fo:block>";
        QTest::newRow("hyperlink") << "<fo:basic-link text-underline-style=\"solid\" text-underline-width=\"auto\" color=\"rgb(0,0,255)\" external-destination=\"url(http://example.com)\">Go</fo:basic-link>";
        QTest::newRow("document settings") << u"<km:info title=\"T\" author=\"A\" subject=\"S\" keywords=\"K\" fo:id=\"t\"/><km:stylesheet src=\"a.css\" fo:id=\"s\"/>"_s;
        QTest::newRow("preview document") << "<kmb:document fo:font-size=\"12pt\" fo:font-family=\"Times\"><fo:layout-master-set><fo:simple-page-master master-name=\"all-pages\" page-height=\"152px\" page-width=\"200px\"><fo:region-body region-name=\"xsl-region-body\"/></fo:simple-page-master></fo:layout-master-set><fo:page-sequence master-reference=\"all-pages\"><fo:flow flow-name=\"xsl-region-body\"><fo:block/></fo:flow></fo:page-sequence></kmb:document>";
        // clang-format on
    }
    void markupTheLibraryWritesIsKnown()
    {
        QFETCH(QString, markup);
        Xml::DomParser parser;
        parser.parseMemory(String(
            QStringLiteral("<w xmlns:fo=\"%1\" xmlns:kmb=\"%2\" xmlns:km=\"%3\">%4</w>")
                .arg(Xml::Namespaces::FO, Xml::Namespaces::KMB, Xml::Namespaces::KM, markup)));
        QStringList faults;
        for (const Xml::Element& element :
             parser.getDocument()->getRootNode().get_child_elements()) {
            checkKnown(element, faults);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void everyReferenceIsDefined()
    {
        // A child or property named by a definition but defined nowhere would
        // look like an unknown name to every user of the catalogue.
        const SyntaxXml& syntax = SyntaxXml::get();
        QStringList faults;
        int elements = 0;
        for (SyntaxXmlType type :
             {SyntaxXmlType::FO, SyntaxXmlType::KMB, SyntaxXmlType::XSL, SyntaxXmlType::KM}) {
            for (const String& name : syntax.getElements(type)) {
                ++elements;
                const ElementData data = syntax.getElementDataByName(name, type);
                QCOMPARE(data.getName(), name);
                for (const String& child : data.getContent()) {
                    const SyntaxXmlType childType =
                        SyntaxXml::getSyntaxXmlType(child.substringBefore(":"));
                    if (childType != SyntaxXmlType::SVG && childType != SyntaxXmlType::ZC &&
                        syntax.getElementDataByName(child, childType).isEmpty()) {
                        faults << name + QStringLiteral(" holds ") + child;
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        // All 81 formatting objects of XSL 1.1 and the designer's own elements.
        QCOMPARE(int(syntax.getElements(SyntaxXmlType::FO).size()), 81);
        QVERIFY(elements > 81 + 30);
        QVERIFY(syntax.getElements(SyntaxXmlType::SVG).empty());
    }

    void namesFromMarkupAreNeverXPath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("apostrophe") << u"block'"_s;
        QTest::newRow("or injection") << u"none' or @name='block"_s;
        QTest::newRow("both quotes") << u"x\" or @name=\"block' or '1'='1"_s;
        QTest::newRow("union injection") << u"'] | //element[@name='block"_s;
        QTest::newRow("nul") << QString("block") + QChar(0) + QString("'] | //*['");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800));
        QTest::newRow("empty") << u""_s;
        QTest::newRow("other prefix") << u"kmb:block"_s;
    }
    void namesFromMarkupAreNeverXPath()
    {
        QFETCH(QString, name);
        const SyntaxXml& syntax = SyntaxXml::get();
        QVERIFY(syntax.getElementDataByName(name, SyntaxXmlType::FO).isEmpty());
        QVERIFY(syntax.getAttributeDataByName(name, SyntaxXmlType::FO).isEmpty());
        QVERIFY(syntax.getAttributeDataByQualifiedName(name, SyntaxXmlType::FO).isEmpty());
    }

    void namesWithQuotesAreFound()
    {
        // Definitions are free to use any name; the literal must find it exactly.
        const QByteArray definition =
            "<syntax-definition root-element=\"it's\"><elements>"
            "<element name=\"it's\" description=\"apostrophe\"/>"
            "<element name='say \"hi\"' description=\"quotes\"/>"
            "<element name=\"a'b&quot;c\" description=\"both\">"
            "<properties><ref-attribute name=\"x'y\" "
            "namespace=\"km\"/></properties></element></elements>"
            "<attributes><attribute name=\"x'y&quot;z\"><enum><value>one</value><value> two "
            "</value></enum></attribute>"
            "</attributes></syntax-definition>";
        const SyntaxXml syntax(libraryFilesExcept(QStringLiteral("FOSytanx.xml"), definition));
        QVERIFY(!syntax.hasErrors());
        QCOMPARE(syntax.getRootElementData().getDescription().toQString(),
                 QStringLiteral("apostrophe"));
        QCOMPARE(syntax.getElementDataByName("say \"hi\"", SyntaxXmlType::FO)
                     .getDescription()
                     .toQString(),
                 QStringLiteral("quotes"));
        const ElementData both = syntax.getElementDataByName("fo:a'b\"c", SyntaxXmlType::FO);
        QCOMPARE(both.getDescription().toQString(), QStringLiteral("both"));
        QCOMPARE(toStrings(both.getProperties()), QStringList{"km:x'y"});
        QCOMPARE(toStrings(syntax.getAttributeDataByName("x'y\"z", SyntaxXmlType::FO).getValues()),
                 (QStringList{"one", "two"}));
        QVERIFY(syntax.getElementDataByName("a'b", SyntaxXmlType::FO).isEmpty());
    }

    void brokenDefinitionIsReported_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("inMessage");
        // clang-format off
        QTest::newRow("not well-formed") << QByteArray("<syntax-definition><elements><element name=\"field\">") << u"KMBSytanx.xml, line"_s;
        QTest::newRow("empty") << QByteArray("") << u"KMBSytanx.xml"_s;
        QTest::newRow("missing") << QByteArray() << u"KMBSytanx.xml"_s;
        // clang-format on
    }
    void brokenDefinitionIsReported()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, inMessage);
        const SyntaxXml syntax(libraryFilesExcept(QStringLiteral("KMBSytanx.xml"), content));
        QVERIFY(syntax.hasErrors());
        QVERIFY2(syntax.getLastError().toQString().contains(inMessage),
                 qPrintable(syntax.getLastError().toQString()));
        QVERIFY(syntax.getElementDataByName("field", SyntaxXmlType::KMB).isEmpty());
        QVERIFY(syntax.getAttributeDataByName("xpath", SyntaxXmlType::KMB).isEmpty());
        QVERIFY(syntax.getElements(SyntaxXmlType::KMB).empty());
        QVERIFY(!syntax.getSyntaxDocument(SyntaxXmlType::KMB));
        // The other vocabularies do not suffer.
        QCOMPARE(syntax.getElementDataByName("block", SyntaxXmlType::FO).getName().toQString(),
                 QStringLiteral("fo:block"));
        QVERIFY(!syntax.getElementDataByName("barcode", SyntaxXmlType::KM).isEmpty());
    }
};

UIEDITOR_TEST_CLASS(TestSyntaxXml)
#include "tst_syntaxxml.moc"
