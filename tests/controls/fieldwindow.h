#pragma once

// A window holding a field between two ordinary edits, shown and active, so
// that focus moves, Tab and focus loss behave as in a dialog.
#include <memory>
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
