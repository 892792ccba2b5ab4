// How long a user waits for the designer: from constructing the window with
// the sample invoice until its preview has been painted, with the fields
// showing their expressions and with the sample's values; the preview's
// refresh alone; and one undo.
//   QT_QPA_PLATFORM=offscreen build-dev/bench/bench_designer -median 21
#include "bundledsamples.h"
#include "designerwindow.h"
#include "outside/core/namespaces.h"
#include "paintwatcher.h"
#include "templatepreview.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

class BenchDesigner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true); // the setting below is the bench's own
        QVERIFY(m_dir.isValid());
        m_invoice = BundledSamples::install(m_dir.path());
        QVERIFY(!m_invoice.isEmpty());
    }

    void firstPaintedPreview_data()
    {
        QTest::addColumn<bool>("sampleData");
        QTest::newRow("expressions") << false;
        QTest::newRow("sample data") << true;
    }

    void firstPaintedPreview()
    {
        QFETCH(bool, sampleData);
        QSettings().setValue(QStringLiteral("designer/showSampleData"), sampleData);
        bool painted = true;
        QBENCHMARK
        {
            DesignerWindow window;
            painted = painted && window.preview()->showsSampleData() == sampleData;
            PaintWatcher watcher(window.preview());
            window.openTemplate(m_invoice);
            window.show();
            painted = painted && watcher.waitUntilPainted();
        }
        QVERIFY(painted);
    }

    // The preview alone: what every edit costs before painting.
    void previewRefresh_data()
    {
        QTest::addColumn<bool>("sampleData");
        QTest::addColumn<int>("lines"); // of the sample; 0: the bundled invoice's four
        QTest::addColumn<QString>("sort"); // of the line repeat
        QTest::newRow("expressions") << false << 0 << QString();
        QTest::newRow("sample data") << true << 0 << QString();
        QTest::newRow("sample data, 200 lines") << true << 200 << QString();
        QTest::newRow("sample data, 100000 lines") << true << 100000 << QString();
        QTest::newRow("sample data, 10000 lines sorted")
            << true << 10000 << QStringLiteral("s:amount dt:number or:descending co:upper-first");
    }

    void previewRefresh()
    {
        QFETCH(bool, sampleData);
        QFETCH(int, lines);
        QFETCH(QString, sort);
        const SmartPtr<TemplateDocument> document = TemplateDocument::load(m_invoice);
        if (lines > 0) {
            QFile sample(m_dir.filePath(QStringLiteral("lines.xml")));
            QVERIFY(sample.open(QIODevice::WriteOnly));
            QByteArray rows;
            for (int line = 0; line < lines; ++line) {
                rows += "<line sku='A-1'><description>Paper</description><amount>" +
                        QByteArray::number((line * 7919) % 10007) + ".90</amount></line>";
            }
            sample.write("<invoice><lines>" + rows + "</lines></invoice>");
            sample.close();
            document->bindSample(sample.fileName());
            QVERIFY(document->hasSampleData());
        }
        if (!sort.isEmpty()) {
            const std::vector<Xml::Node> repeat =
                document->root().find("//kmb:table-row-repeat", {{"kmb", Xml::Namespaces::KMB}});
            PropertyCollection properties;
            properties.addProperty(EditableProperty("sort", sort), true);
            document->applyProperties(TemplateDocument::pathOf(Xml::Element(repeat.front())), properties);
        }
        TemplatePreview preview;
        preview.setShowSampleData(sampleData);
        QBENCHMARK
        {
            preview.showDocument(document.get());
        }
        QVERIFY(preview.pageCount() >= 1);
    }

    void oneUndo_data() { firstPaintedPreview_data(); }

    void oneUndo()
    {
        QFETCH(bool, sampleData);
        QSettings().setValue(QStringLiteral("designer/showSampleData"), sampleData);
        DesignerWindow window;
        window.openTemplate(m_invoice);
        window.show();
        PaintWatcher watcher(window.preview());
        bool painted = true;
        QBENCHMARK
        {
            // Each round: an edit to undo (not timed apart), then its undo until painted.
            window.document()->applyProperties(window.document()->getSelectedObjectPath(),
                                               [] {
                                                   PropertyCollection colour;
                                                   colour.setProperty(EditableProperty("fo:color", "#aa0000"));
                                                   return colour;
                                               }());
            QCoreApplication::processEvents();
            watcher.reset();
            window.undoAction()->trigger();
            painted = painted && watcher.waitUntilPainted();
        }
        QVERIFY(painted);
    }

private:
    QTemporaryDir m_dir;
    QString m_invoice;
};

QTEST_MAIN(BenchDesigner)
#include "bench_designer.moc"
