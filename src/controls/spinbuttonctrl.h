#pragma once

#include "uieditor_export.h"

#include <QTimer>
#include <QWidget>

/// The up and down arrows beside a length field's number. It never takes the
/// focus, so the typed text stays where it is while the arrows are used.
/// Holding an arrow repeats it, as long as the pointer stays on that arrow.
class UIEDITOR_EXPORT SpinButtonCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButtonCtrl(QWidget* parent = nullptr);
    ~SpinButtonCtrl() override;

    /// Where the arrows are, for hosts that forward clicks and for tests.
    QRect upButtonRect() const;
    QRect downButtonRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    /// Each press or repeat of an arrow. As with the default range of a
    /// Windows up-down control, the up arrow reports -1 and the down arrow +1.
    void deltaPos(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum class Arrow { None, Up, Down };

    Arrow arrowAt(const QPoint& pos) const;
    void repeat();
    void stop();

    Arrow m_pressed = Arrow::None;
    bool m_pointerOnPressed = false;
    QTimer m_repeat;
};
