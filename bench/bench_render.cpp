// The preview path of the formatting dialogs: load, lay out and paint page 0
// of a preview document into a 250 x 265 image, as StaticPreview does on
// every change. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_render -median 15
// And a long document: its first page painted, then all 500 pages laid out,
// with the memory the engine holds for them.
#include "outside/render/viewengine.h"
#include "previewsamples.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

/// A report of about 500 A4 pages: a running header and "page x of y"
/// footer, sections of justified paragraphs, and a table per section.
QString longDocument(bool citesLastPage)
{
    QString flow;
    const QString paragraph = QStringLiteral(
        "<fo:block text-align=\"justify\" space-after=\"6pt\">%1 Lorem ipsum dolor sit amet, "
        "consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. "
        "Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea "
        "commodo consequat. Duis aute irure dolor in reprehenderit in voluptate velit esse cillum "
        "dolore eu fugiat nulla pariatur.</fo:block>");
    for (int section = 1; section <= 580; ++section) {
        flow += QStringLiteral("<fo:block font-size=\"14pt\" font-weight=\"bold\" keep-with-next=\"always\">"
                               "<fo:marker marker-class-name=\"s\">Section %1</fo:marker>Section %1</fo:block>")
                    .arg(section);
        for (int p = 0; p < 8; ++p) {
            flow += paragraph.arg(section * 10 + p);
        }
        flow += QStringLiteral("<fo:table><fo:table-body>");
        for (int row = 0; row < 6; ++row) {
            flow += QStringLiteral("<fo:table-row><fo:table-cell border=\"0.5pt solid\"><fo:block>Item %1</fo:block>"
                                   "</fo:table-cell><fo:table-cell border=\"0.5pt solid\"><fo:block text-align=\"end\">"
                                   "%2.00</fo:block></fo:table-cell></fo:table-row>")
                        .arg(row)
                        .arg(row * 17);
        }
        flow += QStringLiteral("</fo:table-body></fo:table>");
    }
    return QStringLiteral(
               "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" font-family=\"Times\" font-size=\"11pt\">"
               "<fo:layout-master-set><fo:simple-page-master master-name=\"a4\" page-width=\"210mm\" "
               "page-height=\"297mm\" margin=\"15mm\"><fo:region-body margin-top=\"15mm\" margin-bottom=\"15mm\"/>"
               "<fo:region-before extent=\"10mm\"/><fo:region-after extent=\"10mm\"/></fo:simple-page-master>"
               "</fo:layout-master-set><fo:page-sequence master-reference=\"a4\">"
               "<fo:static-content flow-name=\"xsl-region-before\"><fo:block><fo:retrieve-marker "
               "retrieve-class-name=\"s\"/></fo:block></fo:static-content>"
               "<fo:static-content flow-name=\"xsl-region-after\"><fo:block text-align=\"center\">Page "
               "<fo:page-number/>%2</fo:block></fo:static-content>"
               "<fo:flow flow-name=\"xsl-region-body\">%1<fo:block id=\"end\"/></fo:flow></fo:page-sequence></fo:root>")
        .arg(flow, citesLastPage ? QStringLiteral(" of <fo:page-number-citation ref-id=\"end\"/>") : QString());
}

/// Resident memory of this process in kilobytes.
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

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

    // Lazy layout: the first page shows before the rest is laid out, unless
    // it cites the last page ("page x of y"), which needs them all. The
    // memory is what the first run holds; later runs reuse what it freed.
    void longDocument_data()
    {
        QTest::addColumn<bool>("citesLastPage");
        QTest::newRow("page x") << false;
        QTest::newRow("page x of y") << true;
    }
    void longDocument()
    {
        QFETCH(bool, citesLastPage);
        const QString markup = ::longDocument(citesLastPage);
        QImage image(794, 1123, QImage::Format_ARGB32_Premultiplied);
        for (int run = 0; run < 3; ++run) {
            const long before = residentKilobytes();
            QElapsedTimer timer;
            timer.start();
            ViewEngine engine;
            engine.loadBuffer(markup);
            const qint64 loaded = timer.elapsed();
            QPainter painter(&image);
            engine.renderPageStaticPreviewMode(painter, 0);
            painter.end();
            const qint64 firstPage = timer.elapsed();
            const int pages = engine.getPageCount();
            const qint64 allPages = timer.elapsed();
            QVERIFY2(pages >= 480, qPrintable(QString::number(pages)));
            qInfo("%d pages: loaded in %lld ms, first page painted in %lld ms, all laid out in %lld ms, %ld MB held",
                  pages, loaded, firstPage, allPages, (residentKilobytes() - before) / 1024);
        }
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
