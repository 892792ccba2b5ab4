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
        QTest::newRow("default: pt and px") << Flags{false, true, false} << QStringList{"pt", "px"};
        QTest::newRow("percent") << Flags{true, false, false} << QStringList{"%", "pt", "px"};
        QTest::newRow("all units")
            << Flags{false, true, true} << QStringList{"in", "mm", "cm", "em", "pt", "px"};
        QTest::newRow("percent and all units")
            << Flags{true, false, true} << QStringList{"%", "in", "mm", "cm", "em", "pt", "px"};
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
        QTest::newRow("12pt") << "12pt"
                              << "12"
                              << "pt";
        QTest::newRow("12.5pt") << "12.5pt"
                                << "12.5"
                                << "pt";
        QTest::newRow("12.04pt is whole at one decimal") << "12.04pt"
                                                         << "12"
                                                         << "pt";
        QTest::newRow("12.96pt is not") << "12.96pt"
                                        << "13.0"
                                        << "pt";
        QTest::newRow("-1pt") << "-1pt"
                              << "-1"
                              << "pt";
        QTest::newRow("2.54cm") << "2.54cm"
                                << "2.54"
                                << "cm";
        QTest::newRow("2.5cm shows two decimals") << "2.5cm"
                                                  << "2.50"
                                                  << "cm";
        QTest::newRow("0.1cm") << "0.1cm"
                               << "0.10"
                               << "cm";
        QTest::newRow("1in") << "1in"
                             << "1"
                             << "in";
        QTest::newRow("1.5em") << "1.5em"
                               << "1.50"
                               << "em";
        QTest::newRow("50%") << "50%"
                             << "50"
                             << "%";
        QTest::newRow("29% despite binary fractions") << "29%"
                                                      << "29"
                                                      << "%";
        QTest::newRow("12.5%") << "12.5%"
                               << "12.5"
                               << "%";
        QTest::newRow("-0.04pt shows no sign on zero") << "-0.04pt"
                                                       << "0.0"
                                                       << "pt";
        QTest::newRow("0px") << "0px"
                             << "0"
                             << "px";
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

    void setValueWithNumberAndUnitJoinsThem_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("value");
        QTest::newRow("points") << 12.5 << "pt"
                                << "12.5pt";
        QTest::newRow("centimetres") << 2.54 << "cm"
                                     << "2.54cm";
        QTest::newRow("percent") << 50.0 << "%"
                                 << "50%";
        QTest::newRow("unit in capitals") << 3.0 << "MM"
                                          << "3mm";
        QTest::newRow("no unit: no length, value kept") << 7.0 << ""
                                                        << "1in";
        QTest::newRow("unknown unit: value kept") << 7.0 << "furlong"
                                                  << "1in";
    }

    void setValueWithNumberAndUnitJoinsThem()
    {
        QFETCH(double, number);
        QFETCH(QString, unit);
        QFETCH(QString, value);
        LengthOrPercentCtrl field(true, false, true);
        field.setValue(Core::String("1in"));
        field.setValue(number, unit);
        QCOMPARE(valueText(&field), value);
    }

    void typedTextIsCommittedByEnter_data()
    {
        QTest::addColumn<bool>("positiveOnly");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("visibleBeforeEnter");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("minus swallowed when positive only") << true << "-5"
                                                            << "5"
                                                            << "5pt"
                                                            << "5";
        QTest::newRow("negative allowed") << false << "-5"
                                          << "-5"
                                          << "-5pt"
                                          << "-5";
        QTest::newRow("letters swallowed") << true << "12pt"
                                           << "12"
                                           << "12pt"
                                           << "12";
        QTest::newRow("comma stops the reading") << true << "1,5"
                                                 << "1,5"
                                                 << "1pt"
                                                 << "1";
        QTest::newRow("nothing but letters gives 0") << true << "abc"
                                                     << ""
                                                     << "0pt"
                                                     << "0";
        QTest::newRow("a lone minus gives 0") << false << "-"
                                              << "-"
                                              << "0pt"
                                              << "0";
        QTest::newRow("plus and symbols swallowed") << true << "+7$"
                                                    << "7"
                                                    << "7pt"
                                                    << "7";
        QTest::newRow("white space passes, reading stops") << true << " 1 5"
                                                           << " 1 5"
                                                           << "1pt"
                                                           << "1";
        QTest::newRow("more decimals than shown are kept") << true << "12.04"
                                                           << "12.04"
                                                           << "12.04pt"
                                                           << "12.04";
        QTest::newRow("decimal point") << true << ".5"
                                       << ".5"
                                       << "0.5pt"
                                       << "0.5";
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
        QTest::newRow("AltGr digit passes")
            << int(Qt::ControlModifier | Qt::AltModifier) << u"2"_s << u"52"_s;
        QTest::newRow("input method") << -1 << u"a-€2"_s << u"52"_s;
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
        QTest::newRow("exponent") << "1e3"
                                  << "1000pt";
        QTest::newRow("overflow is capped") << "1e999"
                                            << "1000000pt";
        QTest::newRow("negative overflow is capped") << "-1e999"
                                                     << "-1000000pt";
        QTest::newRow("underflow is 0") << "1e-999"
                                        << "0pt";
        QTest::newRow("inf is no number") << "inf"
                                          << "0pt";
        QTest::newRow("nan is no number") << "nan"
                                          << "0pt";
        QTest::newRow("hexadecimal stops at x") << "0x1F"
                                                << "0pt";
        QTest::newRow("other scripts' digits are no number") << QString::fromUtf8("٣") << "0pt";
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << "1000000pt";
        QTest::newRow("leading zeros") << "000000000000000000000000000012.5"
                                       << "12.5pt";
        QTest::newRow("number then unit") << " -3.5e1pt"
                                          << "-35pt";
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
        QSignalSpy modified(field, &LengthOrPercentCtrl::lengthOrPercentModified);

        field->numberEdit()->setFocus();
        field->numberEdit()->clear();
        QTest::keyClicks(field->numberEdit(), "7");
        QTest::keyClick(field->numberEdit(), Qt::Key_Return);
        QCOMPARE(modified.count(), 1);
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
        QTest::addColumn<bool>("positiveOnly");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("stepped");
        QTest::addColumn<QString>("shown");
        QTest::newRow("10pt up") << "10pt" << true << true << "11pt"
                                 << "11";
        QTest::newRow("10pt down") << "10pt" << true << false << "9pt"
                                   << "9";
        QTest::newRow("2.5cm up") << "2.5cm" << true << true << "2.6cm"
                                  << "2.60";
        QTest::newRow("1in down") << "1in" << true << false << "0.9in"
                                  << "0.90";
        QTest::newRow("1em up") << "1em" << true << true << "1.1em"
                                << "1.10";
        QTest::newRow("5mm up by one") << "5mm" << true << true << "6mm"
                                       << "6";
        QTest::newRow("50% adds 0.01 to the fraction") << "50%" << true << true << "51%"
                                                       << "51";
        QTest::newRow("0px down stays at 0 when positive") << "0px" << true << false << "0px"
                                                           << "0";
        QTest::newRow("0px down goes negative otherwise") << "0px" << false << false << "-1px"
                                                          << "-1";
        QTest::newRow("0.5pt down stops at 0") << "0.5pt" << true << false << "0pt"
                                               << "0";
        QTest::newRow("12.04pt steps from what is shown") << "12.04pt" << true << true << "13pt"
                                                          << "13";
        QTest::newRow("2.556cm steps from the 2.56 shown") << "2.556cm" << true << true << "2.66cm"
                                                           << "2.66";
    }

    void arrowsStepByTheUnitsStep()
    {
        QFETCH(QString, value);
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

    void arrowsStepFromTypedText()
    {
        Window w;
        QVERIFY(w.show());
        w.field->setValue(Core::String("5pt"));
        NumberEdit* edit = w.field->numberEdit();
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, "20");
        QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
        SpinButtonCtrl* spin = w.field->spinButton();
        QTest::mouseClick(spin, Qt::LeftButton, {}, spin->upButtonRect().center());
        QCOMPARE(valueText(w.field), QStringLiteral("21pt"));
        QCOMPARE(modified.count(), 1);
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
        QTest::newRow("72pt to in") << "72pt"
                                    << "in"
                                    << "1in"
                                    << "1";
        QTest::newRow("10mm to cm") << "10mm"
                                    << "cm"
                                    << "1cm"
                                    << "1";
        QTest::newRow("1in to px") << "1in"
                                   << "px"
                                   << "96px"
                                   << "96";
        QTest::newRow("12pt to % keeps the number") << "12pt"
                                                    << "%"
                                                    << "12%"
                                                    << "12";
        QTest::newRow("50% to pt keeps the number") << "50%"
                                                    << "pt"
                                                    << "50pt"
                                                    << "50";
        QTest::newRow("1pt to mm") << "1pt"
                                   << "mm"
                                   << "0.352778mm"
                                   << "0.35";
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
        QCOMPARE(modified.count(), 1);
    }

    void pickingTheShownUnitAgainChangesNothing()
    {
        Window w(true, false, true);
        QVERIFY(w.show());
        w.field->setValue(Core::String("3cm"));
        QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
        w.after->setFocus();
        pickUnit(w.field->unitList(), QStringLiteral("cm"));
        QCOMPARE(modified.count(), 0);
        QCOMPARE(valueText(w.field), QStringLiteral("3cm"));
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

    void setUnitMovesOnlyTheList()
    {
        Window w(false, true, true);
        QVERIFY(w.show());
        w.field->setValue(Core::String("12pt"));
        w.field->setUnit("c");
        QCOMPARE(w.field->unitList()->currentText(), QStringLiteral("cm"));
        QCOMPARE(valueText(w.field), QStringLiteral("12pt"));
        w.field->setUnit("nothing begins so");
        QCOMPARE(w.field->unitList()->currentText(), QStringLiteral("cm"));
        // The next commit keeps the value's own unit.
        w.field->numberEdit()->setFocus();
        w.field->numberEdit()->clear();
        QTest::keyClicks(w.field->numberEdit(), "5");
        QTest::keyClick(w.field->numberEdit(), Qt::Key_Return);
        QCOMPARE(valueText(w.field), QStringLiteral("5pt"));
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
        QVERIFY(!w.field->spinButton()->isEnabled());
        QVERIFY(!w.field->unitList()->isEnabled());
        QVERIFY(w.field->isEnabled());
        QVERIFY(w.field->EnableWindow(false)); // it was disabled
        // A disabled field ignores its arrows.
        QSignalSpy modified(w.field, &LengthOrPercentCtrl::lengthOrPercentModified);
        QTest::mouseClick(w.field->spinButton(), Qt::LeftButton, {},
                          w.field->spinButton()->upButtonRect().center());
        QCOMPARE(modified.count(), 0);
        QVERIFY(w.field->EnableWindow(true));
        QVERIFY(w.field->numberEdit()->isEnabled());
        QVERIFY(w.field->unitList()->isEnabled());
        QVERIFY(!w.field->EnableWindow(true));
    }

    void initialValueFollowsThePreferredUnit_data()
    {
        QTest::addColumn<int>("preferred");
        QTest::addColumn<bool>("allUnits");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("unit");
        QTest::newRow("points") << int(UnitMeasure::Point) << false << "0pt"
                                << "pt";
        QTest::newRow("pixels") << int(UnitMeasure::Pixel) << false << "0px"
                                << "px";
        QTest::newRow("inches without all units") << int(UnitMeasure::Inch) << false << "0px"
                                                  << "px";
        QTest::newRow("inches with all units") << int(UnitMeasure::Inch) << true << "0in"
                                               << "in";
        QTest::newRow("millimetres with all units") << int(UnitMeasure::Millimeter) << true << "0mm"
                                                    << "mm";
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

    void aUnitNotOfferedShowsThePreferredOne_data()
    {
        QTest::addColumn<int>("preferred");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unit");
        QTest::newRow("cm in a pt/px field, preferring px") << int(UnitMeasure::Pixel) << "2cm"
                                                            << "px";
        QTest::newRow("a percentage in a field without %") << int(UnitMeasure::Point) << "40%"
                                                           << "pt";
        QTest::newRow("neither offered: no entry") << int(UnitMeasure::Inch) << "2cm"
                                                   << "";
    }

    void aUnitNotOfferedShowsThePreferredOne()
    {
        QFETCH(int, preferred);
        QFETCH(QString, value);
        QFETCH(QString, unit);
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure(preferred)));
        LengthOrPercentCtrl field;
        field.setValue(Core::String(value));
        QCOMPARE(field.unitList()->currentText(), unit);
        QCOMPARE(valueText(&field), value);
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
