// The editable list: which clicks open the cell editor, what Enter, Escape
// and losing the focus write back, and when the list counts as modified.
#include "controls/ceditlistctrl.h"
#include "controls/cinplaceedit.h"
#include "testregistry.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A dialog with a default OK button around the list, as the property dialogs have it.
struct ListDialog
{
    QDialog dialog;
    CEditListCtrl* list;

    explicit ListDialog(bool firstColumnEditable = false)
        : list(new CEditListCtrl(firstColumnEditable))
    {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(list);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(buttons);
        list->InsertColumn(0, "Name", Qt::AlignLeft, 120);
        list->InsertColumn(1, "Value", Qt::AlignRight, 120);
        list->InsertColumn(2, "Narrow", Qt::AlignLeft, 4);
        for (const char* name : {"author", "title", "subject"}) {
            const int row = list->InsertItem(list->GetItemCount(), name);
            list->SetItemText(row, 1, QStringLiteral("%1 value").arg(name));
        }
        list->setEditState(true);
        dialog.resize(400, 300);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }

    QPoint cellCentre(int row, int column) const
    {
        const QRect rowRect = list->visualItemRect(list->topLevelItem(row));
        const int x = list->header()->sectionViewportPosition(column) + list->columnWidth(column) / 2;
        return QPoint(x, rowRect.center().y());
    }

    void click(int row, int column)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cellCentre(row, column));
    }

    // Opens the editor the way a person does: focus the row, then click the cell.
    CInPlaceEdit* openEditor(int row, int column)
    {
        click(row, column);
        if (!list->inPlaceEdit()) {
            click(row, column);
        }
        return list->inPlaceEdit();
    }
};

} // namespace

class TestEditListCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstClickFocusesSecondClickEdits()
    {
        ListDialog d;
        d.click(1, 1);
        QCOMPARE(d.list->currentIndex().row(), 1);
        QVERIFY(!d.list->inPlaceEdit());
        d.click(1, 1);
        CInPlaceEdit* edit = d.list->inPlaceEdit();
        QVERIFY(edit);
        QCOMPARE(edit->text(), QString("title value"));
        QCOMPARE(edit->selectedText(), QString("title value"));
        QVERIFY(edit->alignment() & Qt::AlignRight);
        QVERIFY(edit->geometry().intersects(d.list->visualItemRect(d.list->topLevelItem(1))));

        // A click on column 0 of the focused row never edits.
        d.list->setFocus();
        QTRY_VERIFY(!d.list->inPlaceEdit());
        d.click(1, 0);
        QVERIFY(!d.list->inPlaceEdit());
    }

    void enterWritesBackAndKeepsTheDialogOpen()
    {
        ListDialog d;
        QSignalSpy modified(d.list, &CEditListCtrl::editListModified);
        CInPlaceEdit* edit = d.openEditor(0, 1);
        QVERIFY(edit);
        QTest::keyClicks(edit, "Jane Doe");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.list->GetItemText(0, 1), QString("Jane Doe"));
        QVERIFY(d.list->getModifiedState());
        QCOMPARE(modified.count(), 1);
        QVERIFY(d.list->hasFocus());

        // Editing on after the list is modified does not notify again.
        edit = d.openEditor(2, 1);
        QVERIFY(edit);
        QTest::keyClicks(edit, "Invoices");
        d.list->setFocus();
        QTRY_COMPARE(d.list->GetItemText(2, 1), QString("Invoices"));
        QCOMPARE(modified.count(), 1);
    }

    void escapeLeavesTheCellAlone()
    {
        ListDialog d;
        QSignalSpy modified(d.list, &CEditListCtrl::editListModified);
        CInPlaceEdit* edit = d.openEditor(0, 1);
        QTest::keyClicks(edit, "typed");
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.list->GetItemText(0, 1), QString("author value"));
        QVERIFY(!d.list->getModifiedState());
        QCOMPARE(modified.count(), 0);
    }

    void changedBackStillCountsAsModified()
    {
        ListDialog d;
        CInPlaceEdit* edit = d.openEditor(0, 1);
        QTest::keyClicks(edit, "other");
        QTest::keyClick(edit, Qt::Key_Return);
        edit = d.openEditor(0, 1);
        QTest::keyClicks(edit, "author value");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(d.list->GetItemText(0, 1), QString("author value"));
        QVERIFY(d.list->getModifiedState());
    }

    void cellsThatCannotBeEdited()
    {
        ListDialog d;
        QVERIFY(!d.list->EditSubLabel(0, 2)); // 4 pixels wide
        QVERIFY(!d.list->EditSubLabel(0, 0)); // first column not editable
        QVERIFY(!d.list->EditSubLabel(7, 1));
        d.list->setEditState(false);
        d.click(0, 1);
        d.click(0, 1);
        QVERIFY(!d.list->inPlaceEdit());

        ListDialog named(true);
        CInPlaceEdit* edit = named.openEditor(1, 0);
        QVERIFY(edit);
        QTest::keyClicks(edit, "headline");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(named.list->GetItemText(1, 0), QString("headline"));
    }

    void scrollingEndsTheEdit()
    {
        ListDialog d;
        for (int i = 0; i < 60; ++i) {
            d.list->InsertItem(d.list->GetItemCount(), QStringLiteral("row %1").arg(i));
        }
        CInPlaceEdit* edit = d.openEditor(0, 1);
        QTest::keyClicks(edit, "kept");
        d.list->verticalScrollBar()->setValue(d.list->verticalScrollBar()->maximum());
        QTRY_VERIFY(!d.list->inPlaceEdit());
        QCOMPARE(d.list->GetItemText(0, 1), QString("kept"));
    }

    // A host may close or destroy a window while the user edits a cell: the
    // edit is dropped, and nothing reaches a list or dialog on its way out.
    void editOpenWhenTheWindowGoes_data()
    {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("closed") << false;
        QTest::newRow("destroyed") << true;
    }

    void editOpenWhenTheWindowGoes()
    {
        QFETCH(bool, destroy);
        auto* list = new CEditListCtrl;
        list->InsertColumn(0, "Name", Qt::AlignLeft, 120);
        list->InsertColumn(1, "Value", Qt::AlignLeft, 120);
        list->SetItemText(list->InsertItem(0, "author"), 1, "Jane");
        list->setEditState(true);
        list->show();
        list->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(list));
        QPointer<CInPlaceEdit> edit = list->EditSubLabel(0, 1);
        QVERIFY(edit && edit->hasFocus());
        QTest::keyClicks(edit, "typed");
        int changes = 0;
        connect(list, &QTreeWidget::itemChanged, [&changes] { ++changes; });
        if (destroy) {
            delete list;
            QVERIFY(edit.isNull());
        } else {
            list->close();
            QVERIFY(!list->inPlaceEdit());
            QCOMPARE(list->GetItemText(0, 1), QString("Jane"));
            delete list;
        }
        QCOMPARE(changes, 0);
    }

    void typingWidensTheEditWithinTheList()
    {
        ListDialog d;
        CInPlaceEdit* edit = d.openEditor(0, 1);
        const int before = edit->width();
        QTest::keyClicks(edit, QString(80, QChar('W')));
        QVERIFY(edit->width() > before);
        QVERIFY(edit->geometry().right() <= d.list->viewport()->width());
    }
};

UIEDITOR_TEST_CLASS(TestEditListCtrl)
#include "tst_ceditlistctrl.moc"
