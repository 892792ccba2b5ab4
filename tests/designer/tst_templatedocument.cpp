// The designer's template model, as dialogs see it and as the designer
// applies their results: chains, paths, properties, inserted markup, files.
#include "bundledsamples.h"
#include "outside/core/coreexception.h"
#include "outside/dom/xmlattribute.h"
#include "outside/xslfo/xslfodtobjectinfolist.h"
#include "templatedocument.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString samples = QStringLiteral(UIEDITOR_SAMPLES_DIR);

Xml::Element byId(const SmartPtr<TemplateDocument>& document, const char* id)
{
    const auto found = document->root().find(QStringLiteral("//*[@id='%1']").arg(QLatin1String(id)));
    return found.empty() ? Xml::Element() : Xml::Element(found.front());
}

} // namespace

class TestTemplateDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chainRunsFromTheSelectionToTheRoot()
    {
        auto document = TemplateDocument::load(samples + QStringLiteral("/invoice-template.fo"));
        document->select(byId(document, "payment"));
        const auto chain = document->getObjectChain();
        QStringList names;
        for (const auto& info : chain->getObjects()) {
            names << info->getName().toQString();
        }
        QCOMPARE(names, QStringList({"fo:block", "fo:flow", "fo:page-sequence", "fo:root"}));
        QCOMPARE(chain->get(0)->getObjectId().toQString(), QStringLiteral("payment"));
        QCOMPARE(document->getSelectedObjectPath().toQString(),
                 QStringLiteral("/fo:root/fo:page-sequence/fo:flow/fo:block"));
        QVERIFY(*document->getSelectedObjectInfo() == *chain->get(0));
    }

    void pathNamesTheObjectOnTheSelectedChain()
    {
        auto document = TemplateDocument::load(samples + QStringLiteral("/invoice-template.fo"));
        const Core::String blockPath("/fo:root/fo:page-sequence/fo:flow/fo:block");
        // Several blocks share this path; the selected one is meant.
        document->select(byId(document, "payment"));
        QCOMPARE(document->getObjectProperties(blockPath).getPropertyValue("fo:background-color").toQString(),
                 QStringLiteral("#eef3f8"));
        document->select(byId(document, "title"));
        QCOMPARE(document->getObjectProperties(blockPath).getPropertyValue("fo:font-size").toQString(),
                 QStringLiteral("16pt"));
        // Namespaced attributes keep their usual prefix.
        QCOMPARE(document->getObjectProperties("/fo:root").getPropertyValue("kmb:sample-xml").toQString(),
                 QStringLiteral("invoice.xml"));
        QVERIFY(document->getObjectProperties("/fo:root/fo:nothing").isEmpty());
    }

    void appliesWhatADialogReturns()
    {
        auto document = TemplateDocument::load(samples + QStringLiteral("/invoice-template.fo"));
        int changes = 0;
        document->setChangeListener([&changes] { ++changes; });
        document->select(byId(document, "payment"));
        PropertyCollection edited;
        edited.addProperty(EditableProperty("fo:border-left-style", "dashed"), true);
        edited.addProperty(EditableProperty("fo:background-color", ""), true);
        edited.addProperty(EditableProperty("kmb:note", "checked"), true);
        document->applyProperties(document->getSelectedObjectPath(), edited);
        const Xml::Element payment = byId(document, "payment");
        QCOMPARE(payment.get_attribute_value("border-left-style").toQString(), QStringLiteral("dashed"));
        QVERIFY(payment.get_attribute("background-color").isNull());
        QCOMPARE(payment.get_attribute_value("note", "http://www.varnel.com/kmb/1.0").toQString(),
                 QStringLiteral("checked"));
        QCOMPARE(changes, 1);
        QVERIFY(document->isModified());
        PropertyCollection unknown;
        unknown.addProperty(EditableProperty("zz:odd", "1"), true);
        QVERIFY_THROWS_EXCEPTION(Core::Exception, document->applyProperties(document->getSelectedObjectPath(), unknown));
        QVERIFY_THROWS_EXCEPTION(Core::Exception, document->applyProperties("/fo:root/fo:nothing", edited));
    }

    void insertsMarkupAfterOrInside()
    {
        auto document = TemplateDocument::load(samples + QStringLiteral("/invoice-template.fo"));
        document->select(byId(document, "title"));
        const Xml::Element inserted = document->insertMarkup(
            "<fo:block id=\"new1\">A</fo:block><km:barcode km:type=\"QR\" km:value=\"x\"/>",
            TemplateDocument::InsertPosition::After);
        QCOMPARE(inserted.get_attribute_value("id").toQString(), QStringLiteral("new1"));
        // Right after the title, in order, before what followed it.
        std::vector<Xml::Element> flow = byId(document, "title").get_parent().get_child_elements();
        QStringList order;
        for (const Xml::Element& element : flow) {
            order << element.get_attribute_value("id").toQString() + QLatin1Char('|') + element.get_local_name().toQString();
        }
        const qsizetype title = order.indexOf(QStringLiteral("title|block"));
        QCOMPARE(order.mid(title, 4), QStringList({"title|block", "new1|block", "|barcode", "meta|block"}));

        document->select(byId(document, "payment"));
        document->insertMarkup("<kmb:field xpath=\"/invoice/@number\"/>", TemplateDocument::InsertPosition::Inside);
        const auto fields = byId(document, "payment").get_child_elements();
        QCOMPARE(fields.back().get_attribute_value("xpath").toQString(), QStringLiteral("/invoice/@number"));
        QCOMPARE(fields.back().get_namespace_uri().toQString(), QStringLiteral("http://www.varnel.com/kmb/1.0"));
    }

    void brokenMarkupLeavesTheTemplateAlone()
    {
        auto document = TemplateDocument::load(samples + QStringLiteral("/invoice-template.fo"));
        document->select(byId(document, "title"));
        const Core::String before = document->xml()->writeToString(false);
        QVERIFY_THROWS_EXCEPTION(Core::Exception,
                                 document->insertMarkup("<fo:block>unclosed", TemplateDocument::InsertPosition::After));
        QCOMPARE(document->xml()->writeToString(false), before);
        QVERIFY(!document->isModified());
    }

    void missingSampleIsReportedNotFatal()
    {
        QTemporaryDir dir;
        const QString path = BundledSamples::install(dir.path());
        QFile::remove(dir.filePath(QStringLiteral("invoice.xml")));
        auto document = TemplateDocument::load(path);
        QVERIFY(document->sampleDocument().isNull());
        QVERIFY(document->sampleError().contains("invoice.xml"));
    }

    void unreadableTemplatesRaise()
    {
        QVERIFY_THROWS_EXCEPTION(Core::Exception, TemplateDocument::load("/no/such/template.fo"));
        try {
            TemplateDocument::fromText("<fo:root xmlns:fo=\"x\"><fo:block></fo:root>", "broken.fo");
            QFAIL("broken markup was accepted");
        } catch (const Core::Exception& e) {
            QVERIFY(e.getMessage().contains("broken.fo"));
            QVERIFY(e.getMessage().contains("line 1"));
        }
    }

    void scriptsVariablesAndNamespaces()
    {
        auto document = TemplateDocument::fromText(
            "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" xmlns:kmb=\"http://www.varnel.com/kmb/1.0\""
            " kmb:xslt-engine=\"2\">"
            "<kmb:script prefix=\"js\" language=\"JScript\">function f() {}</kmb:script>"
            "<kmb:variable name=\"total\" select=\"sum(//amount)\"/></fo:root>",
            "inline.fo");
        QCOMPARE(int(document->getScripts().size()), 1);
        QCOMPARE(document->getScripts().front().getNsPrefix().toQString(), QStringLiteral("js"));
        QCOMPARE(document->getVariables().front().getSelect().toQString(), QStringLiteral("sum(//amount)"));
        QCOMPARE(document->getNamespaces().at("kmb").toQString(), QStringLiteral("http://www.varnel.com/kmb/1.0"));
        QCOMPARE(document->getXsltEngine(), 2);
        QVERIFY(document->getDocumentPath().isEmpty());
    }
};

UIEDITOR_TEST_CLASS(TestTemplateDocument)
#include "tst_templatedocument.moc"
