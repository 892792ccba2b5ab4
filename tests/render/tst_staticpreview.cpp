// The preview control: the page scaled to fit and centred, never enlarged,
// the engine's error text in the grey area, and drawing into any painter.
#include "controls/staticpreview.h"
#include "previewsamples.h"
#include "rendertestsupport.h"
#include "testregistry.h"

#include <QTest>

namespace {

/// The bounding box of the black page frame in a grab of the preview (the
/// control's own frame on its outermost pixels left out).
QRect pageFrame(const QImage& image)
{
    QRect box;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) {
            if (image.pixelColor(x, y) == QColor(Qt::black)) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

QImage grab(StaticPreview& preview)
{
    return preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestStaticPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageIsCentredAtItsOwnSizeWhenItFits()
    {
        StaticPreview preview(false);
        preview.resize(300, 300);
        preview.openFromString(PreviewSamples::borders("", "border=\"1px solid red\"", ""));
        QVERIFY(preview.isLoaded());
        const QImage image = grab(preview);
        QCOMPARE(image.pixelColor(10, 150), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        // 250 x 265 at offsets 25 and 17 (half of 35, truncated).
        QCOMPARE(image.pixelColor(24, 150), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(25, 150), QColor(Qt::black));
        QCOMPARE(image.pixelColor(274, 150), QColor(Qt::black));
        QCOMPARE(image.pixelColor(275, 150), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(150, 17), QColor(Qt::black));
        QCOMPARE(image.pixelColor(150, 281), QColor(Qt::black));
        QCOMPARE(image.pixelColor(150, 282), QColor(128, 128, 128));
    }

    void largePageShrinksToFitAndShrinkLeavesAMargin_data()
    {
        QTest::addColumn<bool>("shrink");
        QTest::addColumn<double>("scale");
        QTest::newRow("fit") << false << 160.0 / 265.0;
        QTest::newRow("shrink") << true << 160.0 / 265.0 * 0.96;
    }
    void largePageShrinksToFitAndShrinkLeavesAMargin()
    {
        QFETCH(bool, shrink);
        QFETCH(double, scale);
        StaticPreview preview(shrink);
        preview.resize(200, 160);
        preview.openFromString(PreviewSamples::borders("", "", ""));
        const QRect frame = pageFrame(grab(preview));
        QVERIFY(std::abs(frame.width() - int(250 * scale)) <= 1);
        QVERIFY(std::abs(frame.left() - (200 - frame.width()) / 2) <= 1);
        if (shrink) {
            // Without shrinking the page touches the control's own frame above and below.
            QVERIFY(std::abs(frame.height() - int(265 * scale)) <= 1);
            QVERIFY(std::abs(frame.top() - (160 - frame.height()) / 2) <= 1);
        }
    }

    void failedLoadShowsTheErrorTextInTheGreyArea()
    {
        QWidget parent;
        StaticPreview* preview = new StaticPreview(true, &parent);
        preview->resize(300, 200);
        preview->openFromString(
            "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:block>");
        QVERIFY(preview->isLoaded());
        QCOMPARE(preview->getViewEngine().getStatus(), 4);
        const QImage image = grab(*preview);
        int text = 0;
        int white = 0;
        for (int y = 1; y < 199; ++y) {
            for (int x = 1; x < 299; ++x) {
                const QColor c = image.pixelColor(x, y);
                text += c.lightness() < 100 ? 1 : 0;
                white += c == QColor(Qt::white) ? 1 : 0;
            }
        }
        QVERIFY2(text > 30, "the message is written");
        QCOMPARE(white, 0);
        // Centred vertically: nothing written near the top.
        int topInk = 0;
        for (int y = 1; y < 30; ++y) {
            for (int x = 1; x < 299; ++x) {
                topInk += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
            }
        }
        QCOMPARE(topInk, 0);
    }

    void emptyMarkupShowsOnlyGrey()
    {
        StaticPreview preview(true);
        preview.resize(100, 100);
        preview.openFromString("");
        QVERIFY(preview.isLoaded());
        const QImage image = grab(preview);
        QCOMPARE(image.pixelColor(50, 50), QColor(128, 128, 128));
    }

    void renderXmlToDCWrapsAFragment()
    {
        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(Qt::green);
        QPainter painter(&image);
        StaticPreview::renderXmlToDC("<fo:block font-size=\"30px\">Hi</fo:block>", false, painter,
                                     QRect(0, 0, 300, 300), false, true);
        painter.end();
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(5, 5), QColor(128, 128, 128));
        // The fixed page of the fragment: 200 wide and 152 high, centred.
        QCOMPARE(image.pixelColor(50, 150), QColor(Qt::black));
        QCOMPARE(image.pixelColor(49, 150), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(249, 150), QColor(Qt::black));
        QCOMPARE(image.pixelColor(150, 74), QColor(Qt::black));
        QCOMPARE(image.pixelColor(150, 225), QColor(Qt::black));
        QVERIFY(RenderTest::inkIn(image, QRect(52, 76, 60, 40)) > 20);
        QVERIFY(StaticPreview::wrapFragment("<x/>").contains(
            "page-height=\"152px\" page-width=\"200px\""));
    }

    void fullDocumentIsUsedUnchanged()
    {
        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(Qt::green);
        QPainter painter(&image);
        StaticPreview::renderXmlToDC(RenderTest::document("<fo:block>x</fo:block>", 100, 80), true,
                                     painter, QRect(0, 0, 300, 300), false, false);
        painter.end();
        QCOMPARE(image.pixelColor(0, 0), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(100, 150), QColor(Qt::black));
        QCOMPARE(image.pixelColor(99, 150), QColor(128, 128, 128));
    }
};

UIEDITOR_TEST_CLASS(TestStaticPreview)
#include "tst_staticpreview.moc"
