// Units: conversions the length fields and page dialogs rely on, and the user's
// unit kept in the settings.
#include "outside/types/globalunitmeasurehelper.h"
#include "outside/types/globalunitmeasurenotifier.h"
#include "outside/types/unitmeasurehelper.h"
#include "testregistry.h"

#include <cmath>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(UnitMeasure)

namespace {

const UnitMeasure allUnits[] = {UnitMeasure::Point,      UnitMeasure::Pixel,      UnitMeasure::Inch,
                                UnitMeasure::Centimeter, UnitMeasure::Millimeter, UnitMeasure::Em};

bool closeTo(double actual, double expected)
{
    return std::abs(actual - expected) <= 1e-9 * std::max(1.0, std::abs(expected));
}

// Where GlobalUnitMeasureHelper keeps the unit (documented in its header).
const QString organization = QStringLiteral("Varnel");
const QString application = QStringLiteral("Designer");
const QString unitKey = QStringLiteral("Units/Global");

QVariant storedUnit()
{
    return QSettings(organization, application).value(unitKey);
}

void storeUnit(const QVariant& value)
{
    QSettings(organization, application).setValue(unitKey, value);
}

void removeStoredUnit()
{
    QSettings(organization, application).remove(unitKey);
}

} // namespace

class TestUnitMeasure : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversions_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<UnitMeasure>("from");
        QTest::addColumn<UnitMeasure>("to");
        QTest::addColumn<double>("expected");
        // clang-format off
        QTest::newRow("72 pt make an inch") << 72.0 << UnitMeasure::Point << UnitMeasure::Inch << 1.0;
        QTest::newRow("letter width in points") << 8.5 << UnitMeasure::Inch << UnitMeasure::Point << 612.0;
        QTest::newRow("inch in centimetres") << 1.0 << UnitMeasure::Inch << UnitMeasure::Centimeter << 2.54;
        QTest::newRow("96 px make 72 pt") << 96.0 << UnitMeasure::Pixel << UnitMeasure::Point << 72.0;
        QTest::newRow("A4 height in millimetres") << 11.7 << UnitMeasure::Inch << UnitMeasure::Millimeter << 297.18;
        QTest::newRow("an em is 12 pt") << 2.0 << UnitMeasure::Em << UnitMeasure::Point << 24.0;
        QTest::newRow("an em is 16 px") << 1.0 << UnitMeasure::Em << UnitMeasure::Pixel << 16.0;
        QTest::newRow("negative values convert") << -36.0 << UnitMeasure::Point << UnitMeasure::Inch << -0.5;
        // clang-format on
    }
    void conversions()
    {
        QFETCH(double, value);
        QFETCH(UnitMeasure, from);
        QFETCH(UnitMeasure, to);
        QFETCH(double, expected);
        const double result = UnitMeasureHelper::convertUnitMeasure(value, from, to);
        QVERIFY2(closeTo(result, expected), qPrintable(QString::number(result, 'g', 17)));
    }

    void conversionsReturnUnchanged_data()
    {
        QTest::addColumn<UnitMeasure>("from");
        QTest::addColumn<UnitMeasure>("to");
        for (const UnitMeasure from : allUnits) {
            for (const UnitMeasure to : allUnits) {
                // clang-format off
                QTest::addRow("%s to %s", qPrintable(UnitMeasureHelper::getUnitName(from).toQString()), qPrintable(UnitMeasureHelper::getUnitName(to).toQString())) << from << to;
                // clang-format on
            }
        }
    }
    void conversionsReturnUnchanged()
    {
        QFETCH(UnitMeasure, from);
        QFETCH(UnitMeasure, to);
        for (const double value : {1.0, 12.5, 0.1, 612.0, -3.25, 1e6}) {
            const double there = UnitMeasureHelper::convertUnitMeasure(value, from, to);
            const double back = UnitMeasureHelper::convertUnitMeasure(there, to, from);
            QVERIFY2(closeTo(back, value), qPrintable(QString::number(back, 'g', 17)));
            // Going through points gives the same number as going directly.
            const double viaPoints = UnitMeasureHelper::convertUnitMeasure(
                UnitMeasureHelper::convertUnitMeasure(value, from, UnitMeasure::Point),
                UnitMeasure::Point, to);
            QVERIFY(closeTo(viaPoints, there));
        }
    }

    void cssUnitCodes_data()
    {
        QTest::addColumn<UnitMeasure>("unit");
        QTest::addColumn<int>("cssUnit");
        QTest::addColumn<QString>("name");
        QTest::newRow("px") << UnitMeasure::Pixel << 0 << u"px"_s;
        QTest::newRow("pt") << UnitMeasure::Point << 1 << u"pt"_s;
        QTest::newRow("cm") << UnitMeasure::Centimeter << 3 << u"cm"_s;
        QTest::newRow("mm") << UnitMeasure::Millimeter << 4 << u"mm"_s;
        QTest::newRow("in") << UnitMeasure::Inch << 5 << u"in"_s;
        QTest::newRow("em") << UnitMeasure::Em << 6 << u"em"_s;
    }
    void cssUnitCodes()
    {
        QFETCH(UnitMeasure, unit);
        QFETCH(int, cssUnit);
        QFETCH(QString, name);
        QCOMPARE(UnitMeasureHelper::toCSSLength(unit), cssUnit);
        QCOMPARE(UnitMeasureHelper::fromCSSLength(cssUnit), unit);
        QCOMPARE(UnitMeasureHelper::getUnitName(unit).toQString(), name);
        UnitMeasure parsed = UnitMeasure::Em == unit ? UnitMeasure::Point : UnitMeasure::Em;
        QVERIFY(
            UnitMeasureHelper::parseUnitName(QStringLiteral(" %1 ").arg(name.toUpper()), parsed));
        QCOMPARE(parsed, unit);
    }

    void globalUnitIsKept_data()
    {
        QTest::addColumn<UnitMeasure>("unit");
        QTest::newRow("in") << UnitMeasure::Inch;
        QTest::newRow("px") << UnitMeasure::Pixel;
        QTest::newRow("pt") << UnitMeasure::Point;
    }
    void globalUnitIsKept()
    {
        QFETCH(UnitMeasure, unit);
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(unit));
        QCOMPARE(GlobalUnitMeasureHelper::getGlobalUnitMeasure(), unit);
        // Stored where other programs of the family read it, as a readable name.
        QCOMPARE(storedUnit().toString(), UnitMeasureHelper::getUnitName(unit).toQString());
    }

    void emIsNoGlobalUnit()
    {
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Millimeter));
        QVERIFY(!GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Em));
        QVERIFY(!GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure(42)));
        QCOMPARE(GlobalUnitMeasureHelper::getGlobalUnitMeasure(), UnitMeasure::Millimeter);
    }

    void brokenStoredUnitFallsBackToPoints_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("unknown name") << QVariant(QStringLiteral("furlong"));
        QTest::newRow("number") << QVariant(5);
        QTest::newRow("em") << QVariant(QStringLiteral("em"));
    }
    void brokenStoredUnitFallsBackToPoints()
    {
        QFETCH(QVariant, stored);
        // Something other than points first, so that a fallback is visible.
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Inch));
        // Written by another program: read when asked to, and open windows are told.
        storeUnit(stored);
        QCOMPARE(GlobalUnitMeasureHelper::getGlobalUnitMeasure(), UnitMeasure::Inch);
        QSignalSpy changed(GlobalUnitMeasureNotifier::instance(),
                           &GlobalUnitMeasureNotifier::unitChanged);
        GlobalUnitMeasureHelper::reloadGlobalUnitMeasure();
        QCOMPARE(GlobalUnitMeasureHelper::getGlobalUnitMeasure(), UnitMeasure::Point);
        QCOMPARE(changed.count(), 1);
    }

    void cleanupTestCase() { removeStoredUnit(); }
};

UIEDITOR_TEST_CLASS(TestUnitMeasure)
#include "tst_unitmeasure.moc"
