// Reference areas as the page-layout and paragraph previews meet them:
// regions and containers aligned, turned, mirrored, sized, clipped and placed
// absolutely; shifted baselines; running headers from markers.
#include "outside/render/viewengine.h"
#include "rendertestsupport.h"
#include "testregistry.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace RenderTest;
using Kind = ViewLayoutBox::Kind;

namespace {

/// "left", "right", "top", "bottom" or "cx"/"cy" (the centre) of a rectangle.
double edgeOf(const QRectF& r, const QString& edge)
{
    if (edge == "left") {
        return r.left();
    }
    if (edge == "right") {
        return r.right();
    }
    if (edge == "top") {
        return r.top();
    }
    if (edge == "bottom") {
        return r.bottom();
    }
    return edge == "cx" ? r.center().x() : r.center().y();
}

QString masterDocument(const QString& master, const QString& body, const QString& flow)
{
    return QStringLiteral("<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
                          "font-family=\"Times\" font-size=\"12pt\"><fo:layout-master-set>"
                          "<fo:simple-page-master master-name=\"p\" page-width=\"400px\" "
                          "page-height=\"300px\" %1><fo:region-body %2/></fo:simple-page-master>"
                          "</fo:layout-master-set><fo:page-sequence master-reference=\"p\">"
                          "<fo:flow flow-name=\"xsl-region-body\">%3</fo:flow></fo:page-sequence>"
                          "</fo:root>")
        .arg(master, body, flow);
}

/// Three pages under a 30px header that retrieves the class "c" as `retrieve` says.
QString markerDocument(const QString& retrieve, const QString& flow)
{
    return QStringLiteral(
               "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" font-size=\"12pt\">"
               "<fo:layout-master-set><fo:simple-page-master master-name=\"p\" "
               "page-width=\"300px\" page-height=\"200px\"><fo:region-body margin-top=\"30px\"/>"
               "<fo:region-before extent=\"30px\"/></fo:simple-page-master></fo:layout-master-set>"
               "<fo:page-sequence master-reference=\"p\"><fo:static-content "
               "flow-name=\"xsl-region-before\"><fo:block>[<fo:retrieve-marker "
               "retrieve-class-name=\"c\" %1/>]</fo:block></fo:static-content>"
               "<fo:flow flow-name=\"xsl-region-body\">%2</fo:flow></fo:page-sequence></fo:root>")
        .arg(retrieve, flow);
}

const QString markedFlow = QStringLiteral(
    "<fo:block break-after=\"page\"><fo:marker marker-class-name=\"c\">One</fo:marker>a</fo:block>"
    "<fo:block><fo:marker marker-class-name=\"c\">Two</fo:marker>b</fo:block>"
    "<fo:block break-after=\"page\"><fo:marker "
    "marker-class-name=\"c\">Three</fo:marker>c</fo:block>"
    "<fo:block>d</fo:block>");

} // namespace

class TestRenderAreas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void regionBodyAlignsTurnsAndMirrors_data()
    {
        QTest::addColumn<QString>("master");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QString>("xEdge");
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("yEdge");
        QTest::addColumn<double>("y");
        // clang-format off
        QTest::newRow("plain") << u""_s << u""_s << 0 << u"left"_s << 0.0 << u"cy"_s << 10.0;
        QTest::newRow("display-align center") << u""_s << u"display-align=\"center\""_s << 0 << u"left"_s << 0.0 << u"cy"_s << 150.0;
        QTest::newRow("display-align after") << u""_s << u"display-align=\"after\""_s << 0 << u"left"_s << 0.0 << u"cy"_s << 290.0;
        QTest::newRow("display-align from the master") << u"display-align=\"after\""_s << u""_s << 0 << u"left"_s << 0.0 << u"cy"_s << 290.0;
        QTest::newRow("turned 90") << u""_s << u"reference-orientation=\"90\""_s << 90 << u"cx"_s << 10.0 << u"bottom"_s << 300.0;
        QTest::newRow("turned 180") << u""_s << u"reference-orientation=\"180\""_s << 180 << u"right"_s << 400.0 << u"cy"_s << 290.0;
        QTest::newRow("turned 270") << u""_s << u"reference-orientation=\"270\""_s << 270 << u"cx"_s << 390.0 << u"top"_s << 0.0;
        QTest::newRow("turned -90") << u""_s << u"reference-orientation=\"-90\""_s << 270 << u"cx"_s << 390.0 << u"top"_s << 0.0;
        QTest::newRow("turned 90, aligned after") << u""_s << u"reference-orientation=\"90\" display-align=\"after\""_s << 90 << u"cx"_s << 390.0 << u"bottom"_s << 300.0;
        QTest::newRow("page master turned 90") << u"reference-orientation=\"90\""_s << u""_s << 90 << u"cx"_s << 10.0 << u"bottom"_s << 300.0;
        QTest::newRow("page master and body turned") << u"reference-orientation=\"90\""_s << u"reference-orientation=\"90\""_s << 180 << u"right"_s << 400.0 << u"cy"_s << 290.0;
        QTest::newRow("rl-tb starts at the right") << u""_s << u"writing-mode=\"rl-tb\""_s << 0 << u"right"_s << 400.0 << u"cy"_s << 10.0;
        QTest::newRow("not a quarter turn") << u""_s << u"reference-orientation=\"45\""_s << 0 << u"left"_s << 0.0 << u"cy"_s << 10.0;
        // clang-format on
    }
    void regionBodyAlignsTurnsAndMirrors()
    {
        QFETCH(QString, master);
        QFETCH(QString, body);
        QFETCH(int, rotation);
        QFETCH(QString, xEdge);
        QFETCH(double, x);
        QFETCH(QString, yEdge);
        QFETCH(double, y);
        ViewEngine engine;
        engine.loadBuffer(
            masterDocument(master, body, u"<fo:block line-height=\"20px\">Alpha</fo:block>"_s));
        const ViewLayoutBox text = textBox(engine, 0, "Alpha");
        QCOMPARE(text.rotation, rotation);
        QVERIFY2(std::abs(edgeOf(text.rect, xEdge) - x) < 1.0 &&
                     std::abs(edgeOf(text.rect, yEdge) - y) < 1.0,
                 qPrintable(u"%1,%2 %3x%4"_s.arg(text.rect.x())
                                .arg(text.rect.y())
                                .arg(text.rect.width())
                                .arg(text.rect.height())));
    }

    void containersSizeAlignClipAndPlace_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("xEdge");
        QTest::addColumn<double>("x"); // NaN: the probe is not on the page
        QTest::addColumn<QString>("yEdge");
        QTest::addColumn<double>("y");
        const double gone = std::nan("");
        // clang-format off
        QTest::newRow("height") << u"block-container height=\"100px\""_s << u"Next"_s << u"left"_s << 0.0 << u"cy"_s << 110.0;
        QTest::newRow("height on a block") << u"block height=\"50px\""_s << u"Next"_s << u"left"_s << 0.0 << u"cy"_s << 60.0;
        QTest::newRow("centred") << u"block-container height=\"100px\" display-align=\"center\""_s << u"L2"_s << u"left"_s << 0.0 << u"cy"_s << 50.0;
        QTest::newRow("after") << u"block-container height=\"100px\" display-align=\"after\""_s << u"L3"_s << u"left"_s << 0.0 << u"cy"_s << 90.0;
        QTest::newRow("minimum") << u"block-container block-progression-dimension.minimum=\"80px\""_s << u"Next"_s << u"left"_s << 0.0 << u"cy"_s << 90.0;
        QTest::newRow("maximum") << u"block-container block-progression-dimension.maximum=\"30px\""_s << u"Next"_s << u"left"_s << 0.0 << u"cy"_s << 40.0;
        QTest::newRow("overflow visible") << u"block-container height=\"30px\""_s << u"L3"_s << u"left"_s << 0.0 << u"cy"_s << 50.0;
        QTest::newRow("overflow hidden") << u"block-container height=\"30px\" overflow=\"hidden\""_s << u"L3"_s << u"left"_s << gone << u"cy"_s << gone;
        QTest::newRow("turned 90: width and height of the content") << u"block-container width=\"100px\" height=\"200px\" reference-orientation=\"90\""_s << u"L1"_s << u"cx"_s << 10.0 << u"bottom"_s << 100.0;
        QTest::newRow("turned 90, below it") << u"block-container width=\"100px\" height=\"200px\" reference-orientation=\"90\""_s << u"Next"_s << u"left"_s << 0.0 << u"cy"_s << 110.0;
        QTest::newRow("turned 180") << u"block-container height=\"100px\" reference-orientation=\"180\""_s << u"L1"_s << u"right"_s << 400.0 << u"cy"_s << 90.0;
        QTest::newRow("absolute") << u"block-container absolute-position=\"absolute\" top=\"50px\" left=\"60px\" width=\"100px\""_s << u"L1"_s << u"left"_s << 60.0 << u"cy"_s << 60.0;
        QTest::newRow("absolute takes no room") << u"block-container absolute-position=\"absolute\" top=\"50px\" left=\"60px\""_s << u"Next"_s << u"left"_s << 0.0 << u"cy"_s << 10.0;
        QTest::newRow("absolute from the bottom right") << u"block-container absolute-position=\"absolute\" bottom=\"0px\" right=\"0px\" width=\"100px\" height=\"60px\""_s << u"L3"_s << u"left"_s << 300.0 << u"cy"_s << 290.0;
        // clang-format on
    }
    void containersSizeAlignClipAndPlace()
    {
        QFETCH(QString, container);
        QFETCH(QString, probe);
        QFETCH(QString, xEdge);
        QFETCH(double, x);
        QFETCH(QString, yEdge);
        QFETCH(double, y);
        const QString element = container.section(u' ', 0, 0);
        ViewEngine engine;
        engine.loadBuffer(document(
            u"<fo:%1 %2><fo:block line-height=\"20px\">L1</fo:block><fo:block "
            "line-height=\"20px\">L2</fo:block><fo:block line-height=\"20px\">L3</fo:block></fo:%1>"
            "<fo:block line-height=\"20px\">Next</fo:block>"_s.arg(element,
                                                                   container.section(u' ', 1)),
            400, 300));
        const QRectF r = textBox(engine, 0, probe).rect;
        if (std::isnan(x)) {
            QVERIFY2(r.isEmpty(), "clipped away");
            QVERIFY(!textBox(engine, 0, "L1").rect.isEmpty());
            return;
        }
        QVERIFY2(std::abs(edgeOf(r, xEdge) - x) < 1.0 && std::abs(edgeOf(r, yEdge) - y) < 1.0,
                 qPrintable(u"%1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
    }

    void clippedTextShowsOnlyInsideTheBox()
    {
        ViewEngine engine;
        engine.loadBuffer(document(
            u"<fo:block-container height=\"30px\" overflow=\"hidden\"><fo:block "
            "line-height=\"20px\">L1</fo:block><fo:block line-height=\"20px\">L2</fo:block>"
            "</fo:block-container>"_s,
            400, 300));
        const ViewLayoutBox cut = textBox(engine, 0, "L2");
        QCOMPARE(cut.clip, QRectF(0, 0, 400, 30));
        const QImage page = renderPage(engine);
        QVERIFY(inkIn(page, QRect(0, 20, 40, 10)) > 0);
        QCOMPARE(inkIn(page, QRect(0, 31, 40, 10)), 0);
    }

    void spanningBlockEndsBalancedColumns_data()
    {
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("xEdge");
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("yEdge");
        QTest::addColumn<double>("y");
        // clang-format off
        QTest::newRow("first column") << u"A3"_s << u"left"_s << 0.0 << u"cy"_s << 50.0;
        QTest::newRow("second column, balanced") << u"A4"_s << u"left"_s << 200.0 << u"cy"_s << 10.0;
        QTest::newRow("across both, below them") << u"Title"_s << u"cx"_s << 200.0 << u"cy"_s << 70.0;
        QTest::newRow("last columns filled in turn") << u"B3"_s << u"left"_s << 0.0 << u"cy"_s << 130.0;
        // clang-format on
    }
    void spanningBlockEndsBalancedColumns()
    {
        QFETCH(QString, probe);
        QFETCH(QString, xEdge);
        QFETCH(double, x);
        QFETCH(QString, yEdge);
        QFETCH(double, y);
        QString flow;
        for (int i = 1; i <= 6; ++i) {
            flow += u"<fo:block line-height=\"20px\">A%1</fo:block>"_s.arg(i);
        }
        flow +=
            u"<fo:block span=\"all\" text-align=\"center\" line-height=\"20px\">Title</fo:block>"_s;
        for (int i = 1; i <= 4; ++i) {
            flow += u"<fo:block line-height=\"20px\">B%1</fo:block>"_s.arg(i);
        }
        ViewEngine engine;
        engine.loadBuffer(masterDocument(u""_s, u"column-count=\"2\" column-gap=\"0px\""_s, flow));
        const QRectF r = textBox(engine, 0, probe).rect;
        QVERIFY2(std::abs(edgeOf(r, xEdge) - x) < 1.0 && std::abs(edgeOf(r, yEdge) - y) < 1.0,
                 qPrintable(u"%1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
    }

    void baselineShiftRaisesAndLowers_data()
    {
        QTest::addColumn<QString>("inlineAttributes");
        QTest::addColumn<double>("rise");
        // clang-format off
        QTest::newRow("super") << u"baseline-shift=\"super\""_s << 16 * 0.45;
        QTest::newRow("sub") << u"baseline-shift=\"sub\""_s << -16 * 0.225;
        QTest::newRow("vertical-align super") << u"vertical-align=\"super\""_s << 16 * 0.45;
        QTest::newRow("length") << u"baseline-shift=\"4px\""_s << 4.0;
        QTest::newRow("percent of the line height") << u"baseline-shift=\"50%\""_s << 9.6;
        QTest::newRow("baseline") << u"baseline-shift=\"baseline\""_s << 0.0;
        // clang-format on
    }
    void baselineShiftRaisesAndLowers()
    {
        QFETCH(QString, inlineAttributes);
        QFETCH(double, rise);
        ViewEngine engine;
        engine.loadBuffer(document(
            u"<fo:block>Base <fo:inline %1>Up<fo:inline %1>Twice</fo:inline></fo:inline></fo:block>"_s
                .arg(inlineAttributes)));
        const double base = textBox(engine, 0, "Base").rect.center().y();
        const double up = textBox(engine, 0, "Up").rect.center().y();
        const double twice = textBox(engine, 0, "Twice").rect.center().y();
        QVERIFY2(std::abs(base - up - rise) < 0.05, qPrintable(QString::number(base - up)));
        QVERIFY2(std::abs(base - twice - 2 * rise) < 0.05,
                 qPrintable(QString::number(base - twice)));
    }

    void runningHeadersRetrieveMarkers_data()
    {
        QTest::addColumn<QString>("retrieve");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("headers");
        // clang-format off
        QTest::newRow("first starting, sequence") << u""_s << markedFlow << u"[One]|[Two]|[Three]"_s;
        QTest::newRow("last starting") << u"retrieve-position=\"last-starting-within-page\""_s << markedFlow << u"[One]|[Three]|[Three]"_s;
        QTest::newRow("last ending") << u"retrieve-position=\"last-ending-within-page\""_s << markedFlow << u"[One]|[Three]|[Three]"_s;
        QTest::newRow("page boundary") << u"retrieve-boundary=\"page\""_s << markedFlow << u"[One]|[Two]|[]"_s;
        QTest::newRow("another class") << u""_s << QString(markedFlow).replace(u"\"c\""_s, u"\"x\""_s) << u"[]|[]|[]"_s;
        QTest::newRow("a marker retrieving itself") << u""_s << u"<fo:block break-after=\"page\"><fo:marker marker-class-name=\"c\">M<fo:retrieve-marker retrieve-class-name=\"c\"/></fo:marker>a</fo:block><fo:block>b</fo:block><fo:block break-before=\"page\">c</fo:block>"_s << u"[M]|[M]|[M]"_s;
        // clang-format on
    }
    void runningHeadersRetrieveMarkers()
    {
        QFETCH(QString, retrieve);
        QFETCH(QString, flow);
        QFETCH(QString, headers);
        ViewEngine engine;
        engine.loadBuffer(markerDocument(retrieve, flow));
        QCOMPARE(engine.getPageCount(), 3);
        QStringList shown;
        for (int page = 0; page < 3; ++page) {
            QString header;
            for (const ViewLayoutBox& text : boxesOf(engine, page, Kind::Text)) {
                if (text.rect.bottom() <= 30) {
                    header += text.text.toQString();
                }
            }
            shown << header;
        }
        QCOMPARE(shown.join(u'|'), headers);
    }

    void retrievedMarkerTakesTheHeadersProperties()
    {
        ViewEngine engine;
        engine.loadBuffer(markerDocument(
            u""_s,
            u"<fo:block font-size=\"30pt\"><fo:marker marker-class-name=\"c\">One</fo:marker>"
            "Big</fo:block>"_s));
        const double header = textBox(engine, 0, "One").rect.height();
        const double flow = textBox(engine, 0, "Big").rect.height();
        QVERIFY2(header > 0 && header < flow / 2, qPrintable(u"%1 %2"_s.arg(header).arg(flow)));
    }
};

UIEDITOR_TEST_CLASS(TestRenderAreas)
#include "tst_renderareas.moc"
