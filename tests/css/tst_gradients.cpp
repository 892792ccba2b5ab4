// Gradients told apart from background images, and off-screen painting that
// reaches the target only when it is done.
#include "css/gradientshelper.h"
#include "css/offscreendc.h"
#include "testregistry.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString dataUrl(const QByteArray& document)
{
    return QStringLiteral("url(data:,") + QString::fromLatin1(document.toBase64()) +
           QLatin1Char(')');
}

const QByteArray DefaultGradient =
    "<?xml version=\"1.0\"?>\n"
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">\n"
    "  <!--   default svg gradient   -->\n"
    "  <defs><linearGradient id=\"g\"><stop offset=\"0\" "
    "stop-color=\"#fff\"/></linearGradient></defs>\n"
    "  <rect width=\"100\" height=\"100\" fill=\"url(#g)\"/>\n"
    "</svg>\n";

} // namespace

class TestGradientsHelper : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gradientDataIsTheTextInsideUrl_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("data");
        QTest::newRow("inline data") << u"url(data:,PHN2Zz4=)"_s << u"PHN2Zz4="_s;
        QTest::newRow("file") << u"url(/tmp/g.svg)"_s << u"/tmp/g.svg"_s;
        QTest::newRow("up to the first parenthesis") << u"url(a)b)"_s << u"a"_s;
        QTest::newRow("unclosed url") << u"url(data:,abc"_s << u"abc"_s;
        QTest::newRow("bare data") << u"data:,abc"_s << u"abc"_s;
        QTest::newRow("neither form") << u"PHN2Zz4="_s << u"PHN2Zz4="_s;
    }
    void gradientDataIsTheTextInsideUrl()
    {
        QFETCH(QString, value);
        QFETCH(QString, data);
        QCOMPARE(GradientsHelper::getGradientData(value).toQString(), data);
    }

    void gradientsAreSvgWithTheMarkerComment_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("gradient");
        // clang-format off
        QTest::newRow("default marker with blanks") << dataUrl(DefaultGradient) << true;
        QTest::newRow("custom marker") << dataUrl("<svg><rect/><!--custom svg gradient--></svg>") << true;
        QTest::newRow("bare base64") << QString::fromLatin1(QByteArray("<svg><!--custom svg gradient--></svg>").toBase64()) << true;
        QTest::newRow("other first comment, marker later") << dataUrl("<svg><!-- made by hand --><!--default svg gradient--></svg>") << false;
        QTest::newRow("marker in a child, not the root") << dataUrl("<svg><g><!--default svg gradient--></g></svg>") << false;
        QTest::newRow("marker before the root") << dataUrl("<!--default svg gradient--><svg/>") << false;
        QTest::newRow("no comment") << dataUrl("<svg><rect/></svg>") << false;
        QTest::newRow("root is not svg") << dataUrl("<html><!--default svg gradient--></html>") << false;
        QTest::newRow("prefixed svg root") << dataUrl("<s:svg xmlns:s=\"http://www.w3.org/2000/svg\"><!--default svg gradient--></s:svg>") << true;
        QTest::newRow("marker text differs in case") << dataUrl("<svg><!--Default SVG Gradient--></svg>") << false;
        QTest::newRow("malformed XML after the marker") << dataUrl("<svg><!--default svg gradient--><rect></svg>") << false;
        QTest::newRow("broken base64") << u"url(data:,PHN2Zz4*)"_s << false;
        QTest::newRow("base64 of nothing") << u"url(data:,)"_s << false;
        QTest::newRow("not base64 at all") << u"url(data:,<svg/>)"_s << false;
        QTest::newRow("empty") << u""_s << false;
        QTest::newRow("a file that does not exist") << u"url(/nonexistent/gradient.svg)"_s << false;
        QTest::newRow("a folder") << u"url(/tmp)"_s << false;
        QTest::newRow("a device") << u"url(/dev/zero)"_s << false;
        // clang-format on
    }
    void gradientsAreSvgWithTheMarkerComment()
    {
        QFETCH(QString, value);
        QFETCH(bool, gradient);
        QCOMPARE(GradientsHelper::isGradient(value), gradient);
    }

    void gradientFilesAreReadFromTheirPath()
    {
        QTemporaryDir dir;
        const QString gradient = dir.filePath("gradient.svg");
        const QString image = dir.filePath("image.svg");
        QFile file(gradient);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(DefaultGradient);
        file.close();
        QFile other(image);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("<svg><circle r=\"4\"/></svg>");
        other.close();
        QVERIFY(GradientsHelper::isGradient(QStringLiteral("url(") + gradient + QLatin1Char(')')));
        QVERIFY(!GradientsHelper::isGradient(QStringLiteral("url(") + image + QLatin1Char(')')));
        // The bare path is taken for base64, which it is not.
        QVERIFY(!GradientsHelper::isGradient(gradient));
    }

    void externalEntitiesAreNotLoaded()
    {
        // Were the entity loaded, its marker comment would be the root's first.
        QTemporaryDir dir;
        QFile part(dir.filePath("part.xml"));
        QVERIFY(part.open(QIODevice::WriteOnly));
        part.write("<!--default svg gradient-->");
        part.close();
        const QByteArray doc = "<!DOCTYPE svg [<!ENTITY e SYSTEM \"file://" +
                               QFile::encodeName(part.fileName()) +
                               "\">]><svg>&e;<!--something else--></svg>";
        QVERIFY(!GradientsHelper::isGradient(dataUrl(doc)));
    }

    void billionLaughsIsRefused()
    {
        QByteArray doc = "<!DOCTYPE svg [<!ENTITY a \"aaaaaaaaaa\">";
        char previous = 'a';
        for (char name = 'b'; name <= 'j'; ++name) {
            doc += QByteArray("<!ENTITY ") + name + " \"" + QByteArray("&") + previous + ";&" +
                   previous + ";&" + previous + ";&" + previous + ";&" + previous + ";&" +
                   previous + ";&" + previous + ";&" + previous + ";&" + previous + ";&" +
                   previous + ";\">";
            previous = name;
        }
        doc += "]><svg><!--default svg gradient-->&j;</svg>";
        QVERIFY(!GradientsHelper::isGradient(dataUrl(doc)));
    }
};

class TestOffscreenDC : public QObject
{
    Q_OBJECT

private:
    static QImage canvas()
    {
        QImage image(40, 30, QImage::Format_ARGB32);
        image.fill(Qt::white);
        return image;
    }

private Q_SLOTS:
    void drawingReachesTheTargetOnlyWhenDone()
    {
        QImage target = canvas();
        QPainter paint(&target);
        {
            OffscreenDC dc(paint, QRect(10, 5, 20, 10), RGB(0, 0, 255));
            // Window coordinates: (12, 7) lies inside the paint rectangle.
            dc.fillRect(QRect(12, 7, 4, 4), Qt::red);
            QCOMPARE(target.pixelColor(13, 8), QColor(Qt::white));
        }
        paint.end();
        QCOMPARE(target.pixelColor(13, 8), QColor(Qt::red));
        QCOMPARE(target.pixelColor(25, 12), QColor(Qt::blue)); // background of the rectangle
        QCOMPARE(target.pixelColor(5, 5), QColor(Qt::white));  // outside it: untouched
        QCOMPARE(target.pixelColor(30, 15), QColor(Qt::white));
    }

    void wholeDeviceAndDrawingOutsideIsClipped()
    {
        QImage target = canvas();
        QPainter paint(&target);
        {
            OffscreenDC dc(paint, RGB(0, 255, 0));
            QCOMPARE(dc.paintRect(), QRect(0, 0, 40, 30));
            dc.fillRect(QRect(-100, -100, 50, 50), Qt::red);
        }
        paint.end();
        QCOMPARE(target.pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(target.pixelColor(39, 29), QColor(Qt::green));
    }
};

UIEDITOR_TEST_CLASS(TestGradientsHelper)
UIEDITOR_TEST_CLASS(TestOffscreenDC)
#include "tst_gradients.moc"
