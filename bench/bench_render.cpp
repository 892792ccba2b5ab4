// The preview path of the formatting dialogs: load, lay out and paint page 0
// of a preview document into a 250 x 265 image, as StaticPreview does on
// every change. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_render -median 15
#include "outside/render/viewengine.h"
#include "previewsamples.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

QString invoicePage()
{
    QFile file(QStringLiteral(UIEDITOR_SAMPLES_DIR "/invoice-template.fo"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class BenchRender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadLayOutAndPaint_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::newRow("borders preview") << PreviewSamples::borders(
            "",
            "fo:border-style=\"solid\" fo:border-width=\"1px\" fo:border-color=\"red\" "
            "fo:padding-left=\"4px\" fo:background-color=\"rgb(255,255,204)\"",
            "");
        QTest::newRow("3x3 table preview") << PreviewSamples::table();
        QTest::newRow("page layout preview") << PreviewSamples::pageLayout();
        QTest::newRow("page layout, body turned and centred") << PreviewSamples::pageLayout(
            "reference-orientation=\"90\" display-align=\"center\"", 2);
        QTest::newRow("areas sample") << PreviewSamples::areas();
        QTest::newRow("paragraph preview") << PreviewSamples::paragraph(
            "fo:text-align=\"justify\" fo:text-indent=\"30px\"", QStringLiteral("Sample "));
        // The designer's sample template: one A4 page, painted to fit the image.
        QTest::newRow("invoice page") << invoicePage();
    }
    void loadLayOutAndPaint()
    {
        QFETCH(QString, markup);
        QImage image(250, 265, QImage::Format_ARGB32_Premultiplied);
        int pages = 0;
        QBENCHMARK
        {
            ViewEngine engine;
            engine.loadBuffer(markup);
            image.fill(Qt::white);
            QPainter painter(&image);
            if (engine.hasPage(0)) {
                const QSizeF page = engine.getPageSize(0);
                const double scale =
                    std::min(image.width() / page.width(), image.height() / page.height());
                painter.scale(std::min(1.0, scale), std::min(1.0, scale));
                engine.renderPageStaticPreviewMode(painter, 0);
                ++pages;
            }
        }
        QVERIFY(pages > 0);
    }

    void layOutOnly()
    {
        const QString markup = PreviewSamples::table();
        int boxes = 0;
        QBENCHMARK
        {
            ViewEngine engine;
            engine.loadBuffer(markup);
            boxes += int(engine.getPageBoxes(0).size());
        }
        QVERIFY(boxes > 0);
    }
};

QTEST_MAIN(BenchRender)
#include "bench_render.moc"
