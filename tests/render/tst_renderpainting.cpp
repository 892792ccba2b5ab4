// What the engine paints: border styles, backgrounds, shadows, decorations.
#include "outside/render/viewengine.h"
#include "previewsamples.h"
#include "rendertestsupport.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace RenderTest;

namespace {

/// A 100 x 60 block at (20, 20) with the given attributes, painted.
QImage paintBlock(const QString& attributes, const QString& basePath = QString())
{
    ViewEngine engine;
    engine.loadBuffer(
        document(QStringLiteral("<fo:block width=\"100px\" %1><fo:block line-height=\"60px\">"
                                "&#xA0;</fo:block></fo:block>")
                     .arg(attributes),
                 200, 140, QStringLiteral("margin=\"20px\"")),
        basePath);
    return renderPage(engine);
}

bool isColor(const QImage& image, int x, int y, const QColor& color, int tolerance = 8)
{
    const QColor c = image.pixelColor(x, y);
    return std::abs(c.red() - color.red()) <= tolerance &&
           std::abs(c.green() - color.green()) <= tolerance &&
           std::abs(c.blue() - color.blue()) <= tolerance;
}

} // namespace

class TestRenderPainting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void solidBorderRingAroundWhiteInside()
    {
        const QImage image = paintBlock("border=\"4px solid rgb(255,0,0)\"");
        QVERIFY(isColor(image, 21, 50, Qt::red));   // left side
        QVERIFY(isColor(image, 70, 21, Qt::red));   // top side
        QVERIFY(isColor(image, 126, 50, Qt::red));  // right side: the width is the content width
        QVERIFY(isColor(image, 70, 85, Qt::red));   // bottom side (20 + 4 + 60 + 1)
        QVERIFY(isColor(image, 70, 50, Qt::white)); // inside
        QVERIFY(isColor(image, 18, 50, Qt::white)); // outside
    }

    void doubleBorderHasAGapInTheMiddle()
    {
        const QImage image = paintBlock("border=\"9px double rgb(0,0,255)\"");
        QVERIFY(isColor(image, 21, 50, Qt::blue));
        QVERIFY(isColor(image, 24, 50, Qt::white));
        QVERIFY(isColor(image, 27, 50, Qt::blue));
    }

    void brokenStylesLeaveGapsAlongTheSide_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("dotted") << u"dotted"_s;
        QTest::newRow("dashed") << u"dashed"_s;
    }
    void brokenStylesLeaveGapsAlongTheSide()
    {
        QFETCH(QString, style);
        const QImage image = paintBlock(QStringLiteral("border-top=\"6px %1 black\"").arg(style));
        int ink = 0, blank = 0;
        for (int x = 20; x < 120; ++x) {
            (isInk(image.pixel(x, 23)) ? ink : blank) += 1;
        }
        QVERIFY2(ink > 15 && blank > 15,
                 qPrintable(QStringLiteral("%1 inked, %2 blank").arg(ink).arg(blank)));
        // Only the top side was asked for.
        QCOMPARE(inkIn(image, QRect(20, 30, 5, 40)), 0);
    }

    void threeDimensionalStylesUseTwoShades_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("topDarkerThanBottom");
        QTest::newRow("inset") << u"inset"_s << true;
        QTest::newRow("outset") << u"outset"_s << false;
    }
    void threeDimensionalStylesUseTwoShades()
    {
        QFETCH(QString, style);
        QFETCH(bool, topDarkerThanBottom);
        const QImage image =
            paintBlock(QStringLiteral("border=\"6px %1 rgb(0,160,0)\"").arg(style));
        const int top = image.pixelColor(70, 22).green();
        const int bottom = image.pixelColor(70, 20 + 6 + 60 + 3).green();
        QVERIFY2(top != bottom, qPrintable(QString::number(top)));
        QCOMPARE(top < bottom, topDarkerThanBottom);
    }

    void noneAndHiddenDrawNothing_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("none") << u"none"_s;
        QTest::newRow("hidden") << u"hidden"_s;
    }
    void noneAndHiddenDrawNothing()
    {
        QFETCH(QString, style);
        const QImage image = paintBlock(QStringLiteral("border=\"6px %1 black\"").arg(style));
        QCOMPARE(inkIn(image, image.rect()), 0);
    }

    void backgroundColourFillsThePaddingBox()
    {
        const QImage image = paintBlock("background-color=\"rgb(0,128,255)\" padding=\"5px\"");
        QVERIFY(isColor(image, 21, 21, QColor(0, 128, 255)));
        QVERIFY(isColor(image, 128, 88, QColor(0, 128, 255)));
        QVERIFY(isColor(image, 131, 50, Qt::white));
    }

    void tableSectionsPaintTheirBackground()
    {
        // The colour sits on the header and the footer, not on their rows or cells.
        ViewEngine engine;
        engine.loadBuffer(RenderTest::document(
            "<fo:table width=\"200px\"><fo:table-column column-width=\"200px\"/>"
            "<fo:table-header background-color=\"rgb(0,0,255)\"><fo:table-row><fo:table-cell>"
            "<fo:block>&#160;</fo:block></fo:table-cell></fo:table-row></fo:table-header>"
            "<fo:table-footer background-color=\"rgb(255,0,0)\"><fo:table-row><fo:table-cell>"
            "<fo:block>&#160;</fo:block></fo:table-cell></fo:table-row></fo:table-footer>"
            "<fo:table-body><fo:table-row><fo:table-cell><fo:block>&#160;</fo:block></fo:table-cell>"
            "</fo:table-row></fo:table-body></fo:table>"));
        const auto cells = RenderTest::boxesOf(engine, 0, ViewLayoutBox::Kind::TableCell);
        QCOMPARE(int(cells.size()), 3);
        const QImage image = RenderTest::renderPage(engine);
        const QPoint header = cells[0].rect.center().toPoint();
        const QPoint body = cells[1].rect.center().toPoint();
        const QPoint footer = cells[2].rect.center().toPoint();
        QVERIFY(isColor(image, header.x(), header.y(), QColor(0, 0, 255)));
        QVERIFY(isColor(image, body.x(), body.y(), Qt::white));
        QVERIFY(isColor(image, footer.x(), footer.y(), QColor(255, 0, 0)));
    }

    void backgroundImageRepeatsAsAsked_data()
    {
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<bool>("alongX");
        QTest::addColumn<bool>("alongY");
        QTest::newRow("no-repeat") << u"no-repeat"_s << false << false;
        QTest::newRow("repeat-x") << u"repeat-x"_s << true << false;
        QTest::newRow("repeat-y") << u"repeat-y"_s << false << true;
        QTest::newRow("repeat") << u"repeat"_s << true << true;
    }
    void backgroundImageRepeatsAsAsked()
    {
        QFETCH(QString, repeat);
        QFETCH(bool, alongX);
        QFETCH(bool, alongY);
        QTemporaryDir dir;
        // A 10 x 10 tile: red with a white right and bottom half.
        QImage tile(10, 10, QImage::Format_RGB32);
        tile.fill(Qt::white);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                tile.setPixelColor(x, y, Qt::red);
            }
        }
        QVERIFY(tile.save(dir.filePath("tile.png")));
        const QImage image =
            paintBlock(QStringLiteral("background-image=\"url(tile.png)\" background-repeat=\"%1\"")
                           .arg(repeat),
                       dir.path());
        QVERIFY(isColor(image, 22, 22, Qt::red));
        QCOMPARE(isColor(image, 52, 22, Qt::red), alongX);
        QCOMPARE(isColor(image, 22, 52, Qt::red), alongY);
        QVERIFY(isColor(image, 27, 27, Qt::white));
    }

    void backgroundPositionMovesTheImage()
    {
        QTemporaryDir dir;
        QImage tile(10, 10, QImage::Format_RGB32);
        tile.fill(Qt::red);
        QVERIFY(tile.save(dir.filePath("tile.png")));
        const QImage image =
            paintBlock("background-image=\"url(tile.png)\" background-repeat=\"no-repeat\" "
                       "background-position-horizontal=\"100%\" "
                       "background-position-vertical=\"30px\"",
                       dir.path());
        QVERIFY(isColor(image, 115, 55, Qt::red));
        QVERIFY(isColor(image, 115, 45, Qt::white));
        QVERIFY(isColor(image, 25, 55, Qt::white));
    }

    void designerGradientFillsTheBox()
    {
        const QImage image =
            paintBlock(QStringLiteral("background-image=\"%1\" background-repeat=\"no-repeat\" "
                                      "background-size=\"100%\"")
                           .arg(PreviewSamples::gradient()));
        const QColor light = image.pixelColor(22, 22);
        const QColor dark = image.pixelColor(117, 77);
        QVERIFY2(isInk(dark.rgb()), "the gradient reaches the far corner");
        QVERIFY(light.lightness() > dark.lightness() + 40);
    }

    void boxShadowFallsBesideTheBox()
    {
        const QImage image =
            paintBlock("border=\"1px solid black\" box-shadow=\"6px 6px rgb(0,0,0)\"");
        // Right of the box and below it, offset by 6 pixels.
        QVERIFY(isColor(image, 124, 50, Qt::black));
        QVERIFY(isColor(image, 70, 85, Qt::black));
        QVERIFY(isColor(image, 124, 23, Qt::white));
    }

    void underlineIsDrawnUnderTheText()
    {
        ViewEngine plain;
        plain.loadBuffer(document("<fo:block font-size=\"20px\">Text</fo:block>"));
        ViewEngine underlined;
        underlined.loadBuffer(document(
            "<fo:block font-size=\"20px\" text-underline-style=\"solid\">Text</fo:block>"));
        const QRectF r = textBox(plain, 0, "Text").rect;
        const QRect below(int(r.left()), int(r.bottom() - 5), int(r.width()), 6);
        QVERIFY(inkIn(renderPage(underlined), below) >
                inkIn(renderPage(plain), below) + int(r.width() / 2));
    }
};

UIEDITOR_TEST_CLASS(TestRenderPainting)
#include "tst_renderpainting.moc"
