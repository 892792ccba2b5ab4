// Data > Load Sample Data: the user picks an XML file, a schema or a data
// aggregation file; the template remembers it and the data pane shows it.
#include "outside/core/namespaces.h"
#include "recordingmessageboxfactory.h"
#include "sampleinvoice.h"
#include "samplepane.h"
#include "scriptedfiledialogs.h"
#include "testregistry.h"
#include "xml/widgets/xmltreectrl.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace DesignerTest;

namespace {

QString topItemText(const DesignerWindow& window)
{
    const XmlTreeCtrl* tree = window.samplePane()->tree();
    return tree->topLevelItemCount() > 0 ? tree->topLevelItem(0)->text(0) : QString();
}

} // namespace

class TestLoadSampleData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bundledSourcesOfEveryKind_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("inDataPane"); // an XPath the loaded sample answers
        // clang-format off
        QTest::newRow("schema") << u"invoice.xsd"_s << u"invoice"_s << u"/invoice/payment/card-holder"_s;
        QTest::newRow("data aggregation") << u"invoice.lfa"_s << u"ns:invoice"_s << u"/ns:invoice/crm:customer/@crm:id"_s;
        QTest::newRow("XML") << u"invoice.xml"_s << u"invoice"_s << u"/invoice/lines/line[4]/amount"_s;
        // clang-format on
    }

    void bundledSourcesOfEveryKind()
    {
        QFETCH(QString, file);
        QFETCH(QString, root);
        QFETCH(QString, inDataPane);
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        window.show();
        QAction* action = command(window, QStringLiteral("LoadSampleData"));
        QVERIFY2(action, "Data menu entry for loading sample data not found");

        TestSupport::ScriptedFileDialogs files;
        TestSupport::RecordingMessageBoxFactory messages;
        files.answerWith({invoice.dir.filePath(file)});
        action->trigger();
        QCOMPARE(files.requests().size(), 1);
        QVERIFY(files.requests().front().filter.contains("*.lfa"));

        const SmartPtr<TemplateDocument> document = window.document();
        QVERIFY2(document->sampleError().isEmpty(), qPrintable(document->sampleError()));
        QVERIFY(window.messages().isEmpty());
        QCOMPARE(messages.count(), 0);
        // Stored relative to the template, so the pair can move together.
        QCOMPARE(document->root().get_attribute_value("sample-xml", Xml::Namespaces::KMB).toQString(), file);
        // Binding the sample it was bound to leaves the template as it was.
        QCOMPARE(document->isModified(), file != QLatin1String("invoice.xml"));
        QCOMPARE(topItemText(window), root);
        const SmartPtr<SampleXml> sample = document->getSampleXml();
        QCOMPARE(int(sample->getXmlDocument()->getRootNode().find(inDataPane, sample->getNamespaceMap()).size()), 1);
    }

    void problemsAreAmongTheMessages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message"); // a part of the one message expected
        // clang-format off
        QTest::newRow("broken XML") << u"broken.xml"_s << QByteArray("<a><b></a>") << u"broken.xml, line 1"_s;
        QTest::newRow("unresolved reference, from the core log") << "refs.xsd" << QByteArray("<xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema'><xs:element name='r'>\n<xs:complexType><xs:sequence><xs:element ref='missing'/></xs:sequence></xs:complexType></xs:element></xs:schema>") << "line 2";
        // clang-format on
    }

    void problemsAreAmongTheMessages()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile written(dir.filePath(file));
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write(content);
        written.close();
        DesignerWindow window;
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        TestSupport::ScriptedFileDialogs files;
        files.answerWith({written.fileName()});
        command(window, QStringLiteral("LoadSampleData"))->trigger();
        QCOMPARE(window.messages().size(), 1);
        QVERIFY2(window.messages().front().contains(message), qPrintable(window.messages().front()));
    }

    void cancelLeavesTheTemplateAlone()
    {
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        TestSupport::ScriptedFileDialogs files; // answers Cancel
        command(window, QStringLiteral("LoadSampleData"))->trigger();
        QCOMPARE(files.requests().size(), 1);
        QVERIFY(!window.document()->isModified());
        QCOMPARE(topItemText(window), QStringLiteral("invoice"));
    }
};

UIEDITOR_TEST_CLASS(TestLoadSampleData)
#include "tst_loadsampledata.moc"
