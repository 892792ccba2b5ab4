// The preview with the sample's values, large files read while the window
// stays usable, and dynamic values that go with their attribute.
#include "backgroundload.h"
#include "frame/win32constants.h"
#include "outside/core/namespaces.h"
#include "recordingmessageboxfactory.h"
#include "sampledataevaluator.h"
#include "sampleinvoice.h"
#include "scriptedfiledialogs.h"
#include "templatepreview.h"
#include "testregistry.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace DesignerTest;

namespace {

int countBoxes(DesignerWindow& window, ViewLayoutBox::Kind kind, const QString& text = QString())
{
    int count = 0;
    for (const ViewLayoutBox& box : window.preview()->pageBoxes(0)) {
        count += box.kind == kind && box.text.toQString().contains(text);
    }
    return count;
}

// Pixels of the preview in the warning colour, as the user would see them.
int warningPixels(DesignerWindow& window)
{
    const QImage image = window.preview()->grab().toImage();
    const QColor warning(QString::fromLatin1(ViewDataEvaluator::unresolvedColor));
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += qAbs(pixel.red() - warning.red()) + qAbs(pixel.green() - warning.green()) +
                         qAbs(pixel.blue() - warning.blue()) < 40;
        }
    }
    return count;
}

// An invoice with `lines` lines: several megabytes read on a worker thread.
QByteArray bigSample(int lines)
{
    return "<invoice number='big'><customer><name>Big Customer</name></customer><lines>" +
           QByteArray("<line sku='X'><description>Item</description><amount>1.00</amount></line>").repeated(lines) +
           "</lines></invoice>";
}

} // namespace

class TestSampleData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QSettings().remove(u"designer/showSampleData"_s); } // other suites start without it

    void previewShowsTheSampleValues_data()
    {
        QTest::addColumn<QString>("text");      // a text run on the page
        QTest::addColumn<int>("withoutData");   // how often it shows with the expressions
        QTest::addColumn<int>("withData");      // and with the sample's values
        QTest::newRow("field") << u"Lumière"_s << 0 << 1;
        QTest::newRow("field's expression") << u"[/invoice/customer/name]"_s << 1 << 0;
        QTest::newRow("repeat gives one row per node") << u"[@sku]"_s << 1 << 0;
    }

    void previewShowsTheSampleValues()
    {
        QFETCH(QString, text);
        QFETCH(int, withoutData);
        QFETCH(int, withData);
        QTemporaryDir dir;
        DesignerWindow window;
        window.showSampleDataAction()->setChecked(false);
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        const QByteArray markup = window.document()->text();
        QCOMPARE(countBoxes(window, ViewLayoutBox::Kind::Text, text), withoutData);
        const int rowsWithoutData = countBoxes(window, ViewLayoutBox::Kind::TableRow);
        window.showSampleDataAction()->trigger();
        QCOMPARE(countBoxes(window, ViewLayoutBox::Kind::Text, text), withData);
        QCOMPARE(countBoxes(window, ViewLayoutBox::Kind::TableRow), rowsWithoutData - 1 + 4); // four lines
        QCOMPARE(window.document()->text(), markup);
        QVERIFY(!window.document()->isModified());
    }

    void repeatsPrintInTheirSortAndGroups_data()
    {
        QTest::addColumn<QString>("attributes"); // on the invoice's line repeat
        QTest::addColumn<QString>("skus");       // the SKU cells, top to bottom
        QTest::addColumn<int>("rows");
        // clang-format off
        QTest::newRow("document order") << u""_s << u"NP-210 NP-455 NP-902 NP-017"_s << 4;
        QTest::newRow("number, descending") << u"sort=s:amount dt:number or:descending co:upper-first"_s << u"NP-902 NP-455 NP-210 NP-017"_s << 4;
        QTest::newRow("text keys compare as text") << u"sort=s:quantity dt:text or:ascending co:upper-first"_s << u"NP-017 NP-902 NP-455 NP-210"_s << 4;
        QTest::newRow("groups keep their rows together") << u"group-context=.|group-by=substring(@sku, 5, 1)"_s << u"NP-210 NP-017 NP-455 NP-902"_s << 4;
        QTest::newRow("merged groups print one row each") << u"group-context=.|group-by=substring(@sku, 5, 1)|group-merge=true"_s << u"NP-210 NP-017 NP-455 NP-902"_s << 3;
        // clang-format on
    }

    void repeatsPrintInTheirSortAndGroups()
    {
        QFETCH(QString, attributes);
        QFETCH(QString, skus);
        QFETCH(int, rows);
        QTemporaryDir dir;
        DesignerWindow window;
        window.showSampleDataAction()->setChecked(true);
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        const int otherRows = countBoxes(window, ViewLayoutBox::Kind::TableRow) - 4;
        PropertyCollection properties;
        for (const QString& pair : attributes.split(u'|', Qt::SkipEmptyParts)) {
            properties.addProperty(EditableProperty(pair.section(u'=', 0, 0), pair.section(u'=', 1)), true);
        }
        const std::vector<Xml::Node> repeat =
            window.document()->root().find(u"//kmb:table-row-repeat"_s, {{"kmb", Xml::Namespaces::KMB}});
        window.document()->applyProperties(TemplateDocument::pathOf(Xml::Element(repeat.front())), properties);
        QCoreApplication::processEvents();
        QStringList seen;
        for (const ViewLayoutBox& box : window.preview()->pageBoxes(0)) {
            if (box.kind == ViewLayoutBox::Kind::Text && box.text.toQString().startsWith(u"NP-"_s)) {
                seen << box.text.toQString();
            }
        }
        QCOMPARE(seen.join(u' '), skus);
        QCOMPARE(countBoxes(window, ViewLayoutBox::Kind::TableRow) - otherRows, rows);
    }

    void dynamicBarcodesDrawTheSampleValue()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        window.showSampleDataAction()->setChecked(true);
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        const Xml::Element barcode = window.document()->insertMarkup(
            u"<fo:block><km:barcode km:type=\"128\" km:value=\"STATIC\"/></fo:block>"_s,
            TemplateDocument::InsertPosition::After);
        PropertyValueEx value("km:value", "");
        value.setType(PropertyValueType::Dynamic);
        value.setStaticValue("STATIC");
        value.setDynamicValue("/invoice/customer/@id");
        window.document()->setPropertyValue(barcode.get_child_elements().front(), value);
        const std::vector<Xml::Node> kept =
            window.document()->root().find(u"//km:barcode"_s, {{"km", Xml::Namespaces::KM}});
        // What the preview's engine is told: the barcode's value comes from the sample.
        SampleDataEvaluator evaluator(*window.document(), window.document()->getSampleXml());
        const std::vector<ViewDataEvaluator::Attribute> printed = evaluator.attributes(Xml::Element(kept.front()), nullptr);
        QCOMPARE(printed.size(), size_t(1));
        QCOMPARE(printed.front().namespaceUri.toQString(), QString::fromLatin1(Xml::Namespaces::KM));
        QCOMPARE(printed.front().value.toQString(), u"C-1088"_s);
        QCOMPARE(Xml::Element(kept.front()).get_attribute_value("value", Xml::Namespaces::KM).toQString(), u"STATIC"_s);
        // A sample value the symbology cannot encode is said in the preview, not fatal.
        PropertyCollection ean;
        ean.addProperty(EditableProperty("km:type", "EAN-13"), true);
        window.document()->applyProperties(TemplateDocument::pathOf(Xml::Element(kept.front())), ean);
        QCoreApplication::processEvents();
        QVERIFY(!window.preview()->errorText().isEmpty());
    }

    void fieldsWithoutValueAreMarkedAndDatesAreTodays()
    {
        QTemporaryDir dir;
        DesignerWindow window;
        window.showSampleDataAction()->setChecked(true);
        QVERIFY(window.openTemplate(BundledSamples::install(dir.path())));
        window.show();
        QCOMPARE(warningPixels(window), 0);
        window.document()->insertMarkup(u"<kmb:field xpath=\"/invoice/nothing\"/>"_s,
                                        TemplateDocument::InsertPosition::Inside);
        QCoreApplication::processEvents();
        QCOMPARE(countBoxes(window, ViewLayoutBox::Kind::Text, u"/invoice/nothing"_s), 1);
        QVERIFY(warningPixels(window) > 0);
        // The built-in date is the moment's, as when the template runs.
        window.document()->insertMarkup(u"<kmb:field xpath=\"$KMCrtLocalDate\" format=\"date:'Y'yyyy\"/>"_s,
                                        TemplateDocument::InsertPosition::After);
        QCoreApplication::processEvents();
        QCOMPARE(countBoxes(window, ViewLayoutBox::Kind::Text, u"Y%1"_s.arg(QDate::currentDate().year())), 1);
    }

    void largeFilesAreReadInTheBackground_data()
    {
        QTest::addColumn<bool>("sample"); // else a template
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("editMeanwhile"); // and keep the edit when asked again
        QTest::newRow("sample") << true << false << false;
        QTest::newRow("sample, cancelled") << true << true << false;
        QTest::newRow("template") << false << false << false;
        QTest::newRow("template, cancelled") << false << true << false;
        QTest::newRow("template, the shown one edited meanwhile") << false << false << true;
    }

    void largeFilesAreReadInTheBackground()
    {
        QFETCH(bool, sample);
        QFETCH(bool, cancel);
        QFETCH(bool, editMeanwhile);
        QTemporaryDir dir;
        const QString invoice = BundledSamples::install(dir.path());
        const QString big = writeFile(dir, u"big.xml"_s, bigSample(60000));
        QFile bundled(invoice);
        QVERIFY(bundled.open(QIODevice::ReadOnly));
        // Large itself, and bound to the large sample.
        const QString bigTemplate = writeFile(dir, u"big.fo"_s,
                                          bundled.readAll()
                                              .replace("invoice.xml", "big.xml")
                                              .replace("<fo:layout-master-set>", "<!--" + QByteArray(1500000, 'x') +
                                                                                     "--><fo:layout-master-set>"));
        DesignerWindow window;
        window.show();
        QVERIFY(window.openTemplate(invoice));
        QSignalSpy finished(window.backgroundLoad(), &BackgroundLoad::finished);
        TestSupport::ScriptedFileDialogs files;
        if (sample) {
            files.answerWith({big});
            command(window, u"LoadSampleData"_s)->trigger();
        } else {
            QVERIFY(window.openTemplate(bigTemplate));
        }
        QVERIFY(window.backgroundLoad()->isBusy());
        QVERIFY(window.backgroundLoad()->statusWidget()->isVisibleTo(&window));
        TestSupport::RecordingMessageBoxFactory messages;
        if (editMeanwhile) {
            window.document()->insertMarkup(u"<fo:block>typed while it loads</fo:block>"_s,
                                            TemplateDocument::InsertPosition::After);
            messages.answerWith({Win32::IDCANCEL});
        }
        if (cancel) {
            QTest::mouseClick(window.backgroundLoad()->cancelButton(), Qt::LeftButton);
            QThreadPool::globalInstance()->waitForDone(); // the worker ends; its result must not land
            QCoreApplication::processEvents();
            QCOMPARE(finished.count(), 0);
        } else {
            QVERIFY(finished.wait(60000));
        }
        QVERIFY(!window.backgroundLoad()->isBusy());
        QCOMPARE(messages.count(), editMeanwhile ? 1 : 0);
        const bool kept = cancel || sample || editMeanwhile;
        const QString expected = QFileInfo(kept ? invoice : bigTemplate).canonicalFilePath();
        QCOMPARE(QFileInfo(window.document()->getDocumentPath().toQString()).canonicalFilePath(), expected);
        const SmartPtr<SampleXml> loaded = window.document()->getSampleXml();
        QVERIFY(loaded);
        const bool small = cancel || editMeanwhile;
        QCOMPARE(QFileInfo(loaded->getXmlDocumentFilePath().toQString()).fileName(),
                 small ? u"invoice.xml"_s : u"big.xml"_s);
        QCOMPARE(window.document()->isModified(), (sample && !cancel) || editMeanwhile);
        QCOMPARE(int(loaded->getXmlDocument()->getRootNode().find(u"lines/line"_s).size()), small ? 4 : 60000);
    }

    void clearedAttributeTakesItsValueAlong_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("cleared") << int(TemplateDocument::ApplyMode::Merge);
        QTest::newRow("left out of the whole set") << int(TemplateDocument::ApplyMode::Replace);
    }

    void clearedAttributeTakesItsValueAlong()
    {
        QFETCH(int, mode);
        SampleInvoice invoice;
        DesignerWindow& window = invoice.window;
        const SmartPtr<TemplateDocument> document = window.document();
        const QByteArray original = document->text();
        window.selectObject(Xml::Element(document->root().find(u"//*[@id='address']/*[1]"_s,
                                                                {{"fo", Xml::Namespaces::FO}}).front()));
        PropertyValueEx dynamic("color", document->objectIdOf(document->selected()));
        dynamic.setType(PropertyValueType::Dynamic);
        dynamic.setDynamicValue("/invoice/@currency");
        document->setPropertyValue(document->selected(), dynamic);
        QVERIFY(document->text().contains("kmb:values"));
        PropertyCollection properties = TemplateDocument::propertiesOf(document->selected());
        if (mode == int(TemplateDocument::ApplyMode::Merge)) {
            properties.setProperty(EditableProperty("fo:color", ""));
        } else {
            properties.removePropertyByName("fo:color");
        }
        document->applyProperties(document->getSelectedObjectPath(), properties, TemplateDocument::ApplyMode(mode));
        QCOMPARE(document->text(), original); // no value, no id made for it
        document->undoStack()->undo();
        QVERIFY(document->propertyValue(document->selected(), "color").isDynamic());
    }
};

UIEDITOR_TEST_CLASS(TestSampleData)
#include "tst_sampledata.moc"
