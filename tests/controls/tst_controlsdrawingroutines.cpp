// The small buttons of the owner-drawn fields: each routine paints its button
// inside the rectangle only, and the disabled and hot looks are visible.
#include "controls/controlsdrawingroutines.h"
#include "testregistry.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

namespace {

enum class Routine { ComboArrow, ScrollRight, More, BrowseShort };

const QColor background(255, 0, 255);
const QRect buttonRect(6, 4, 20, 22);

QImage draw(Routine routine, const QWidget* widget, bool enabled, bool hot)
{
    QImage image(40, 32, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    const ControlsDrawingRoutines& routines = ControlsDrawingRoutines::get();
    switch (routine) {
    case Routine::ComboArrow:
        routines.drawComboBoxArrow(&painter, widget, buttonRect, enabled, hot);
        break;
    case Routine::ScrollRight:
        routines.drawScrollRightButton(&painter, widget, buttonRect, enabled, hot);
        break;
    case Routine::More:
        routines.drawMoreButton(&painter, widget, buttonRect, enabled);
        break;
    case Routine::BrowseShort:
        routines.drawBrowseShortButton(&painter, widget, buttonRect, enabled, hot);
        break;
    }
    return image;
}

int changedInside(const QImage& image)
{
    int changed = 0;
    for (int y = buttonRect.top(); y <= buttonRect.bottom(); ++y) {
        for (int x = buttonRect.left(); x <= buttonRect.right(); ++x) {
            changed += image.pixelColor(x, y) != background;
        }
    }
    return changed;
}

bool untouchedOutside(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!buttonRect.contains(x, y) && image.pixelColor(x, y) != background) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Routine)

class TestControlsDrawingRoutines : public QObject
{
    Q_OBJECT

private:
    static void addRoutines()
    {
        QTest::addColumn<Routine>("routine");
        QTest::addColumn<bool>("hasHotLook");
        QTest::newRow("combo arrow") << Routine::ComboArrow << true;
        QTest::newRow("scroll right") << Routine::ScrollRight << true;
        QTest::newRow("..") << Routine::More << false;
        QTest::newRow("...") << Routine::BrowseShort << true;
    }

private Q_SLOTS:
    void drawsInsideItsRectangleOnly()
    {
        QFETCH(Routine, routine);
        QWidget widget;
        for (const bool enabled : {true, false}) {
            const QImage image = draw(routine, &widget, enabled, false);
            QVERIFY(untouchedOutside(image));
            QVERIFY(changedInside(image) > buttonRect.width() * buttonRect.height() / 2);
        }
        // Without a widget the application's style draws it.
        QCOMPARE(draw(routine, nullptr, true, false), draw(routine, &widget, true, false));
    }
    void drawsInsideItsRectangleOnly_data() { addRoutines(); }

    void disabledLooksDisabled()
    {
        QFETCH(Routine, routine);
        QWidget widget;
        const QImage enabled = draw(routine, &widget, true, false);
        const QImage disabled = draw(routine, &widget, false, false);
        QVERIFY(enabled != disabled);
        // A disabled window draws its button disabled whatever the flag says.
        widget.setEnabled(false);
        QCOMPARE(draw(routine, &widget, true, false), disabled);
        // And a disabled button has no hot look.
        QCOMPARE(draw(routine, &widget, true, true), disabled);
    }
    void disabledLooksDisabled_data() { addRoutines(); }

    void hotLooksHot()
    {
        QFETCH(Routine, routine);
        QFETCH(bool, hasHotLook);
        QWidget widget;
        const QImage normal = draw(routine, &widget, true, false);
        const QImage hot = draw(routine, &widget, true, true);
        QCOMPARE(normal != hot, hasHotLook);
    }
    void hotLooksHot_data() { addRoutines(); }

    void captionsShowTheirDots()
    {
        QWidget widget;
        const QImage two = draw(Routine::More, &widget, true, false);
        const QImage three = draw(Routine::BrowseShort, &widget, true, false);
        // The same button, one more dot.
        QVERIFY(two != three);
    }
};

UIEDITOR_TEST_CLASS(TestControlsDrawingRoutines)
#include "tst_controlsdrawingroutines.moc"
