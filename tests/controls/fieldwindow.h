#pragma once

// A window holding a field between two ordinary edits, shown and active, so
// that focus moves, Tab and focus loss behave as in a dialog.
#include <memory>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

template <class Field> class FieldWindow
{
public:
    template <class... Args>
    explicit FieldWindow(Args&&... args)
        : window(std::make_unique<QWidget>()), before(new QLineEdit),
          field(new Field(std::forward<Args>(args)...)), after(new QLineEdit)
    {
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(before);
        layout->addWidget(field);
        layout->addWidget(after);
        window->resize(320, 140);
    }

    /// Shows the window and waits until it is active; false when it never is.
    bool show()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* before;
    Field* field;
    QLineEdit* after;
};

// Opens the unit list with a click and picks the entry with the arrow keys
// and Enter, as a person does.
inline void pickUnit(QComboBox* units, const QString& text)
{
    QTest::mouseClick(units, Qt::LeftButton);
    QTRY_VERIFY(units->view()->isVisible());
    const int target = units->findText(text);
    QVERIFY2(target >= 0, qPrintable(text));
    int current = units->view()->currentIndex().row();
    for (; current < target; ++current) {
        QTest::keyClick(units->view(), Qt::Key_Down);
    }
    for (; current > target; --current) {
        QTest::keyClick(units->view(), Qt::Key_Up);
    }
    QTest::keyClick(units->view(), Qt::Key_Return);
    QTRY_VERIFY(!units->view()->isVisible());
}
