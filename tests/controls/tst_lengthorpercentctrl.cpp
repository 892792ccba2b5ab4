// The length field of the dialogs, driven with the keyboard and the mouse:
// what it lists, shows and commits, and exactly when it notifies.
#include "controls/lengthorpercentctrl.h"
#include "controls/numberedit.h"
#include "controls/spinbuttonctrl.h"
#include "controls/unitcombobox.h"
#include "fieldwindow.h"
#include "outside/types/globalunitmeasurehelper.h"
#include "testregistry.h"

#include <cmath>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Window = FieldWindow<LengthOrPercentCtrl>;

struct Flags
{
    bool percentAllowed;
    bool positiveOnly;
    bool allUnits;
};

QStringList unitTexts(const QComboBox* units)
{
    QStringList texts;
    for (int i = 0; i < units->count(); ++i) {
        texts << units->itemText(i);
    }
    return texts;
}

QString valueText(const LengthOrPercentCtrl* field)
{
    return field->getValueAsString().toQString();
}

} // namespace

Q_DECLARE_METATYPE(Flags)

class TestLengthOrPercentCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<Xml::LengthOrPercent>();
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Point));
    }

    void cleanup() { GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Point); }

    void offersTheUnitsOfItsFlags_data()
    {
        QTest::addColumn<Flags>("flags");
        QTest::addColumn<QStringList>("units");
        // clang-format off
        QTest::newRow("default: pt and px") << Flags{false, true, false} << QStringList{"pt", "px"};
        QTest::newRow("percent") << Flags{true, false, false} << QStringList{"%", "pt", "px"};
        QTest::newRow("all units") << Flags{false, true, true} << QStringList{"in", "mm", "cm", "em", "pt", "px"};
        QTest::newRow("percent and all units") << Flags{true, false, true} << QStringList{"%", "in", "mm", "cm", "em", "pt", "px"};
        // clang-format on
    }

    void offersTheUnitsOfItsFlags()
    {
        QFETCH(Flags, flags);
        QFETCH(QStringList, units);
        LengthOrPercentCtrl field(flags.percentAllowed, flags.positiveOnly, flags.allUnits);
        QCOMPARE(unitTexts(field.unitList()), units);
        // The default construction is the first row.
        if (!flags.percentAllowed && !flags.allUnits) {
            LengthOrPercentCtrl byDefault;
            QCOMPARE(unitTexts(byDefault.unitList()), units);
            QVERIFY(byDefault.isPositiveOnly());
        }
    }

    void showsWholeNumbersOrOneOrTwoDecimals_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("unit");
        QTest::newRow("12.5pt") << u"12.5pt"_s << u"12.5"_s << u"pt"_s;
        QTest::newRow("12.04pt is whole at one decimal") << u"12.04pt"_s << u"12"_s << u"pt"_s;
        QTest::newRow("12.96pt is not") << u"12.96pt"_s << u"13.0"_s << u"pt"_s;
        QTest::newRow("-1pt") << u"-1pt"_s << u"-1"_s << u"pt"_s;
        QTest::newRow("2.54cm") << u"2.54cm"_s << u"2.54"_s << u"cm"_s;
        QTest::newRow("2.5cm shows two decimals") << u"2.5cm"_s << u"2.50"_s << u"cm"_s;
        QTest::newRow("1in") << u"1in"_s << u"1"_s << u"in"_s;
        QTest::newRow("1.5em") << u"1.5em"_s << u"1.50"_s << u"em"_s;
        QTest::newRow("50%") << u"50%"_s << u"50"_s << u"%"_s;
        QTest::newRow("29% despite binary fractions") << u"29%"_s << u"29"_s << u"%"_s;
        QTest::newRow("12.5%") << u"12.5%"_s << u"12.5"_s << u"%"_s;
        QTest::newRow("-0.04pt shows no sign on zero") << u"-0.04pt"_s << u"0.0"_s << u"pt"_s;
    }

    void showsWholeNumbersOrOneOrTwoDecimals()
    {
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QFETCH(QString, unit);
        LengthOrPercentCtrl field(true, false, true);
        QSignalSpy modified(&field, &LengthOrPercentCtrl::lengthOrPercentModified);
        field.setValue(Core::String(value));
        QCOMPARE(field.numberEdit()->text(), shown);
        QCOMPARE(field.unitList()->currentText(), unit);
        QCOMPARE(valueText(&field), value);
        QCOMPARE(modified.count(), 0);
    }

    void typedTextIsCommittedByEnter_data()
    {
        QTest::addColumn<bool>("positiveOnly");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("visibleBeforeEnter");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("shownAfter");
        // clang-format off
        QTest::newRow("minus swallowed when positive only") << true << u"-5"_s << u"5"_s << u"5pt"_s << u"5"_s;
        QTest::newRow("negative allowed") << false << u"-5"_s << u"-5"_s << u"-5pt"_s << u"-5"_s;
        QTest::newRow("letters swallowed") << true << u"12pt"_s << u"12"_s << u"12pt"_s << u"12"_s;
        QTest::newRow("comma stops the reading") << true << u"1,5"_s << u"1,5"_s << u"1pt"_s << u"1"_s;
        QTest::newRow("nothing but letters gives 0") << true << u"abc"_s << u""_s << u"0pt"_s << u"0"_s;
        QTest::newRow("a lone minus gives 0") << false << u"-"_s << u"-"_s << u"0pt"_s << u"0"_s;
        QTest::newRow("white space passes, reading stops") << true << u" 1 5"_s << u" 1 5"_s << u"1pt"_s << u"1"_s;
        QTest::newRow("more decimals than shown are kept") << true << u"12.04"_s << u"12.04"_s << u"12.04pt"_s << u"12.04"_s;
        QTest::newRow("decimal point") << true << u".5"_s << u".5"_s << u"0.5pt"_s << u"0.5"_s;
        // clang-format on
    }

    void typedTextIsCommittedByEnter()
    {
        QFETCH(bool, positiveOnly);
        QFETCH(QString, typed);
        QFETCH(QString, visibleBeforeEnter);
        QFETCH(QString, committed);
        QFETCH(QString, shownAfter);
        Window w(false, positiveOnly, false);
        QVERIFY(w.show());
        w.field->setValue(Core::String("9pt"));
        QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
        NumberEdit* edit = w.field->numberEdit();
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), visibleBeforeEnter);
        // Typed text is not yet the value.
        QCOMPARE(valueText(w.field), QStringLiteral("9pt"));
        QCOMPARE(modified.count(), 0);

        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(valueText(w.field), committed);
        QCOMPARE(edit->text(), shownAfter);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(modified.at(0).at(0).value<LengthOrPercentCtrl*>(), w.field);
        QCOMPARE(modified.at(0).at(1).value<Xml::LengthOrPercent>().getValueAsString().toQString(),
                 committed);
        QVERIFY(edit->hasFocus());
    }

    // Alt and AltGr (Ctrl+Alt) keys insert their text, as does an input method's
    // commit: the filter must stand in their way too, not only in plain typing's.
    void filterHoldsWhateverTheKeyPath_data()
    {
        QTest::addColumn<int>("modifiers"); // -1: an input method commits the text
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Alt") << int(Qt::AltModifier) << u"@-"_s << u"5"_s;
        QTest::newRow("AltGr") << int(Qt::ControlModifier | Qt::AltModifier) << u"€-"_s << u"5"_s;
        // clang-format off
        QTest::newRow("AltGr digit passes") << int(Qt::ControlModifier | Qt::AltModifier) << u"2"_s << u"52"_s;
        QTest::newRow("input method") << -1 << u"a-€2"_s << u"52"_s;
        // clang-format on
    }

    void filterHoldsWhateverTheKeyPath()
    {
        QFETCH(int, modifiers);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Window w(false, true, false);
        QVERIFY(w.show());
        NumberEdit* edit = w.field->numberEdit();
        edit->setFocus();
        edit->setText(u"5"_s);
        if (modifiers < 0) {
            QInputMethodEvent commit;
            commit.setCommitString(typed);
            QApplication::sendEvent(edit, &commit);
        } else {
            for (const QChar c : typed) {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c),
                                    Qt::KeyboardModifiers(modifiers));
            }
        }
        QCOMPARE(edit->text(), shown);
    }

    void pastedTextIsReadSafely_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("committed");
        QTest::newRow("exponent") << u"1e3"_s << u"1000pt"_s;
        QTest::newRow("overflow is capped") << u"1e999"_s << u"1000000pt"_s;
        QTest::newRow("underflow is 0") << u"1e-999"_s << u"0pt"_s;
        QTest::newRow("inf is no number") << u"inf"_s << u"0pt"_s;
        QTest::newRow("hexadecimal stops at x") << u"0x1F"_s << u"0pt"_s;
        QTest::newRow("other scripts' digits are no number") << QString::fromUtf8("٣") << u"0pt"_s;
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << u"1000000pt"_s;
        QTest::newRow("number then unit") << u" -3.5e1pt"_s << u"-35pt"_s;
    }

    void pastedTextIsReadSafely()
    {
        // Pasting is not typing: the filter does not see it, the reading must.
        QFETCH(QString, pasted);
        QFETCH(QString, committed);
        Window w(false, false, false);
        QVERIFY(w.show());
        NumberEdit* edit = w.field->numberEdit();
        edit->setFocus();
        edit->selectAll();
        edit->insert(pasted);
        QTest::keyClick(edit, Qt::Key_Enter);
        QCOMPARE(valueText(w.field), committed);
    }

    void enterDoesNotPressTheDefaultButton()
    {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* plain = new QLineEdit;
        auto* field = new LengthOrPercentCtrl;
        auto* ok = new QPushButton(QStringLiteral("OK"));
        ok->setDefault(true);
        layout->addWidget(plain);
        layout->addWidget(field);
        layout->addWidget(ok);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QSignalSpy accepted(&dialog, &QDialog::accepted);

        field->numberEdit()->setFocus();
        field->numberEdit()->clear();
        QTest::keyClicks(field->numberEdit(), "7");
        QTest::keyClick(field->numberEdit(), Qt::Key_Return);
        QCOMPARE(valueText(field), QStringLiteral("7pt"));
        QCOMPARE(accepted.count(), 0);
        QVERIFY(dialog.isVisible());

        // The same key in an ordinary edit of the dialog does press it: the
        // check above would catch a field that let Enter through.
        plain->setFocus();
        QTest::keyClick(plain, Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
    }

    void leavingTheEditCommitsAndNotifiesOnce()
    {
        Window w;
        QVERIFY(w.show());
        QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
        NumberEdit* edit = w.field->numberEdit();
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, "8");
        QCOMPARE(modified.count(), 0);
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(w.field->unitList()->hasFocus());
        QCOMPARE(modified.count(), 1);
        QCOMPARE(valueText(w.field), QStringLiteral("8pt"));
        // Leaving the unit list is no commit of the edit.
        QTest::keyClick(w.field->unitList(), Qt::Key_Tab);
        QVERIFY(w.after->hasFocus());
        QCOMPARE(modified.count(), 1);

        // A click elsewhere commits as well.
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, "3.5");
        QTest::mouseClick(w.before, Qt::LeftButton);
        QTRY_VERIFY(w.before->hasFocus());
        QCOMPARE(modified.count(), 2);
        QCOMPARE(valueText(w.field), QStringLiteral("3.5pt"));
    }

    void keyboardMovesBetweenEditAndUnits()
    {
        Window w;
        QVERIFY(w.show());
        NumberEdit* edit = w.field->numberEdit();
        UnitComboBox* units = w.field->unitList();

        // Into the field from the edit before it, and out again backwards.
        w.before->setFocus();
        QTest::keyClick(w.before, Qt::Key_Tab);
        QVERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(units->hasFocus());
        QVERIFY(!units->view()->isVisible());
        QTest::keyClick(units, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(w.before->hasFocus());

        // Ctrl+Tab moves to the list and opens it.
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
        QTRY_VERIFY(units->view()->isVisible());
        units->hidePopup();
        QTRY_VERIFY(units->hasFocus());

        // Giving the field the focus gives it to the number.
        w.after->setFocus();
        w.field->setFocus();
        QVERIFY(edit->hasFocus());
    }

    void arrowsStepByTheUnitsStep_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("typed"); // into the edit, not committed
        QTest::addColumn<bool>("positiveOnly");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("stepped");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("10pt up") << u"10pt"_s << u""_s << true << true << u"11pt"_s << u"11"_s;
        QTest::newRow("2.5cm up") << u"2.5cm"_s << u""_s << true << true << u"2.6cm"_s << u"2.60"_s;
        QTest::newRow("1in down") << u"1in"_s << u""_s << true << false << u"0.9in"_s << u"0.90"_s;
        QTest::newRow("5mm up by one") << u"5mm"_s << u""_s << true << true << u"6mm"_s << u"6"_s;
        QTest::newRow("50% adds 0.01 to the fraction") << u"50%"_s << u""_s << true << true << u"51%"_s << u"51"_s;
        QTest::newRow("0px down stays at 0 when positive") << u"0px"_s << u""_s << true << false << u"0px"_s << u"0"_s;
        QTest::newRow("0px down goes negative otherwise") << u"0px"_s << u""_s << false << false << u"-1px"_s << u"-1"_s;
        QTest::newRow("0.5pt down stops at 0") << u"0.5pt"_s << u""_s << true << false << u"0pt"_s << u"0"_s;
        QTest::newRow("12.04pt steps from what is shown") << u"12.04pt"_s << u""_s << true << true << u"13pt"_s << u"13"_s;
        QTest::newRow("2.556cm steps from the 2.56 shown") << u"2.556cm"_s << u""_s << true << true << u"2.66cm"_s << u"2.66"_s;
        QTest::newRow("steps from typed text") << u"5pt"_s << u"20"_s << true << true << u"21pt"_s << u"21"_s;
        // clang-format on
    }

    void arrowsStepByTheUnitsStep()
    {
        QFETCH(QString, value);
        QFETCH(QString, typed);
        QFETCH(bool, positiveOnly);
        QFETCH(bool, up);
        QFETCH(QString, stepped);
        QFETCH(QString, shown);
        // Once with a click on the arrows, once with the keys in the edit.
        for (const bool withKeys : {false, true}) {
            Window w(true, positiveOnly, true);
            QVERIFY(w.show());
            w.field->setValue(Core::String(value));
            w.field->numberEdit()->setFocus();
            if (!typed.isEmpty()) {
                w.field->numberEdit()->clear();
                QTest::keyClicks(w.field->numberEdit(), typed);
            }
            QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
            if (withKeys) {
                QTest::keyClick(w.field->numberEdit(), up ? Qt::Key_Up : Qt::Key_Down);
            } else {
                SpinButtonCtrl* spin = w.field->spinButton();
                QTest::mouseClick(spin, Qt::LeftButton, {},
                                  (up ? spin->upButtonRect() : spin->downButtonRect()).center());
            }
            QCOMPARE(valueText(w.field), stepped);
            QCOMPARE(w.field->numberEdit()->text(), shown);
            QCOMPARE(modified.count(), 1);
            // The arrows never take the focus from the number.
            QVERIFY(w.field->numberEdit()->hasFocus());
        }
    }

    void holdingAnArrowRepeats()
    {
        Window w;
        QVERIFY(w.show());
        w.field->setValue(Core::String("10pt"));
        SpinButtonCtrl* spin = w.field->spinButton();
        QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
        QTest::mousePress(spin, Qt::LeftButton, {}, spin->upButtonRect().center());
        QTRY_VERIFY(modified.count() >= 3);
        QTest::mouseRelease(spin, Qt::LeftButton, {}, spin->upButtonRect().center());
        const int steps = modified.count();
        QCOMPARE(valueText(w.field), QStringLiteral("%1pt").arg(10 + steps));
        QTest::qWait(400);
        QCOMPARE(modified.count(), steps);
    }

    void pickingAUnitConvertsAndNotifies_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("72pt to in") << u"72pt"_s << u"in"_s << u"1in"_s << u"1"_s;
        QTest::newRow("10mm to cm") << u"10mm"_s << u"cm"_s << u"1cm"_s << u"1"_s;
        QTest::newRow("1in to px") << u"1in"_s << u"px"_s << u"96px"_s << u"96"_s;
        QTest::newRow("12pt to % keeps the number") << u"12pt"_s << u"%"_s << u"12%"_s << u"12"_s;
        QTest::newRow("50% to pt keeps the number") << u"50%"_s << u"pt"_s << u"50pt"_s << u"50"_s;
        QTest::newRow("1pt to mm") << u"1pt"_s << u"mm"_s << u"0.352778mm"_s << u"0.35"_s;
        QTest::newRow("the shown unit again changes nothing")
            << u"3cm"_s << u"cm"_s << u"3cm"_s << u"3"_s;
    }

    void pickingAUnitConvertsAndNotifies()
    {
        QFETCH(QString, value);
        QFETCH(QString, unit);
        QFETCH(QString, committed);
        QFETCH(QString, shown);
        Window w(true, false, true);
        QVERIFY(w.show());
        w.field->setValue(Core::String(value));
        QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
        w.after->setFocus();
        pickUnit(w.field->unitList(), unit);
        QCOMPARE(valueText(w.field), committed);
        QCOMPARE(w.field->numberEdit()->text(), shown);
        QCOMPARE(w.field->unitList()->currentText(), unit);
        QCOMPARE(modified.count(), committed == value ? 0 : 1);
    }

    void clickingTheUnitListCommitsTypedTextFirst()
    {
        Window w(false, true, true);
        QVERIFY(w.show());
        w.field->setValue(Core::String("1pt"));
        w.field->numberEdit()->setFocus();
        w.field->numberEdit()->clear();
        QTest::keyClicks(w.field->numberEdit(), "144");
        QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
        pickUnit(w.field->unitList(), QStringLiteral("in"));
        // The focus loss committed 144pt, the pick converted it.
        QCOMPARE(modified.count(), 2);
        QCOMPARE(modified.at(0).at(1).value<Xml::LengthOrPercent>().getValueAsString().toQString(),
                 QStringLiteral("144pt"));
        QCOMPARE(valueText(w.field), QStringLiteral("2in"));
    }

    void settersNeverNotify()
    {
        LengthOrPercentCtrl field(true, false, true);
        QSignalSpy modified(&field, &LengthOrPercentCtrl::lengthOrPercentModified);
        field.setValue(Core::String("4cm"));
        field.setValue(5.0, "mm");
        field.setUnit("i");
        Xml::LengthOrPercent value(0.25);
        field.DDX_Value(DataExchange::load(), value);
        Xml::Length length(3.0, Xml::Length::Pt);
        field.DDX_Value(DataExchange::load(), length);
        Core::String text("7px");
        field.DDX_Value(DataExchange::load(), text);
        field.setAssignedLengthOrPercent(Xml::LengthOrPercent(0.5), false, true);
        field.setAssignedLengthOrPercent(Xml::Length(2.0, Xml::Length::In), false, false);
        QCOMPARE(modified.count(), 0);
        QCOMPARE(valueText(&field), QStringLiteral("2in"));
        QCOMPARE(field.numberEdit()->text(), QStringLiteral("2"));
    }

    void assigningWithNotifyNotifiesBeforeShowing()
    {
        LengthOrPercentCtrl field(false, true, true);
        field.setValue(Core::String("72pt"));
        QString shownDuringNotification;
        QString valueDuringNotification;
        connect(&field, &LengthOrPercentCtrl::lengthOrPercentModified, this,
                [&](LengthOrPercentCtrl* control, const Xml::LengthOrPercent& value) {
                    shownDuringNotification = control->numberEdit()->text();
                    valueDuringNotification = value.getValueAsString();
                });
        field.setAssignedLengthOrPercent(Xml::Length(0.0, Xml::Length::In), true, true);
        QCOMPARE(valueDuringNotification, QStringLiteral("1in"));
        QCOMPARE(shownDuringNotification, QStringLiteral("72"));
        QCOMPARE(field.numberEdit()->text(), QStringLiteral("1"));
        QCOMPARE(field.unitList()->currentText(), QStringLiteral("in"));
    }

    void dataExchangeSeesOnlyCommittedValues()
    {
        Window w(true, false, true);
        QVERIFY(w.show());
        Xml::LengthOrPercent given(0.5);
        w.field->DDX_Value(DataExchange::load(), given);
        QCOMPARE(w.field->numberEdit()->text(), QStringLiteral("50"));
        QCOMPARE(w.field->unitList()->currentText(), QStringLiteral("%"));

        // Typed, not committed: saving still gives what was loaded.
        w.field->numberEdit()->setFocus();
        w.field->numberEdit()->clear();
        QTest::keyClicks(w.field->numberEdit(), "75");
        Xml::LengthOrPercent saved;
        w.field->DDX_Value(DataExchange::save(), saved);
        QVERIFY(saved == given);
        Xml::Length savedLength;
        w.field->DDX_Value(DataExchange::save(), savedLength);
        QCOMPARE(savedLength.getValueAsString().toQString(), QStringLiteral("50px"));
        Core::String savedText;
        w.field->DDX_Value(DataExchange::save(), savedText);
        QCOMPARE(savedText.toQString(), QStringLiteral("50%"));

        // Committed, it is saved.
        QTest::keyClick(w.field->numberEdit(), Qt::Key_Return);
        w.field->DDX_Value(DataExchange::save(), savedText);
        QCOMPARE(savedText.toQString(), QStringLiteral("75%"));

        Xml::Length length(2.54, Xml::Length::Cm);
        w.field->DDX_Value(DataExchange::load(), length);
        QCOMPARE(w.field->numberEdit()->text(), QStringLiteral("2.54"));
        QCOMPARE(w.field->unitList()->currentText(), QStringLiteral("cm"));
        Core::String bad("not a length");
        w.field->DDX_Value(DataExchange::load(), bad);
        QCOMPARE(valueText(w.field), QStringLiteral("2.54cm"));
    }

    void enableWindowSwitchesTheChildrenOnly()
    {
        Window w;
        QVERIFY(w.show());
        QVERIFY(!w.field->EnableWindow(false)); // it was enabled
        QVERIFY(!w.field->numberEdit()->isEnabled());
        QVERIFY(w.field->isEnabled());
        QVERIFY(w.field->EnableWindow(false)); // it was disabled
        // A disabled field ignores its arrows.
        QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
        QTest::mouseClick(w.field->spinButton(), Qt::LeftButton, {},
                          w.field->spinButton()->upButtonRect().center());
        QCOMPARE(modified.count(), 0);
        QVERIFY(w.field->EnableWindow(true));
        QVERIFY(w.field->numberEdit()->isEnabled());
        QVERIFY(!w.field->EnableWindow(true));
    }

    void initialValueFollowsThePreferredUnit_data()
    {
        QTest::addColumn<int>("preferred");
        QTest::addColumn<bool>("allUnits");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("unit");
        // clang-format off
        QTest::newRow("points") << int(UnitMeasure::Point) << false << u"0pt"_s << u"pt"_s;
        QTest::newRow("inches without all units") << int(UnitMeasure::Inch) << false << u"0px"_s << u"px"_s;
        QTest::newRow("inches with all units") << int(UnitMeasure::Inch) << true << u"0in"_s << u"in"_s;
        // clang-format on
    }

    void initialValueFollowsThePreferredUnit()
    {
        QFETCH(int, preferred);
        QFETCH(bool, allUnits);
        QFETCH(QString, initial);
        QFETCH(QString, unit);
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure(preferred)));
        LengthOrPercentCtrl field(false, true, allUnits);
        QCOMPARE(valueText(&field), initial);
        QCOMPARE(field.unitList()->currentText(), unit);
        QCOMPARE(field.numberEdit()->text(), QStringLiteral("0"));
        // A form sets the flags after construction: the initial value follows.
        LengthOrPercentCtrl promoted;
        promoted.setAllUnits(allUnits);
        QCOMPARE(valueText(&promoted), initial);
    }

    void aListenerThatTakesTheFocusIsNotNotifiedAgain()
    {
        Window w;
        QVERIFY(w.show());
        int calls = 0;
        connect(w.field, &LengthOrPercentCtrl::lengthOrPercentModified, this,
                [&](LengthOrPercentCtrl*, const Xml::LengthOrPercent&) {
                    ++calls;
                    // As a message box would: the focus leaves the edit.
                    w.after->setFocus();
                });
        w.field->numberEdit()->setFocus();
        QTest::keyClicks(w.field->numberEdit(), "4");
        QTest::keyClick(w.field->numberEdit(), Qt::Key_Return);
        QCOMPARE(calls, 1);
        QVERIFY(w.after->hasFocus());
    }
};

UIEDITOR_TEST_CLASS(TestLengthOrPercentCtrl)
#include "tst_lengthorpercentctrl.moc"
