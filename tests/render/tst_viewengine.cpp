// The view engine as a preview meets it: pages, geometry of laid-out boxes,
// errors, lazy pagination, images and barcodes.
#include "outside/core/coreexception.h"
#include "outside/render/viewengine.h"
#include "previewsamples.h"
#include "rendertestsupport.h"
#include "testregistry.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace RenderTest;
using Kind = ViewLayoutBox::Kind;

namespace {

bool near(double a, double b, double tolerance = 0.05)
{
    return std::abs(a - b) <= tolerance;
}

bool near(const QRectF& a, const QRectF& b)
{
    return near(a.left(), b.left()) && near(a.top(), b.top()) && near(a.width(), b.width()) &&
           near(a.height(), b.height());
}

QByteArray described(const QRectF& r)
{
    return u"%1,%2 %3x%4"_s.arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height()).toUtf8();
}

QString numberedBlocks(int count,
                       const QString& attributes = QStringLiteral("line-height=\"20px\""))
{
    QString flow;
    for (int i = 0; i < count; ++i) {
        flow += QStringLiteral("<fo:block %1>Block %2</fo:block>").arg(attributes).arg(i);
    }
    return flow;
}

} // namespace

class TestViewEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageSizeFollowsTheMaster_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QList<QSizeF>>("sizes"); // of every page
        // clang-format off
        const QString root = u"<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set>%1</fo:layout-master-set><fo:page-sequence master-reference=\"%2\"><fo:flow flow-name=\"xsl-region-body\">%3</fo:flow></fo:page-sequence></fo:root>"_s;
        const QString firstAndRest = u"<fo:simple-page-master master-name=\"first\" page-width=\"300px\" page-height=\"100px\"><fo:region-body/></fo:simple-page-master><fo:simple-page-master master-name=\"rest\" page-width=\"200px\" page-height=\"100px\"><fo:region-body/></fo:simple-page-master><fo:page-sequence-master master-name=\"set\"><fo:repeatable-page-master-alternatives><fo:conditional-page-master-reference master-reference=\"first\" page-position=\"first\"/><fo:conditional-page-master-reference master-reference=\"rest\"/></fo:repeatable-page-master-alternatives></fo:page-sequence-master>"_s;
        QTest::newRow("borders preview") << PreviewSamples::borders("", "", "") << QList<QSizeF>{{250, 265}};
        QTest::newRow("font preview") << PreviewSamples::font("") << QList<QSizeF>{{660, 120}};
        QTest::newRow("paragraph preview") << PreviewSamples::paragraph("") << QList<QSizeF>{{360, 120}};
        QTest::newRow("barcode preview") << PreviewSamples::barcode("Code128", "Hello World!") << QList<QSizeF>{{540, 200}};
        QTest::newRow("A4 in millimetres") << root.arg(u"<fo:simple-page-master master-name=\"a4\" page-width=\"210mm\" page-height=\"297mm\"><fo:region-body/></fo:simple-page-master>"_s, u"a4"_s, u"<fo:block>x</fo:block>"_s) << QList<QSizeF>{{210 / 25.4 * 96, 297 / 25.4 * 96}};
        QTest::newRow("sequence master: first and rest") << root.arg(firstAndRest, u"set"_s, numberedBlocks(12)) << QList<QSizeF>{{300, 100}, {200, 100}, {200, 100}};
        // clang-format on
    }
    void pageSizeFollowsTheMaster()
    {
        QFETCH(QString, markup);
        QFETCH(QList<QSizeF>, sizes);
        ViewEngine engine;
        engine.loadBuffer(markup);
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        QCOMPARE(engine.getPageCount(), int(sizes.size()));
        for (int page = 0; page < sizes.size(); ++page) {
            const QSizeF actual = engine.getPageSize(page);
            QVERIFY2(near(QRectF(QPointF(), actual), QRectF(QPointF(), sizes[page])),
                     described(QRectF(QPointF(), actual)));
        }
        QVERIFY(engine.getPageSize(int(sizes.size())).isEmpty());
    }

    void textSitsWhereTheLayoutPutsIt_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QSize>("pageSize");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("edge"); // left, right or centre; middle: vertical centre
        QTest::addColumn<double>("expected");
        // clang-format off
        const QSize page(400, 300);
        const QString margin = u"margin=\"10px\""_s;
        const auto placed = [](const QString& attributes) { return u"<fo:block %1>Placed</fo:block>"_s.arg(attributes); };
        const QString spaced = u"<fo:block space-before=\"30px\" line-height=\"20px\">A</fo:block><fo:block space-before=\"30px\" line-height=\"20px\">B</fo:block><fo:block margin-top=\"7px\" line-height=\"20px\">C</fo:block>"_s;
        const QString broken = u"<fo:block>One</fo:block><fo:block break-before=\"page\">Two</fo:block>"_s;
        const QString columns = u"column-count=\"2\" column-gap=\"20px\""_s;
        const QString list = u"<fo:list-block provisional-distance-between-starts=\"50px\"><fo:list-item><fo:list-item-label><fo:block line-height=\"20px\">1.</fo:block></fo:list-item-label><fo:list-item-body><fo:block line-height=\"20px\">First</fo:block></fo:list-item-body></fo:list-item><fo:list-item><fo:list-item-label><fo:block line-height=\"20px\">2.</fo:block></fo:list-item-label><fo:list-item-body><fo:block line-height=\"20px\">Second</fo:block></fo:list-item-body></fo:list-item></fo:list-block>"_s;
        const QString row = u"<fo:table><fo:table-body><fo:table-row display-align=\"center\"><fo:table-cell padding=\"2px\"><fo:block line-height=\"20px\">one</fo:block></fo:table-cell><fo:table-cell padding=\"2px\"><fo:block line-height=\"20px\">two</fo:block><fo:block line-height=\"20px\">lines</fo:block></fo:table-cell></fo:table-row></fo:table-body></fo:table>"_s;
        QString rows;
        for (int i = 0; i < 10; ++i) {
            rows += u"<fo:table-row><fo:table-cell><fo:block line-height=\"20px\">Row %1</fo:block></fo:table-cell></fo:table-row>"_s.arg(i);
        }
        const QString headed = u"<fo:table><fo:table-header><fo:table-row><fo:table-cell><fo:block line-height=\"20px\">Head</fo:block></fo:table-cell></fo:table-row></fo:table-header><fo:table-body>%1</fo:table-body></fo:table>"_s.arg(rows);
        QTest::newRow("start") << placed(u""_s) << page << margin << 1 << 0 << u"Placed"_s << u"left"_s << 10.0;
        QTest::newRow("center") << placed(u"text-align=\"center\""_s) << page << margin << 1 << 0 << u"Placed"_s << u"centre"_s << 200.0;
        QTest::newRow("end") << placed(u"text-align=\"end\""_s) << page << margin << 1 << 0 << u"Placed"_s << u"right"_s << 390.0;
        QTest::newRow("right") << placed(u"text-align=\"right\""_s) << page << margin << 1 << 0 << u"Placed"_s << u"right"_s << 390.0;
        QTest::newRow("start indent") << placed(u"start-indent=\"30px\""_s) << page << margin << 1 << 0 << u"Placed"_s << u"left"_s << 40.0;
        QTest::newRow("text indent") << placed(u"text-indent=\"25px\""_s) << page << margin << 1 << 0 << u"Placed"_s << u"left"_s << 35.0;
        QTest::newRow("margin and padding") << placed(u"margin-left=\"4px\" padding-left=\"6px\""_s) << page << margin << 1 << 0 << u"Placed"_s << u"left"_s << 20.0;
        QTest::newRow("two-value padding: the second is left and right") << placed(u"padding=\"4px 15px\""_s) << page << margin << 1 << 0 << u"Placed"_s << u"left"_s << 25.0;
        QTest::newRow("three-value padding: the second is left and right") << placed(u"padding=\"4px 15px 30px\""_s) << page << margin << 1 << 0 << u"Placed"_s << u"left"_s << 25.0;
        QTest::newRow("end indent, end aligned") << placed(u"end-indent=\"50px\" text-align=\"end\""_s) << page << margin << 1 << 0 << u"Placed"_s << u"right"_s << 340.0;
        // Longhands refine shorthands, and relative sides the absolute ones, whatever the order.
        QTest::newRow("side, all") << placed(u"padding-left='6px' padding='2px'"_s) << page << margin << 1 << 0 << u"Placed"_s << u"left"_s << 16.0;
        QTest::newRow("start side") << placed(u"padding-start='6px' padding-left='2px'"_s) << page << margin << 1 << 0 << u"Placed"_s << u"left"_s << 16.0;
        QTest::newRow("border") << placed(u"border-left='4px solid' border='1px'"_s) << page << margin << 1 << 0 << u"Placed"_s << u"left"_s << 14.0;
        QTest::newRow("space before dropped at the page top") << spaced << page << u""_s << 1 << 0 << u"A"_s << u"middle"_s << 10.0;
        QTest::newRow("space before between blocks") << spaced << page << u""_s << 1 << 0 << u"B"_s << u"middle"_s << 60.0;
        QTest::newRow("margin kept after a block") << spaced << page << u""_s << 1 << 0 << u"C"_s << u"middle"_s << 87.0;
        QTest::newRow("overflow: the last block that fits") << numberedBlocks(25) << QSize(200, 200) << u""_s << 3 << 0 << u"Block 9"_s << u"middle"_s << 190.0;
        QTest::newRow("overflow: the next page's top") << numberedBlocks(25) << QSize(200, 200) << u""_s << 3 << 1 << u"Block 10"_s << u"middle"_s << 10.0;
        QTest::newRow("overflow: the last page") << numberedBlocks(25) << QSize(200, 200) << u""_s << 3 << 2 << u"Block 24"_s << u"middle"_s << 90.0;
        QTest::newRow("break before page") << broken << page << u""_s << 2 << 1 << u"Two"_s << u"left"_s << 0.0;
        QTest::newRow("first column") << numberedBlocks(10) << QSize(200, 100) << columns << 1 << 0 << u"Block 4"_s << u"left"_s << 0.0;
        QTest::newRow("second column, left") << numberedBlocks(10) << QSize(200, 100) << columns << 1 << 0 << u"Block 5"_s << u"left"_s << 110.0;
        QTest::newRow("second column, top") << numberedBlocks(10) << QSize(200, 100) << columns << 1 << 0 << u"Block 5"_s << u"middle"_s << 10.0;
        QTest::newRow("list label") << list << page << u""_s << 1 << 0 << u"1."_s << u"left"_s << 0.0;
        QTest::newRow("list body") << list << page << u""_s << 1 << 0 << u"First"_s << u"left"_s << 50.0;
        QTest::newRow("list item below the first") << list << page << u""_s << 1 << 0 << u"Second"_s << u"middle"_s << 30.0;
        QTest::newRow("row of the tallest cell, short cell centred") << row << page << u""_s << 1 << 0 << u"one"_s << u"middle"_s << 22.0;
        QTest::newRow("row of the tallest cell, tall cell") << row << page << u""_s << 1 << 0 << u"two"_s << u"middle"_s << 12.0;
        QTest::newRow("table header") << headed << QSize(200, 100) << u""_s << 3 << 0 << u"Head"_s << u"middle"_s << 10.0;
        QTest::newRow("table header repeated") << headed << QSize(200, 100) << u""_s << 3 << 1 << u"Head"_s << u"middle"_s << 10.0;
        QTest::newRow("table header on the last page") << headed << QSize(200, 100) << u""_s << 3 << 2 << u"Head"_s << u"middle"_s << 10.0;
        QTest::newRow("rows below the repeated header") << headed << QSize(200, 100) << u""_s << 3 << 1 << u"Row 4"_s << u"middle"_s << 30.0;
        // clang-format on
    }
    void textSitsWhereTheLayoutPutsIt()
    {
        QFETCH(QString, flow);
        QFETCH(QSize, pageSize);
        QFETCH(QString, body);
        QFETCH(int, pages);
        QFETCH(int, page);
        QFETCH(QString, text);
        QFETCH(QString, edge);
        QFETCH(double, expected);
        ViewEngine engine;
        engine.loadBuffer(document(flow, pageSize.width(), pageSize.height(), body));
        QCOMPARE(engine.getPageCount(), pages);
        const QRectF r = textBox(engine, page, text).rect;
        QVERIFY2(!r.isEmpty(), "not on that page");
        const double actual = edge == u"left"     ? r.left()
                              : edge == u"right"  ? r.right()
                              : edge == u"centre" ? r.center().x()
                                                  : r.center().y();
        QVERIFY2(near(actual, expected, 0.5), qPrintable(QString::number(actual)));
    }

    void justifiedLinesReachTheEndExceptTheLast()
    {
        ViewEngine engine;
        engine.loadBuffer(document(QStringLiteral("<fo:block text-align=\"justify\">%1</fo:block>")
                                       .arg(QStringLiteral("several short words ").repeated(12)),
                                   200, 600));
        const auto texts = boxesOf(engine, 0, Kind::Text);
        QVERIFY(texts.size() >= 3);
        for (size_t i = 0; i + 1 < texts.size(); ++i) {
            QVERIFY2(near(texts[i].rect.left(), 0, 0.01), "every line starts at the start edge");
            QVERIFY2(near(texts[i].rect.right(), 200, 0.5),
                     qPrintable(QString::number(texts[i].rect.right())));
        }
        QVERIFY(texts.back().rect.right() < 199);
    }

    void longTextWrapsWithinTheWidth()
    {
        ViewEngine engine;
        engine.loadBuffer(document(
            QStringLiteral("<fo:block line-height=\"20px\">%1 Unbreakableverylongwordthatcannotfit"
                           "</fo:block>")
                .arg(QStringLiteral("word ").repeated(30)),
            120, 600));
        const auto texts = boxesOf(engine, 0, Kind::Text);
        QVERIFY(texts.size() > 5);
        double top = -1;
        for (const ViewLayoutBox& t : texts) {
            QVERIFY2(t.rect.right() <= 120.5, qPrintable(t.text.toQString()));
            QVERIFY(t.rect.top() > top);
            top = t.rect.top();
        }
    }

    void firstPageOfAHugeDocumentNeedsNoFullLayout()
    {
        ViewEngine engine;
        engine.loadBuffer(document(numberedBlocks(20000), 200, 200));
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        QVERIFY(engine.hasPage(0));
        QCOMPARE(engine.getLaidOutPageCount(), 1);
        QVERIFY(!textBox(engine, 0, "Block 0").text.isEmpty());
        QCOMPARE(engine.getLaidOutPageCount(), 1);
        QCOMPARE(engine.getPageCount(), 2000);
        QCOMPARE(engine.getLaidOutPageCount(), 2000);
    }

    void badMarkupGivesErrorStatusAndText_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("not well-formed") << u"<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:block>"_s << u"line 1"_s;
        QTest::newRow("no page sequence") << u"<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set/></fo:root>"_s << u"page-sequence"_s;
        QTest::newRow("unknown master") << "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:page-sequence master-reference=\"x\"><fo:flow/></fo:page-sequence></fo:root>" << "\"x\"";
        // clang-format on
    }
    void badMarkupGivesErrorStatusAndText()
    {
        QFETCH(QString, markup);
        QFETCH(QString, message);
        ViewEngine engine;
        engine.loadBuffer(document("<fo:block>before</fo:block>"));
        QVERIFY(engine.hasPage(0));
        RecordingMonitor monitor;
        engine.loadBuffer(markup, "", &monitor);
        QCOMPARE(engine.getStatus(), 4);
        QVERIFY2(engine.getLastError().toQString().contains(message),
                 qPrintable(engine.getLastError().toQString()));
        QCOMPARE(monitor.begins, 1);
        QCOMPARE(monitor.ends, 1);
        QCOMPARE(engine.getPageCount(), 0);
        QVERIFY(!engine.hasPage(0));
        QVERIFY(engine.getPageBoxes(0).empty());
    }

    void unknownElementsAndPropertiesAreSkipped()
    {
        ViewEngine engine;
        engine.loadBuffer(document(QStringLiteral(
            "<fo:block border-style=\"wiggly\" frobnicate=\"3\" color=\"nonsense\">Kept "
            "<x:thing xmlns:x=\"urn:x\">inner text</x:thing> "
            "<kmb:field kmb:xpath=\"/order/name\"/> <km:object-3d/></fo:block>"
            "<fo:float><fo:block>floated</fo:block></fo:float>")));
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        const QString all = pageText(engine, 0);
        QVERIFY2(all.contains("Kept inner text [/order/name] [object-3d]"), qPrintable(all));
        QVERIFY(all.contains("floated"));
    }

    void unreadableImageLeavesAnEmptyBox()
    {
        ViewEngine engine;
        engine.loadBuffer(
            document(QStringLiteral("<fo:block line-height=\"10px\"><fo:external-graphic "
                                    "src=\"url(/nonexistent/picture.png)\" width=\"40px\" "
                                    "height=\"30px\"/>after</fo:block>")));
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        const auto images = boxesOf(engine, 0, Kind::Image);
        QCOMPARE(int(images.size()), 1);
        QCOMPARE(images[0].rect.size(), QSizeF(40, 30));
        QVERIFY(textBox(engine, 0, "after").rect.left() >= 40);
        const QImage page = renderPage(engine);
        QCOMPARE(inkIn(page, images[0].rect.toRect()), 0);
    }

    void rasterImageTakesItsSizeAndPaints()
    {
        QTemporaryDir dir;
        QImage red(20, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath("red.png")));
        ViewEngine engine;
        // A relative path starts from the base path.
        engine.loadBuffer(document(QStringLiteral(
                              "<fo:block><fo:external-graphic src=\"url('red.png')\"/></fo:block>"
                              "<fo:block><fo:external-graphic src=\"red.png\" "
                              "content-width=\"40px\"/></fo:block>")),
                          dir.path());
        const auto images = boxesOf(engine, 0, Kind::Image);
        QCOMPARE(int(images.size()), 2);
        QCOMPARE(images[0].rect.size(), QSizeF(20, 10));
        QCOMPARE(images[1].rect.size(), QSizeF(40, 20));
        const QImage page = renderPage(engine);
        const QPoint centre = images[0].rect.center().toPoint();
        QCOMPARE(page.pixelColor(centre), QColor(Qt::red));
    }

    void badBarcodeValueRaisesZintsMessage()
    {
        ViewEngine engine;
        RecordingMonitor monitor;
        try {
            engine.loadBuffer(PreviewSamples::barcode("EAN-13", "abc"), "", &monitor);
            QFAIL("an EAN-13 of letters was accepted");
        } catch (const Core::Exception& e) {
            QVERIFY2(e.getMessage().contains("Invalid character"),
                     qPrintable(e.getMessage().toQString()));
        }
        QCOMPARE(monitor.ends, 1);
        QCOMPARE(engine.getStatus(), 4);
        QVERIFY(!engine.getLastError().isEmpty());
        QVERIFY_THROWS_EXCEPTION(Core::Exception,
                                 engine.loadBuffer(PreviewSamples::barcode("Code128", "")));
        QVERIFY_THROWS_EXCEPTION(Core::Exception, engine.loadBuffer(PreviewSamples::barcode(
                                                      "Pdf417", "4G", true, 0, true)));
    }

    void everySymbologyDrawsItsDefaultValue_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("value");
        for (const auto& c : PreviewSamples::barcodeCases) {
            // clang-format off
            QTest::newRow(c.keyword) << QString::fromLatin1(c.keyword) << QString::fromLatin1(c.value);
            // clang-format on
        }
    }
    void everySymbologyDrawsItsDefaultValue()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, value);
        ViewEngine engine;
        engine.loadBuffer(PreviewSamples::barcode(keyword, value));
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        const auto codes = boxesOf(engine, 0, Kind::Barcode);
        QCOMPARE(int(codes.size()), 1);
        const QRectF r = codes[0].rect;
        // Within the padded block, no higher than the 175 pixels asked for.
        QVERIFY2(r.width() > 10 && r.height() > 10 && r.left() >= 9.99 && r.right() <= 530.01 &&
                     r.height() <= 175.01,
                 described(r));
        QVERIFY(inkIn(renderPage(engine), r.toRect()) > 50);
    }

    void rotatedBarcodeTurnsItsShape()
    {
        ViewEngine upright;
        upright.loadBuffer(PreviewSamples::barcode("Code128", "Hello World!", true, 0));
        ViewEngine turned;
        turned.loadBuffer(PreviewSamples::barcode("Code128", "Hello World!", true, 90));
        const QRectF a = boxesOf(upright, 0, Kind::Barcode).at(0).rect;
        const QRectF b = boxesOf(turned, 0, Kind::Barcode).at(0).rect;
        QVERIFY(a.width() > a.height());
        QVERIFY(b.height() > b.width());
    }

    void tableColumnsShareTheWidth_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QList<double>>("lefts");
        QTest::addColumn<QList<double>>("widths");
        const QString cells =
            QStringLiteral("<fo:table-body><fo:table-row><fo:table-cell><fo:block>a</fo:block>"
                           "</fo:table-cell><fo:table-cell><fo:block>b</fo:block></fo:table-cell>"
                           "<fo:table-cell><fo:block>c</fo:block></fo:table-cell></fo:table-row>"
                           "</fo:table-body></fo:table>");
        // clang-format off
        QTest::newRow("fixed and proportional") << QStringLiteral("<fo:table><fo:table-column column-width=\"100px\"/><fo:table-column column-width=\"proportional-column-width(1)\"/><fo:table-column column-width=\"proportional-column-width(3)\"/>") + cells << QList<double>{0, 100, 175} << QList<double>{100, 75, 225};
        QTest::newRow("no columns given") << u"<fo:table>"_s + cells << QList<double>{0, 400.0 / 3, 800.0 / 3} << QList<double>{400.0 / 3, 400.0 / 3, 400.0 / 3};
        QTest::newRow("separate with spacing") << u"<fo:table border-collapse=\"separate\" border-spacing=\"4px\">"_s + cells << QList<double>{4, 136, 268} << QList<double>{128, 128, 128};
        QTest::newRow("percent width") << u"<fo:table width=\"50%\">"_s + cells << QList<double>{0, 200.0 / 3, 400.0 / 3} << QList<double>{200.0 / 3, 200.0 / 3, 200.0 / 3};
        // clang-format on
    }
    void tableColumnsShareTheWidth()
    {
        QFETCH(QString, table);
        QFETCH(QList<double>, lefts);
        QFETCH(QList<double>, widths);
        ViewEngine engine;
        engine.loadBuffer(document(table));
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        const auto cells = boxesOf(engine, 0, Kind::TableCell);
        QCOMPARE(int(cells.size()), 3);
        for (int i = 0; i < 3; ++i) {
            const QRectF r = cells[size_t(i)].rect;
            QVERIFY2(near(r, QRectF(lefts[i], r.top(), widths[i], r.height())), described(r));
        }
    }

    void spannedCellsCoverTheirColumnsAndRows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRectF>("cell");
        const double w = 400.0 / 3;
        // clang-format off
        QTest::newRow("two columns") << u"A"_s << QRectF(0, 0, 2 * w, 20);
        QTest::newRow("after two columns") << u"B"_s << QRectF(2 * w, 0, w, 20);
        QTest::newRow("two rows") << u"C"_s << QRectF(0, 20, w, 40);
        QTest::newRow("beside two rows") << u"D"_s << QRectF(w, 20, w, 20);
        QTest::newRow("below, beside two rows") << u"F"_s << QRectF(w, 40, w, 20);
        QTest::newRow("last of the row below") << u"G"_s << QRectF(2 * w, 40, w, 20);
        // clang-format on
    }
    void spannedCellsCoverTheirColumnsAndRows()
    {
        QFETCH(QString, text);
        QFETCH(QRectF, cell);
        const auto td = [](const char* content, const char* span = "") {
            return QStringLiteral("<fo:table-cell %1><fo:block line-height=\"20px\">%2</fo:block>"
                                  "</fo:table-cell>")
                .arg(QLatin1String(span), QLatin1String(content));
        };
        const QString column =
            u"<fo:table-column column-width=\"proportional-column-width(1)\"/>"_s;
        ViewEngine engine;
        engine.loadBuffer(
            document(u"<fo:table>"_s + column.repeated(3) + u"<fo:table-body><fo:table-row>"_s +
                     td("A", "number-columns-spanned=\"2\"") + td("B") +
                     u"</fo:table-row><fo:table-row>"_s + td("C", "number-rows-spanned=\"2\"") +
                     td("D") + td("E") + u"</fo:table-row><fo:table-row>"_s + td("F") + td("G") +
                     u"</fo:table-row></fo:table-body></fo:table>"_s));
        const QPointF inside = textBox(engine, 0, text).rect.center();
        const auto cells = boxesOf(engine, 0, Kind::TableCell);
        const auto found = std::find_if(cells.begin(), cells.end(), [&](const ViewLayoutBox& b) {
            return b.rect.contains(inside);
        });
        QVERIFY(found != cells.end());
        QVERIFY2(near(found->rect, cell), described(found->rect));
    }

    void whiteSpaceFollowsItsProperties_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        // clang-format off
        QTest::newRow("blanks and line breaks collapse") << u""_s << u"  a \t b\n  c  "_s << u"a b c"_s << 1;
        QTest::newRow("line breaks kept") << u"linefeed-treatment=\"preserve\""_s << u"a\nb\nc"_s << u"abc"_s << 3;
        QTest::newRow("blanks kept") << u"white-space-collapse=\"false\""_s << u"a   b"_s << u"a   b"_s << 1;
        QTest::newRow("pre keeps both") << u"white-space=\"pre\""_s << u"a  b\nc"_s << u"a  bc"_s << 2;
        // clang-format on
    }
    void whiteSpaceFollowsItsProperties()
    {
        QFETCH(QString, attributes);
        QFETCH(QString, content);
        QFETCH(QString, text);
        QFETCH(int, lines);
        ViewEngine engine;
        engine.loadBuffer(document(u"<fo:block %1>%2</fo:block>"_s.arg(attributes, content)));
        QCOMPARE(pageText(engine, 0), text);
        QSet<int> tops;
        for (const ViewLayoutBox& box : boxesOf(engine, 0, Kind::Text)) {
            tops.insert(qRound(box.rect.top()));
        }
        QCOMPARE(int(tops.size()), lines);
    }

    void collapsedBordersPaintOnTheGridLines()
    {
        ViewEngine engine;
        engine.loadBuffer(
            document(QStringLiteral(
                         "<fo:table border=\"4px solid rgb(255,0,0)\"><fo:table-body><fo:table-row>"
                         "<fo:table-cell border=\"2px solid rgb(0,0,255)\"><fo:block "
                         "line-height=\"40px\">a</fo:block>"
                         "</fo:table-cell><fo:table-cell><fo:block>b</fo:block></fo:table-cell>"
                         "</fo:table-row></fo:table-body></fo:table>"),
                     400, 300, QStringLiteral("margin=\"10px\"")));
        const QImage page = renderPage(engine);
        // The wider table border wins on the outside, the cell's own between the cells.
        QCOMPARE(page.pixelColor(11, 30), QColor(255, 0, 0));
        QCOMPARE(page.pixelColor(200, 30), QColor(0, 0, 255));
        QCOMPARE(page.pixelColor(100, 30), QColor(Qt::white));
    }

    void borderedInlineWrapsItsText()
    {
        ViewEngine engine;
        engine.loadBuffer(document(
            QStringLiteral("<fo:block>ab <fo:inline border=\"2px solid red\" padding=\"3px\">"
                           "cd</fo:inline> ef</fo:block>")));
        const auto inlines = boxesOf(engine, 0, Kind::Inline);
        QCOMPARE(int(inlines.size()), 1);
        const QRectF cd = textBox(engine, 0, "cd").rect;
        QVERIFY(near(inlines[0].rect.left(), cd.left() - 5));
        QVERIFY(near(inlines[0].rect.right(), cd.right() + 5));
        QVERIFY(inlines[0].rect.top() < cd.top() && inlines[0].rect.bottom() > cd.bottom());
        QVERIFY(textBox(engine, 0, "ef").rect.left() >= inlines[0].rect.right());
    }

    void regionsOfThePageLayout()
    {
        ViewEngine engine;
        engine.loadBuffer(PreviewSamples::pageLayout());
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        QMap<QString, QRectF> regions;
        for (const ViewLayoutBox& r : boxesOf(engine, 0, Kind::Region)) {
            regions.insert(r.text.toQString(), r.rect);
        }
        QCOMPARE(regions.size(), 5);
        QCOMPARE(regions.value("xsl-region-body"), QRectF(50, 60, 200, 290));
        // The header has precedence and spans the page; the footer does not.
        QCOMPARE(regions.value("xsl-region-before"), QRectF(10, 10, 280, 40));
        QCOMPARE(regions.value("xsl-region-after"), QRectF(40, 360, 220, 30));
        QCOMPARE(regions.value("xsl-region-start"), QRectF(10, 50, 30, 340));
        QCOMPARE(regions.value("xsl-region-end"), QRectF(260, 50, 30, 340));
        QVERIFY(
            regions.value("xsl-region-after").contains(textBox(engine, 0, "Page").rect.center()));
        QVERIFY(!textBox(engine, 0, "1").text.isEmpty());
    }

    void pageNumbersCountThePages_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("starts"); // how the text of the first pages starts
        // clang-format off
        const QString root = u"<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set><fo:simple-page-master master-name=\"p\" page-width=\"200px\" page-height=\"%1\">%2</fo:simple-page-master></fo:layout-master-set>%3</fo:root>"_s;
        // A page number and the number of pages, the last page of the sequence, as its format asks.
        const auto numbered = [&](const QString& format, int initial) { return root.arg(u"100px"_s, u"<fo:region-body margin-top=\"20px\"/><fo:region-before extent=\"20px\"/>"_s, u"<fo:page-sequence id=\"s\" master-reference=\"p\" initial-page-number=\"%1\" %2><fo:static-content flow-name=\"xsl-region-before\"><fo:block>No <fo:page-number/> of <fo:page-number-citation-last ref-id=\"s\"/></fo:block></fo:static-content><fo:flow flow-name=\"xsl-region-body\">%3</fo:flow></fo:page-sequence>"_s.arg(initial).arg(format.isEmpty() ? QString() : u"format=\"%1\""_s.arg(format), numberedBlocks(6))); };
        // A citation of a later sequence shows its first and last page as that sequence writes them.
        const QString sequence = u"<fo:page-sequence id=\"%1\" master-reference=\"p\" format=\"%2\"><fo:flow flow-name=\"xsl-region-body\">%3</fo:flow></fo:page-sequence>"_s;
        const auto cited = [&](const QString& format) { return root.arg(u"80px"_s, u"<fo:region-body/>"_s, sequence.arg(u"a"_s, u"1"_s, u"<fo:block>See <fo:page-number-citation ref-id=\"b\"/> to <fo:page-number-citation-last ref-id=\"b\"/></fo:block>"_s) + sequence.arg(u"b"_s, format, numberedBlocks(6))); };
        QTest::newRow("decimal") << numbered(QString(), 7) << 2 << QStringList{u"No 7 of 8"_s, u"No 8 of 8"_s};
        QTest::newRow("padded") << numbered(u"001"_s, 7) << 2 << QStringList{u"No 007 of 008"_s, u"No 008 of 008"_s};
        QTest::newRow("roman") << numbered(u"i"_s, 3) << 2 << QStringList{u"No iii of iv"_s, u"No iv of iv"_s};
        QTest::newRow("upper roman") << numbered(u"I"_s, 8) << 2 << QStringList{u"No VIII of IX"_s, u"No IX of IX"_s};
        QTest::newRow("letters") << numbered(u"A"_s, 26) << 2 << QStringList{u"No Z of AA"_s, u"No AA of AA"_s};
        QTest::newRow("another sequence, decimal") << cited(u"1"_s) << 3 << QStringList{u"See 2 to 3"_s};
        QTest::newRow("another sequence, roman") << cited(u"i"_s) << 3 << QStringList{u"See ii to iii"_s};
        QTest::newRow("another sequence, letters") << cited(u"A"_s) << 3 << QStringList{u"See B to C"_s};
        // clang-format on
    }
    void pageNumbersCountThePages()
    {
        QFETCH(QString, markup);
        QFETCH(int, pages);
        QFETCH(QStringList, starts);
        ViewEngine engine;
        engine.loadBuffer(markup);
        QCOMPARE(engine.getPageCount(), pages);
        for (int page = 0; page < starts.size(); ++page) {
            QVERIFY2(pageText(engine, page).startsWith(starts[page]),
                     qPrintable(pageText(engine, page)));
        }
    }
};

UIEDITOR_TEST_CLASS(TestViewEngine)
#include "tst_viewengine.moc"
