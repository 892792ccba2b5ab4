// The host's twin of the length field: where it behaves differently from
// LengthOrPercentCtrl, and that the shared behaviour holds for it too.
#include "controls/lengthorpercentctrl.h"
#include "controls/lengthorpercenteditor.h"
#include "controls/numbereditor.h"
#include "controls/spincontrol.h"
#include "controls/unitcombo.h"
#include "fieldwindow.h"
#include "outside/types/globalunitmeasurehelper.h"
#include "testregistry.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Window = FieldWindow<LengthOrPercentEditor>;

} // namespace

class TestLengthOrPercentEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Point));
    }

    void cleanup() { GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Point); }

    void offersEveryUnitButEm()
    {
        LengthOrPercentEditor editor(true, false, true);
        QStringList units;
        for (int i = 0; i < editor.unitList()->count(); ++i) {
            units << editor.unitList()->itemText(i);
        }
        QCOMPARE(units, (QStringList{"%", "in", "mm", "cm", "pt", "px"}));
    }

    void showsWholeNumbersWithinAStep_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2.54cm") << u"2.54cm"_s << u"2.54"_s;
        QTest::newRow("2.05cm is within a step of 2") << u"2.05cm"_s << u"2"_s;
        QTest::newRow("1.5in") << u"1.5in"_s << u"1.50"_s;
        QTest::newRow("-1.96cm") << u"-1.96cm"_s << u"-2"_s;
        QTest::newRow("12.4pt is always whole") << u"12.4pt"_s << u"12"_s;
        QTest::newRow("12.5pt rounds half up") << u"12.5pt"_s << u"13"_s;
        QTest::newRow("50.5%") << u"50.5%"_s << u"51"_s;
        QTest::newRow("2em steps by one") << u"2.3em"_s << u"2"_s;
    }

    void showsWholeNumbersWithinAStep()
    {
        QFETCH(QString, value);
        QFETCH(QString, shown);
        LengthOrPercentEditor editor(true, false, true);
        editor.setValue(Core::String(value));
        QCOMPARE(editor.numberEdit()->text(), shown);
    }

    void pickingAUnitKeepsTheNumberAndTheText()
    {
        Window w(true, false, true);
        QVERIFY(w.show());
        w.field->setValue(Core::String("72pt"));
        QSignalSpy modified(w.field, &LengthOrPercentEditor::lengthOrPercentModified);
        w.after->setFocus();
        pickUnit(w.field->unitList(), QStringLiteral("in"));
        QCOMPARE(modified.count(), 1);
        QCOMPARE(modified.at(0).at(0).value<LengthOrPercentEditor*>(), w.field);
        QCOMPARE(modified.at(0).at(1).value<Xml::LengthOrPercent>().getValueAsString().toQString(),
                 QStringLiteral("72in"));
        QCOMPARE(w.field->numberEdit()->text(), QStringLiteral("72"));
        QCOMPARE(w.field->unitList()->currentText(), QStringLiteral("in"));

        pickUnit(w.field->unitList(), QStringLiteral("%"));
        QCOMPARE(w.field->getValueAsString().toQString(), QStringLiteral("72%"));
    }

    void getValueCommitsTheEditWithoutNotifying()
    {
        Window w;
        QVERIFY(w.show());
        w.field->setValue(Core::String("5pt"));
        QSignalSpy modified(w.field, &LengthOrPercentEditor::lengthOrPercentModified);
        w.field->numberEdit()->setFocus();
        w.field->numberEdit()->clear();
        QTest::keyClicks(w.field->numberEdit(), "15");
        QCOMPARE(w.field->getValue().getValueAsString().toQString(), QStringLiteral("15pt"));
        QCOMPARE(modified.count(), 0);
        w.field->numberEdit()->clear();
        QTest::keyClicks(w.field->numberEdit(), "16");
        QCOMPARE(w.field->getValueAsString().toQString(), QStringLiteral("16pt"));
        QCOMPARE(modified.count(), 0);
    }

    void assigningKeepsTheNumber_data()
    {
        QTest::addColumn<bool>("notify");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<QString>("unitAfter");
        QTest::addColumn<int>("notifications");
        QTest::newRow("with notify the display stays") << true << u"72"_s << u"pt"_s << 1;
        QTest::newRow("without, it is shown") << false << u"72"_s << u"in"_s << 0;
    }

    void assigningKeepsTheNumber()
    {
        QFETCH(bool, notify);
        QFETCH(QString, shownAfter);
        QFETCH(QString, unitAfter);
        QFETCH(int, notifications);
        LengthOrPercentEditor editor(false, true, true);
        editor.setValue(Core::String("72pt"));
        QSignalSpy modified(&editor, &LengthOrPercentEditor::lengthOrPercentModified);
        editor.setAssignedLengthOrPercent(Xml::Length(0.0, Xml::Length::In), notify, true);
        QCOMPARE(modified.count(), notifications);
        QCOMPARE(editor.numberEdit()->text(), shownAfter);
        QCOMPARE(editor.unitList()->currentText(), unitAfter);
        QCOMPARE(editor.getValueAsString().toQString(), QStringLiteral("72in"));
    }

    void stepsByTheTwinsStep_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stepped");
        QTest::newRow("cm by a tenth") << u"2cm"_s << u"2.1cm"_s;
        QTest::newRow("em by one (no fine steps)") << u"2em"_s << u"3em"_s;
        QTest::newRow("percent by one point") << u"10%"_s << u"11%"_s;
    }

    void stepsByTheTwinsStep()
    {
        QFETCH(QString, value);
        QFETCH(QString, stepped);
        Window w(true, false, true);
        QVERIFY(w.show());
        w.field->setValue(Core::String(value));
        QSignalSpy modified(w.field, &LengthOrPercentEditor::lengthOrPercentModified);
        w.field->numberEdit()->setFocus();
        QTest::keyClick(w.field->numberEdit(), Qt::Key_Up);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(w.field->getValueAsString().toQString(), stepped);
    }
};

UIEDITOR_TEST_CLASS(TestLengthOrPercentEditor)
#include "tst_lengthorpercenteditor.moc"
