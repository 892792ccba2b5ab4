#pragma once

// Filling in a dialog's controls as a person does: lists opened with a click
// and picked with the keys, text selected and typed over, lengths confirmed
// with Enter. Each helper fails the running test when the control does not
// let itself be used so.
#include "controls/lengthorpercentbase.h"
#include "controls/numberedit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace TestSupport {

/// Opens the list with a click and picks the entry shown as `text` with the
/// arrow keys and Enter. The list's window must be shown.
inline void pickEntry(QComboBox* list, const QString& text)
{
    QVERIFY2(list && list->isEnabled(),
             qPrintable(QStringLiteral("no enabled list to pick \"%1\" from").arg(text)));
    const int target = list->findText(text);
    QVERIFY2(target >= 0, qPrintable(QStringLiteral("\"%1\" is not listed").arg(text)));
    // An editable list opens from its arrow; a click on its text only places the caret.
    const QPoint arrow(list->width() - list->height() / 2, list->height() / 2);
    QTest::mouseClick(list, Qt::LeftButton, {}, list->isEditable() ? arrow : QPoint());
    QTRY_VERIFY(list->view()->isVisible());
    int current = list->view()->currentIndex().row();
    if (current < 0) {
        QTest::keyClick(list->view(), Qt::Key_Home);
        current = 0;
    }
    for (; current < target; ++current) {
        QTest::keyClick(list->view(), Qt::Key_Down);
    }
    for (; current > target; --current) {
        QTest::keyClick(list->view(), Qt::Key_Up);
    }
    QTest::keyClick(list->view(), Qt::Key_Return);
    QTRY_VERIFY(!list->view()->isVisible());
}

/// Chooses the entry shown as `text` with the arrow keys on the closed
/// list, as in lists with headings, which the keys pass over.
inline void chooseEntry(QComboBox* list, const QString& text)
{
    QVERIFY2(list && list->isEnabled(),
             qPrintable(QStringLiteral("no enabled list to choose \"%1\" from").arg(text)));
    const int target = list->findText(text);
    QVERIFY2(target >= 0, qPrintable(QStringLiteral("\"%1\" is not listed").arg(text)));
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Home);
    for (int presses = 0; list->currentIndex() < target && presses < list->count(); ++presses) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(list->currentIndex(), target);
}

/// Replaces the edit's text by typing `text` ("" clears it).
inline void typeText(QLineEdit* edit, const QString& text)
{
    QVERIFY2(edit && edit->isEnabled(), "no enabled edit to type into");
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(edit, text);
    }
}

/// Types the number `number` into a length field and confirms it with Enter;
/// the unit stays the field's.
inline void typeLength(LengthOrPercentBase* field, const QString& number)
{
    QVERIFY2(field, "no length field to type into");
    typeText(field->numberEdit(), number);
    QTest::keyClick(field->numberEdit(), Qt::Key_Return);
}

} // namespace TestSupport
