// The text panel as a user sees it: its colours, one centred line, its font.
#include "controls/textpanel.h"
#include "testregistry.h"

#include <QImage>
#include <QRegularExpression>
#include <QTest>

#include <string>

using namespace Qt::StringLiterals;

namespace {

QImage paint(TextPanel& panel)
{
    return panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding every pixel that is not the background.
QRect ink(const QImage& image, QColor background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background.rgb()) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

int count(const QImage& image, QColor colour)
{
    int found = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            found += image.pixel(x, y) == colour.rgb();
        }
    }
    return found;
}

QRect inkOf(const QString& text, const wchar_t* face, int points, QSize size = QSize(400, 120))
{
    TextPanel panel;
    panel.resize(size);
    panel.setFont(face, points);
    panel.setText(text);
    return ink(paint(panel), Qt::white);
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestTextPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void paintsTheColoursHostsHandOver_data()
    {
        QTest::addColumn<bool>("setColours");
        QTest::addColumn<uint>("fore");
        QTest::addColumn<uint>("back");
        QTest::addColumn<QColor>("foreSeen");
        QTest::addColumn<QColor>("backSeen");

        // clang-format off
        QTest::newRow("black on white before any colour") << false << 0u << 0u << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("red on navy") << true << uint(RGB(200, 0, 0)) << uint(RGB(0, 0, 128)) << QColor(200, 0, 0) << QColor(0, 0, 128);
        QTest::newRow("blue on yellow") << true << uint(RGB(0, 0, 255)) << uint(RGB(255, 255, 0)) << QColor(0, 0, 255) << QColor(255, 255, 0);
        // clang-format on
    }

    void paintsTheColoursHostsHandOver()
    {
        QFETCH(bool, setColours);
        QFETCH(uint, fore);
        QFETCH(uint, back);
        QFETCH(QColor, foreSeen);
        QFETCH(QColor, backSeen);

        TextPanel panel;
        panel.resize(240, 60);
        panel.setFont(L"DejaVu Sans", 22);
        panel.setText(QStringLiteral("HELLO"));
        if (setColours) {
            panel.setForeColor(fore);
            panel.setBkColor(back);
        }
        const QImage image = paint(panel);
        for (QPoint corner : {QPoint(0, 0), QPoint(239, 0), QPoint(0, 59), QPoint(239, 59)}) {
            QCOMPARE(QColor(image.pixel(corner)), backSeen);
        }
        // Upright strokes of 22-point capitals are solid text colour.
        QVERIFY2(count(image, foreSeen) > 40, qPrintable(QString::number(count(image, foreSeen))));
        const QColor swapped(foreSeen.blue(), foreSeen.green(), foreSeen.red());
        if (swapped != foreSeen) {
            QCOMPARE(count(image, swapped), 0);
        }
    }

    void theLineIsCentred_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("word") << u"Sample"_s;
        QTest::newRow("one letter") << u"W"_s;
    }

    void theLineIsCentred()
    {
        QFETCH(QString, text);
        const QRect low = inkOf(text, L"DejaVu Sans", 14, QSize(300, 40));
        const QRect high = inkOf(text, L"DejaVu Sans", 14, QSize(300, 120));
        QVERIFY(low.isValid() && high.isValid());
        QVERIFY2(qAbs(low.left() + low.right() + 1 - 300) <= 3,
                 qPrintable(QStringLiteral("%1..%2").arg(low.left()).arg(low.right())));
        // Taller by 80 pixels, the line moves down by half of that.
        QVERIFY2(qAbs(high.top() - low.top() - 40) <= 1,
                 qPrintable(QStringLiteral("%1 -> %2").arg(low.top()).arg(high.top())));
        QCOMPARE(high.height(), low.height());
        QCOMPARE(high.left(), low.left());
    }

    void theFontFaceAndSizeApply_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("smallFace");
        QTest::addColumn<int>("smallSize");
        QTest::addColumn<QString>("largeFace");
        QTest::addColumn<int>("largeSize");
        QTest::addColumn<bool>("compareWidths");
        QTest::addColumn<double>("minimumRatio");

        // clang-format off
        QTest::newRow("8 to 24 points") << u"HH"_s << u"DejaVu Sans"_s << 8 << u"DejaVu Sans"_s << 24 << false << 2.5;
        QTest::newRow("monospaced face") << u"iiiiiiii"_s << u"DejaVu Sans"_s << 16 << u"DejaVu Sans Mono"_s << 16 << true << 1.5;
        // clang-format on
    }

    void theFontFaceAndSizeApply()
    {
        QFETCH(QString, text);
        QFETCH(QString, smallFace);
        QFETCH(int, smallSize);
        QFETCH(QString, largeFace);
        QFETCH(int, largeSize);
        QFETCH(bool, compareWidths);
        QFETCH(double, minimumRatio);

        const std::wstring smallName = smallFace.toStdWString();
        const std::wstring largeName = largeFace.toStdWString();
        const QRect small = inkOf(text, smallName.c_str(), smallSize);
        const QRect large = inkOf(text, largeName.c_str(), largeSize);
        const double ratio = compareWidths ? double(large.width()) / small.width()
                                           : double(large.height()) / small.height();
        QVERIFY2(ratio >= minimumRatio, qPrintable(QString::number(ratio)));
    }

    void sizeZeroKeepsTheSize()
    {
        TextPanel panel;
        panel.resize(300, 100);
        panel.setText(QStringLiteral("HH"));
        panel.setFont(L"DejaVu Sans", 20);
        const QRect twenty = ink(paint(panel), Qt::white);
        panel.setFont(L"DejaVu Sans Mono", 0);
        const QRect after = ink(paint(panel), Qt::white);
        QVERIFY2(qAbs(after.height() - twenty.height()) <= 1,
                 qPrintable(QStringLiteral("%1 -> %2").arg(twenty.height()).arg(after.height())));
    }

    void aShownPanelRepaintsOnEverySetter_data()
    {
        QTest::addColumn<int>("setter");
        QTest::newRow("text colour") << 0;
        QTest::newRow("background") << 1;
        QTest::newRow("font") << 2;
        QTest::newRow("text") << 3;
    }

    void aShownPanelRepaintsOnEverySetter()
    {
        QFETCH(int, setter);
        TextPanel panel;
        panel.resize(200, 50);
        panel.setText(QStringLiteral("before"));
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        PaintCounter counter;
        panel.installEventFilter(&counter);
        QCoreApplication::processEvents();
        counter.paints = 0;
        switch (setter) {
        case 0:
            panel.setForeColor(RGB(255, 0, 0));
            break;
        case 1:
            panel.setBkColor(RGB(0, 0, 0));
            break;
        case 2:
            panel.setFont(L"DejaVu Serif", 18);
            break;
        default:
            panel.setText(QStringLiteral("after"));
            break;
        }
        QTRY_VERIFY(counter.paints > 0);
    }
};

UIEDITOR_TEST_CLASS(TestTextPanel)
#include "tst_textpanel.moc"
