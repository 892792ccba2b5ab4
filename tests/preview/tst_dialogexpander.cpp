// Folding dialogs: what a user sees of the part inside the frame, of the
// controls below it, of the dialog's size and of the button, by mouse and keys.
#include "controls/dialogexpander.h"
#include "outside/core/corestring.h"
#include "testregistry.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

constexpr unsigned FrameId = 12806;
constexpr unsigned ButtonId = 9684;

// Shaped like the building-block dialog: a path on top, the parameters inside
// the frame, a note and the buttons below it.
class ParametersDlg : public DialogExpander
{
public:
    explicit ParametersDlg(int initiallyExpanded, unsigned buttonId = ButtonId,
                           unsigned frameId = FrameId)
        : DialogExpander(4300, buttonId, frameId, initiallyExpanded)
    {
        auto* layout = new QVBoxLayout(this);
        path = addNumbered(new QLineEdit(this), 1001);
        layout->addWidget(path);

        frame = addNumbered(new QFrame(this), FrameId);
        frame->setFrameShape(QFrame::Box);
        auto* inner = new QVBoxLayout(frame);
        list = addNumbered(new QListWidget(frame), 1101);
        list->addItems({QStringLiteral("currency"), QStringLiteral("language")});
        inner->addWidget(list);
        auto* row = new QHBoxLayout;
        value = addNumbered(new QLineEdit(frame), 1102);
        add = addNumbered(new QPushButton(QStringLiteral("&Add"), frame), 1103);
        // Hidden in the form, as some templates hide a button they carry.
        open = addNumbered(new QPushButton(QStringLiteral("&Open"), frame), 1104);
        open->hide();
        row->addWidget(value);
        row->addWidget(add);
        row->addWidget(open);
        inner->addLayout(row);
        layout->addWidget(frame);

        note = addNumbered(new QLineEdit(this), 1201);
        layout->addWidget(note);
        auto* buttons = new QHBoxLayout;
        more = addNumbered(new QPushButton(QStringLiteral("Options"), this), ButtonId);
        auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->addWidget(more);
        buttons->addStretch();
        buttons->addWidget(box);
        layout->addLayout(buttons);
        ok = box->button(QDialogButtonBox::Ok);
        connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(more, &QPushButton::clicked, this, &DialogExpander::resizeDialog);
    }

    int stateSeenByOwnInit = -1;
    QLineEdit* path;
    QFrame* frame;
    QListWidget* list;
    QLineEdit* value;
    QPushButton* add;
    QPushButton* open;
    QLineEdit* note;
    QPushButton* more;
    QPushButton* ok;

protected:
    bool OnInitDialog() override
    {
        DialogExpander::OnInitDialog();
        stateSeenByOwnInit = IsExpanded();
        return true;
    }

private:
    template <class T> static T* addNumbered(T* widget, unsigned id)
    {
        widget->setProperty("controlId", id);
        return widget;
    }
};

int yIn(const QWidget* widget, const QWidget* dialog)
{
    return widget->mapTo(dialog, QPoint(0, 0)).y();
}

QString label(unsigned id)
{
    return Core::String::formatS(id).toQString();
}

bool showAndWait(QWidget& widget)
{
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

// Where everything a user watches while folding is.
struct Snapshot
{
    explicit Snapshot(const ParametersDlg& dlg)
        : height(dlg.height()), width(dlg.width()), path(yIn(dlg.path, &dlg)),
          note(yIn(dlg.note, &dlg)), more(yIn(dlg.more, &dlg)), ok(yIn(dlg.ok, &dlg))
    {
    }
    int height, width, path, note, more, ok;
};

} // namespace

class TestDialogExpander : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY2(!label(63316).isEmpty() && !label(63317).isEmpty(), "the fold labels are missing");
    }

    void opensAsAsked_data()
    {
        QTest::addColumn<int>("constructed");
        QTest::addColumn<int>("setBeforeOpening"); // -1: setter not called
        QTest::addColumn<int>("expanded");

        QTest::newRow("unfolded") << 1 << -1 << 1;
        QTest::newRow("folded") << 0 << -1 << 0;
        QTest::newRow("any other value unfolds") << 7 << -1 << 1;
        QTest::newRow("setter folds") << 1 << 0 << 0;
        QTest::newRow("setter unfolds") << 0 << 1 << 1;
    }

    void opensAsAsked()
    {
        QFETCH(int, constructed);
        QFETCH(int, setBeforeOpening);
        QFETCH(int, expanded);

        ParametersDlg dlg(constructed);
        if (setBeforeOpening >= 0) {
            dlg.setInitiallyExpanded(setBeforeOpening);
        }
        QVERIFY(showAndWait(dlg));

        QCOMPARE(dlg.IsExpanded(), expanded);
        QCOMPARE(dlg.stateSeenByOwnInit, expanded);
        QCOMPARE(dlg.more->text(), label(expanded ? 63317 : 63316));
        QCOMPARE(dlg.list->isVisible(), bool(expanded));
        QCOMPARE(dlg.value->isVisible(), bool(expanded));
        QCOMPARE(dlg.add->isVisible(), bool(expanded));
    }

    void clickingTheButtonFoldsAndUnfolds()
    {
        ParametersDlg dlg(1);
        QVERIFY(showAndWait(dlg));
        const Snapshot unfolded(dlg);
        const int frameHeight = dlg.frame->height();

        QTest::mouseClick(dlg.more, Qt::LeftButton);
        QCOMPARE(dlg.IsExpanded(), 0);
        QCOMPARE(dlg.more->text(), label(63316));
        QVERIFY(!dlg.list->isVisible());
        QVERIFY(!dlg.value->isVisible());
        QVERIFY(!dlg.add->isVisible());
        const Snapshot folded(dlg);
        ParametersDlg openedFolded(0);
        QVERIFY(showAndWait(openedFolded));
        QCOMPARE(openedFolded.height(), folded.height);
        QCOMPARE(yIn(openedFolded.note, &openedFolded), folded.note);
        const int moved = unfolded.note - folded.note;
        QVERIFY2(moved >= frameHeight,
                 qPrintable(QStringLiteral("%1 < %2").arg(moved).arg(frameHeight)));
        QCOMPARE(unfolded.ok - folded.ok, moved);
        QCOMPARE(unfolded.height - folded.height, moved);
        QCOMPARE(folded.width, unfolded.width);

        QTest::mouseClick(dlg.more, Qt::LeftButton);
        QCOMPARE(dlg.IsExpanded(), 1);
        QCOMPARE(dlg.more->text(), label(63317));
        QVERIFY(dlg.list->isVisible());
        QVERIFY(dlg.value->isVisible());
        const Snapshot again(dlg);
        QCOMPARE(again.height, unfolded.height);
        QCOMPARE(again.note, unfolded.note);
        // A control the dialog hid itself stays hidden.
        QVERIFY(!dlg.open->isVisible());
    }

    void keyboardFoldsAndUnfolds()
    {
        ParametersDlg dlg(1);
        QVERIFY(showAndWait(dlg));
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        dlg.value->setFocus();

        // "<< &Less": Alt+L while typing inside the part that folds away.
        QTest::keyClick(dlg.value, Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(dlg.IsExpanded(), 0);
        QVERIFY(!dlg.value->isVisible());
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && focus->isVisible());

        // Tab never reaches a control of the folded part.
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(!dlg.frame->isAncestorOf(focus),
                     qPrintable(focus->property("controlId").toString()));
            QVERIFY(focus->isVisible());
        }

        dlg.more->setFocus();
        QTest::keyClick(dlg.more, Qt::Key_Space);
        QCOMPARE(dlg.IsExpanded(), 1);
        QVERIFY(dlg.value->isVisible());
        QTest::keyClick(dlg.more, Qt::Key_M, Qt::AltModifier);
        QTest::keyClick(dlg.more, Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(dlg.IsExpanded(), 0);
        QTest::keyClick(dlg.more, Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(dlg.IsExpanded(), 1);
    }

    void focusLeavesTheFoldedPart_data()
    {
        QTest::addColumn<unsigned>("buttonId");
        QTest::addColumn<int>("focusedControl");
        QTest::addColumn<int>("expectedFocus");

        QTest::newRow("to the expand button") << ButtonId << 1102 << int(ButtonId);
        QTest::newRow("from the list too") << ButtonId << 1101 << int(ButtonId);
        // Without a button, the next control in tab order that stays.
        QTest::newRow("no button: the next control") << 0u << 1103 << 1201;
    }

    void focusLeavesTheFoldedPart()
    {
        QFETCH(unsigned, buttonId);
        QFETCH(int, focusedControl);
        QFETCH(int, expectedFocus);

        // A dialog folds from code too, as when a choice no longer needs the part.
        ParametersDlg dlg(1, buttonId);
        QVERIFY(showAndWait(dlg));
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        dlg.control(focusedControl)->setFocus();
        QCOMPARE(QApplication::focusWidget(), dlg.control(focusedControl));

        dlg.resizeDialog();
        QCOMPARE(dlg.IsExpanded(), 0);
        QCOMPARE(QApplication::focusWidget(), dlg.control(expectedFocus));
    }

    void aStretchedDialogFoldsToItsNaturalHeightAndGetsItBack()
    {
        ParametersDlg natural(0);
        QVERIFY(showAndWait(natural));

        ParametersDlg dlg(1);
        QVERIFY(showAndWait(dlg));
        dlg.resize(dlg.width(), dlg.height() + 120);
        QTRY_COMPARE(dlg.frame->height() > dlg.frame->sizeHint().height() + 100, true);
        const Snapshot stretched(dlg);

        QTest::mouseClick(dlg.more, Qt::LeftButton);
        const Snapshot folded(dlg);
        QCOMPARE(folded.height, natural.height());
        QCOMPARE(stretched.note - folded.note, stretched.height - folded.height);

        QTest::mouseClick(dlg.more, Qt::LeftButton);
        QCOMPARE(dlg.height(), stretched.height);
        QCOMPARE(yIn(dlg.note, &dlg), stretched.note);
    }

    void aSizeGivenBeforeOpeningLosesTheFrameWhenOpenedFolded()
    {
        // A form carries its size; opened folded, the dialog is that size less the frame.
        ParametersDlg reference(1);
        reference.resize(520, 470);
        QVERIFY(showAndWait(reference));
        QCOMPARE(reference.height(), 470);
        QTest::mouseClick(reference.more, Qt::LeftButton);

        ParametersDlg dlg(0);
        dlg.resize(520, 470);
        QVERIFY(showAndWait(dlg));
        QCOMPARE(dlg.height(), reference.height());
        QCOMPARE(yIn(dlg.note, &dlg), yIn(reference.note, &reference));

        QTest::mouseClick(dlg.more, Qt::LeftButton);
        QCOMPARE(dlg.height(), 470);
    }
};

UIEDITOR_TEST_CLASS(TestDialogExpander)
#include "tst_dialogexpander.moc"
