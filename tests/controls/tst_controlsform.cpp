// The controls placed in a Designer form as promoted placeholders, in a dialog
// built on the library's Dialog base: flags from the form, the tab order, and
// OK taking the typed number.
#include "controls/colorctrl.h"
#include "controls/fontcombobox.h"
#include "controls/lengthorpercentctrl.h"
#include "controls/lengthorpercenteditor.h"
#include "controls/numberedit.h"
#include "controls/simplecombobox.h"
#include "controls/unitcombobox.h"
#include "frame/dialog.h"
#include "frame/win32constants.h"
#include "outside/types/globalunitmeasurehelper.h"
#include "testregistry.h"
#include "ui_controlsform.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Takes the width on OK, as the page dialogs do.
class ControlsDialog : public Dialog
{
public:
    ControlsDialog() : Dialog(4059)
    {
        m_ui.setupUi(this);
        m_ui.sizeList->setStringsAndData({{8, "8"}, {10, "10"}, {12, "12"}}, 10);
        m_ui.sizeList->initializeItems();
    }

    LengthOrPercentCtrl* width() const { return control<LengthOrPercentCtrl>(12921); }
    LengthOrPercentEditor* offset() const { return control<LengthOrPercentEditor>(4079); }
    Xml::LengthOrPercent acceptedWidth;
    Xml::LengthOrPercent loadedWidth = Xml::Length(2.0, Xml::Length::Mm);

protected:
    bool OnInitDialog() override
    {
        width()->DDX_Value(DataExchange::load(), loadedWidth);
        return Dialog::OnInitDialog();
    }
    void OnOK() override
    {
        width()->DDX_Value(DataExchange::save(), acceptedWidth);
        Dialog::OnOK();
    }

private:
    Ui::ControlsForm m_ui;
};

QStringList unitTexts(const QComboBox* units)
{
    QStringList texts;
    for (int i = 0; i < units->count(); ++i) {
        texts << units->itemText(i);
    }
    return texts;
}

} // namespace

class TestControlsForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(GlobalUnitMeasureHelper::setGlobalUnitMeasure(UnitMeasure::Point));
    }

    void promotedPlaceholdersBecomeTheControls()
    {
        ControlsDialog dialog;
        QVERIFY2(dialog.width(), "the width placeholder is no LengthOrPercentCtrl");
        QVERIFY2(dialog.offset(), "the offset placeholder is no LengthOrPercentEditor");
        QVERIFY(dialog.control<ColorCtrl>(12703));
        QVERIFY(dialog.control<FontComboBox>(11303)->count() > 0);
        QCOMPARE(dialog.control<SimpleComboBox>(11305)->currentText(), QStringLiteral("10"));
        // The flags set as properties of the placeholders took effect.
        QCOMPARE(unitTexts(dialog.width()->unitList()),
                 (QStringList{"in", "mm", "cm", "em", "pt", "px"}));
        QCOMPARE(unitTexts(dialog.offset()->unitList()), (QStringList{"%", "pt", "px"}));
        QVERIFY(dialog.width()->numberEdit()->isPositiveOnly());
        QVERIFY(!dialog.offset()->numberEdit()->isPositiveOnly());
    }

    void okTakesTheTypedNumber()
    {
        ControlsDialog dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.width()->numberEdit()->text(), QStringLiteral("2"));
        QCOMPARE(dialog.width()->unitList()->currentText(), QStringLiteral("mm"));
        QSignalSpy modified(dialog.width(), &LengthOrPercentCtrl::lengthOrPercentModified);
        dialog.width()->setFocus();
        dialog.width()->numberEdit()->selectAll();
        QTest::keyClicks(dialog.width()->numberEdit(), "-4.5");
        QTest::mouseClick(dialog.control<QPushButton>(Win32::IDOK), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.acceptedWidth.getValueAsString().toQString(), QStringLiteral("4.5mm"));
        QCOMPARE(modified.count(), 1);
    }

    void enterInAFieldKeepsTheDialogOpen()
    {
        ControlsDialog dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.offset()->setFocus();
        dialog.offset()->numberEdit()->selectAll();
        QTest::keyClicks(dialog.offset()->numberEdit(), "-3");
        QTest::keyClick(dialog.offset()->numberEdit(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.offset()->getValueAsString().toQString(), QStringLiteral("-3px"));
        // Enter in the plain edit of the same form confirms the dialog.
        dialog.control(4069)->setFocus();
        QTest::keyClick(dialog.control(4069), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void tabWalksThroughTheFormInOrder()
    {
        ControlsDialog dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QList<QWidget*> expected{
            dialog.control(4069),          dialog.width()->numberEdit(), dialog.width()->unitList(),
            dialog.offset()->numberEdit(), dialog.offset()->unitList(),  dialog.control(12703),
            dialog.control(11303),         dialog.control(11305),
        };
        expected.first()->setFocus();
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i]);
        }
        for (int i = expected.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), expected[i]);
        }
    }

    void aLabelMnemonicReachesTheNumber()
    {
        ControlsDialog dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.control(4069)->setFocus();
        QTest::keyClick(&dialog, Qt::Key_W, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dialog.width()->numberEdit());
    }
};

UIEDITOR_TEST_CLASS(TestControlsForm)
#include "tst_controlsform.moc"
