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
using namespace Qt::StringLiterals;

namespace {

bool near(double a, double b, double tolerance = 0.05)
{
    return std::abs(a - b) <= tolerance;
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
        QTest::addColumn<QSizeF>("size");
        // clang-format off
        QTest::newRow("borders preview") << PreviewSamples::borders("", "", "") << QSizeF(250, 265);
        QTest::newRow("font preview") << PreviewSamples::font("") << QSizeF(660, 120);
        QTest::newRow("paragraph preview") << PreviewSamples::paragraph("") << QSizeF(360, 120);
        QTest::newRow("barcode preview") << PreviewSamples::barcode("Code128", "Hello World!") << QSizeF(540, 200);
        QTest::newRow("A4 in millimetres") << QStringLiteral("<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set><fo:simple-page-master master-name=\"a4\" page-width=\"210mm\" page-height=\"297mm\"><fo:region-body/></fo:simple-page-master></fo:layout-master-set><fo:page-sequence master-reference=\"a4\"><fo:flow flow-name=\"xsl-region-body\"><fo:block>x</fo:block></fo:flow></fo:page-sequence></fo:root>") << QSizeF(210 / 25.4 * 96, 297 / 25.4 * 96);
        // clang-format on
    }
    void pageSizeFollowsTheMaster()
    {
        QFETCH(QString, markup);
        QFETCH(QSizeF, size);
        ViewEngine engine;
        engine.loadBuffer(markup);
        QCOMPARE(engine.getStatus(), int(ViewEngine::StatusReady));
        QCOMPARE(engine.getPageCount(), 1);
        const QSizeF actual = engine.getPageSize(0);
        QVERIFY2(near(actual.width(), size.width(), 0.01) &&
                     near(actual.height(), size.height(), 0.01),
                 qPrintable(QStringLiteral("%1 x %2").arg(actual.width()).arg(actual.height())));
        QVERIFY(engine.getPageSize(1).isEmpty());
    }

    void spaceBeforeIsDroppedAtThePageTopButMarginsStay()
    {
        ViewEngine engine;
        engine.loadBuffer(document(
            QStringLiteral("<fo:block space-before=\"30px\" line-height=\"20px\">A</fo:block>"
                           "<fo:block space-before=\"30px\" line-height=\"20px\">B</fo:block>"
                           "<fo:block margin-top=\"7px\" line-height=\"20px\">C</fo:block>")));
        QVERIFY(near(textBox(engine, 0, "A").rect.center().y(), 10));
        QVERIFY(near(textBox(engine, 0, "B").rect.center().y(), 60));
        QVERIFY(near(textBox(engine, 0, "C").rect.center().y(), 87));
    }

    void horizontalPlacement_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QString>("edge");
        QTest::addColumn<double>("expected");
        // clang-format off
        QTest::newRow("start") << u""_s << u"left"_s << 10.0;
        QTest::newRow("center") << u"text-align=\"center\""_s << u"center"_s << 200.0;
        QTest::newRow("end") << u"text-align=\"end\""_s << u"right"_s << 390.0;
        QTest::newRow("right") << u"text-align=\"right\""_s << u"right"_s << 390.0;
        QTest::newRow("start indent") << u"start-indent=\"30px\""_s << u"left"_s << 40.0;
        QTest::newRow("text indent") << u"text-indent=\"25px\""_s << u"left"_s << 35.0;
        QTest::newRow("margin and padding") << u"margin-left=\"4px\" padding-left=\"6px\""_s << u"left"_s << 20.0;
        QTest::newRow("two-value padding: the second is left and right") << u"padding=\"4px 15px\""_s << u"left"_s << 25.0;
        QTest::newRow("three-value padding: the second is left and right") << u"padding=\"4px 15px 30px\""_s << u"left"_s << 25.0;
        QTest::newRow("end indent, end aligned") << u"end-indent=\"50px\" text-align=\"end\""_s << u"right"_s << 340.0;
        // Longhands refine shorthands, and relative sides the absolute ones, whatever the order.
        QTest::newRow("side, all") << u"padding-left='6px' padding='2px'"_s << u"left"_s << 16.0;
        QTest::newRow("start side") << u"padding-start='6px' padding-left='2px'"_s << u"left"_s << 16.0;
        QTest::newRow("border") << u"border-left='4px solid' border='1px'"_s << u"left"_s << 14.0;
        // clang-format on
    }
    void horizontalPlacement()
    {
        QFETCH(QString, attributes);
        QFETCH(QString, edge);
        QFETCH(double, expected);
        ViewEngine engine;
        engine.loadBuffer(document(QStringLiteral("<fo:block %1>Placed</fo:block>").arg(attributes),
                                   400, 300, QStringLiteral("margin=\"10px\"")));
        const QRectF r = textBox(engine, 0, "Placed").rect;
        QVERIFY(!r.isEmpty());
        const double actual = edge == "left"    ? r.left()
                              : edge == "right" ? r.right()
                                                : r.center().x();
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

    void overflowMakesMorePages()
    {
        ViewEngine engine;
        engine.loadBuffer(document(numberedBlocks(25), 200, 200));
        QCOMPARE(engine.getPageCount(), 3);
        QVERIFY(!textBox(engine, 0, "Block 9").text.isEmpty());
        QVERIFY(textBox(engine, 0, "Block 10").text.isEmpty());
        QVERIFY(near(textBox(engine, 1, "Block 10").rect.center().y(), 10));
        QVERIFY(!textBox(engine, 2, "Block 24").text.isEmpty());
    }

    void breakBeforePageStartsANewPage()
    {
        ViewEngine engine;
        engine.loadBuffer(document(QStringLiteral(
            "<fo:block>One</fo:block><fo:block break-before=\"page\">Two</fo:block>")));
        QCOMPARE(engine.getPageCount(), 2);
        QVERIFY(!textBox(engine, 1, "Two").text.isEmpty());
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
        QVERIFY2(r.width() > 10 && r.height() > 10,
                 qPrintable(QStringLiteral("%1x%2").arg(r.width()).arg(r.height())));
        QVERIFY(r.left() >= 10 - 0.01 && r.right() <= 530 + 0.01);
        QVERIFY(r.height() <= 175.01);
        const QImage page = renderPage(engine);
        QVERIFY(inkIn(page, r.toRect()) > 50);
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
            QVERIFY2(near(cells[size_t(i)].rect.left(), lefts[i], 0.01) &&
                         near(cells[size_t(i)].rect.width(), widths[i], 0.01),
                     qPrintable(QStringLiteral("cell %1: %2 + %3")
                                    .arg(i)
                                    .arg(cells[size_t(i)].rect.left())
                                    .arg(cells[size_t(i)].rect.width())));
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
        QVERIFY2(near(found->rect.left(), cell.left()) && near(found->rect.top(), cell.top()) &&
                     near(found->rect.width(), cell.width()) &&
                     near(found->rect.height(), cell.height()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(found->rect.left())
                                .arg(found->rect.top())
                                .arg(found->rect.width())
                                .arg(found->rect.height())));
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

    void rowTakesItsTallestCellAndCellsAlign()
    {
        ViewEngine engine;
        engine.loadBuffer(document(QStringLiteral(
            "<fo:table><fo:table-body><fo:table-row display-align=\"center\">"
            "<fo:table-cell padding=\"2px\"><fo:block "
            "line-height=\"20px\">one</fo:block></fo:table-cell>"
            "<fo:table-cell padding=\"2px\"><fo:block line-height=\"20px\">two</fo:block>"
            "<fo:block line-height=\"20px\">lines</fo:block></fo:table-cell>"
            "</fo:table-row></fo:table-body></fo:table>")));
        const auto rows = boxesOf(engine, 0, Kind::TableRow);
        QCOMPARE(int(rows.size()), 1);
        QVERIFY(near(rows[0].rect.height(), 44));
        // The short cell's line is centred: 10 pixels lower than at the top.
        QVERIFY(near(textBox(engine, 0, "one").rect.center().y(), 22));
        QVERIFY(near(textBox(engine, 0, "two").rect.center().y(), 12));
    }

    void tableHeaderRepeatsOnTheNextPage()
    {
        QString rows;
        for (int i = 0; i < 10; ++i) {
            rows +=
                QStringLiteral(
                    "<fo:table-row><fo:table-cell><fo:block line-height=\"20px\">Row %1</fo:block>"
                    "</fo:table-cell></fo:table-row>")
                    .arg(i);
        }
        ViewEngine engine;
        engine.loadBuffer(
            document(QStringLiteral("<fo:table><fo:table-header><fo:table-row><fo:table-cell>"
                                    "<fo:block line-height=\"20px\">Head</fo:block></fo:table-cell>"
                                    "</fo:table-row></fo:table-header><fo:table-body>%1"
                                    "</fo:table-body></fo:table>")
                         .arg(rows),
                     200, 100));
        QCOMPARE(engine.getPageCount(), 3);
        for (int page = 0; page < 3; ++page) {
            QVERIFY2(near(textBox(engine, page, "Head").rect.center().y(), 10),
                     qPrintable(QString::number(page)));
        }
        QVERIFY(near(textBox(engine, 1, "Row 4").rect.center().y(), 30));
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

    void listItemsPutLabelAndBodyApart()
    {
        ViewEngine engine;
        engine.loadBuffer(document(QStringLiteral(
            "<fo:list-block provisional-distance-between-starts=\"50px\"><fo:list-item>"
            "<fo:list-item-label><fo:block>1.</fo:block></fo:list-item-label>"
            "<fo:list-item-body><fo:block>First</fo:block></fo:list-item-body></fo:list-item>"
            "<fo:list-item><fo:list-item-label><fo:block>2.</fo:block></fo:list-item-label>"
            "<fo:list-item-body><fo:block>Second</fo:block></fo:list-item-body></fo:list-item></"
            "fo:list-block>")));
        QVERIFY(near(textBox(engine, 0, "1.").rect.left(), 0));
        QVERIFY(near(textBox(engine, 0, "First").rect.left(), 50));
        QVERIFY(textBox(engine, 0, "Second").rect.top() > textBox(engine, 0, "First").rect.top());
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
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("initial");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("decimal") << QString() << 7 << QStringLiteral("No 7 of 8") << QStringLiteral("No 8 of 8");
        QTest::newRow("padded") << QStringLiteral("001") << 7 << QStringLiteral("No 007 of 008") << QStringLiteral("No 008 of 008");
        QTest::newRow("roman") << QStringLiteral("i") << 3 << QStringLiteral("No iii of iv") << QStringLiteral("No iv of iv");
        QTest::newRow("upper roman") << QStringLiteral("I") << 8 << QStringLiteral("No VIII of IX") << QStringLiteral("No IX of IX");
        QTest::newRow("letters") << QStringLiteral("A") << 26 << QStringLiteral("No Z of AA") << QStringLiteral("No AA of AA");
    }
    /// A page number and the number of pages (the last page of the
    /// sequence) are written as the sequence's format asks.
    void pageNumbersCountThePages()
    {
        QFETCH(QString, format);
        QFETCH(int, initial);
        QFETCH(QString, first);
        QFETCH(QString, second);
        ViewEngine engine;
        engine.loadBuffer(
            QStringLiteral(
                "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set>"
                "<fo:simple-page-master master-name=\"p\" page-width=\"200px\" "
                "page-height=\"100px\">"
                "<fo:region-body margin-top=\"20px\"/><fo:region-before "
                "extent=\"20px\"/></fo:simple-page-master>"
                "</fo:layout-master-set><fo:page-sequence id=\"s\" master-reference=\"p\" "
                "initial-page-number=\"%2\" %3>"
                "<fo:static-content flow-name=\"xsl-region-before\"><fo:block>No "
                "<fo:page-number/> of <fo:page-number-citation-last ref-id=\"s\"/></fo:block>"
                "</fo:static-content><fo:flow "
                "flow-name=\"xsl-region-body\">%1</fo:flow></fo:page-sequence></fo:root>")
                .arg(numberedBlocks(6))
                .arg(initial)
                .arg(format.isEmpty() ? QString() : QStringLiteral("format=\"%1\"").arg(format)));
        QCOMPARE(engine.getPageCount(), 2);
        QVERIFY2(pageText(engine, 0).startsWith(first), qPrintable(pageText(engine, 0)));
        QVERIFY2(pageText(engine, 1).startsWith(second), qPrintable(pageText(engine, 1)));
    }

    void citationsOfAnotherSequenceTakeItsFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal") << u"1"_s << u"See 2 to 3"_s;
        QTest::newRow("roman") << u"i"_s << u"See ii to iii"_s;
        QTest::newRow("letters") << u"A"_s << u"See B to C"_s;
    }
    /// A citation of a later page sequence shows its first and last page
    /// as that sequence writes its numbers.
    void citationsOfAnotherSequenceTakeItsFormat()
    {
        QFETCH(QString, format);
        QFETCH(QString, text);
        const QString sequence =
            u"<fo:page-sequence id=\"%1\" master-reference=\"p\" format=\"%2\">"
            u"<fo:flow flow-name=\"xsl-region-body\">%3</fo:flow></fo:page-sequence>"_s;
        ViewEngine engine;
        engine.loadBuffer(
            u"<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set>"
            u"<fo:simple-page-master master-name=\"p\" page-width=\"200px\" "
            u"page-height=\"80px\"><fo:region-body/></fo:simple-page-master>"
            u"</fo:layout-master-set>%1%2</fo:root>"_s.arg(
                sequence.arg(u"a"_s, u"1"_s,
                              u"<fo:block>See <fo:page-number-citation ref-id=\"b\"/> to "
                              u"<fo:page-number-citation-last ref-id=\"b\"/></fo:block>"_s),
                sequence.arg(u"b"_s, format, numberedBlocks(6))));
        QCOMPARE(engine.getPageCount(), 3);
        QVERIFY2(pageText(engine, 0).startsWith(text), qPrintable(pageText(engine, 0)));
    }

    void columnsFillOneAfterTheOther()
    {
        ViewEngine engine;
        engine.loadBuffer(document(numberedBlocks(10), 200, 100,
                                   QStringLiteral("column-count=\"2\" column-gap=\"20px\"")));
        QCOMPARE(engine.getPageCount(), 1);
        QVERIFY(near(textBox(engine, 0, "Block 4").rect.left(), 0));
        QVERIFY(near(textBox(engine, 0, "Block 5").rect.left(), 110));
        QVERIFY(near(textBox(engine, 0, "Block 5").rect.center().y(), 10));
    }

    void pageSequenceMasterPicksFirstAndRest()
    {
        ViewEngine engine;
        engine.loadBuffer(
            QStringLiteral(
                "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set>"
                "<fo:simple-page-master master-name=\"first\" page-width=\"300px\" "
                "page-height=\"100px\">"
                "<fo:region-body/></fo:simple-page-master>"
                "<fo:simple-page-master master-name=\"rest\" page-width=\"200px\" "
                "page-height=\"100px\">"
                "<fo:region-body/></fo:simple-page-master>"
                "<fo:page-sequence-master "
                "master-name=\"set\"><fo:repeatable-page-master-alternatives>"
                "<fo:conditional-page-master-reference master-reference=\"first\" "
                "page-position=\"first\"/>"
                "<fo:conditional-page-master-reference master-reference=\"rest\"/>"
                "</fo:repeatable-page-master-alternatives></fo:page-sequence-master></"
                "fo:layout-master-set>"
                "<fo:page-sequence master-reference=\"set\"><fo:flow "
                "flow-name=\"xsl-region-body\">%1</fo:flow>"
                "</fo:page-sequence></fo:root>")
                .arg(numberedBlocks(12)));
        QCOMPARE(engine.getPageCount(), 3);
        QCOMPARE(engine.getPageSize(0), QSizeF(300, 100));
        QCOMPARE(engine.getPageSize(1), QSizeF(200, 100));
        QCOMPARE(engine.getPageSize(2), QSizeF(200, 100));
    }
};

UIEDITOR_TEST_CLASS(TestViewEngine)
#include "tst_viewengine.moc"
