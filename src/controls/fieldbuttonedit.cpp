#include "controls/fieldbuttonedit.h"

#include "controls/controlsdrawingroutines.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

FieldButtonEdit::FieldButtonEdit(QWidget* parent) : QLineEdit(parent)
{
    setMouseTracking(true);
    updateTextMargins();
}

FieldButtonEdit::~FieldButtonEdit() = default;

QRect FieldButtonEdit::fieldButtonRect() const
{
    return ControlsDrawingRoutines::get().getFieldButtonRect(this);
}

bool FieldButtonEdit::isOpenKey(const QKeyEvent* event)
{
    const bool altArrow = event->modifiers().testFlag(Qt::AltModifier) &&
                          (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up);
    return event->key() == Qt::Key_F4 || altArrow;
}

void FieldButtonEdit::setLeftTextMargin(int width)
{
    m_leftTextMargin = width;
    updateTextMargins();
}

bool FieldButtonEdit::isButtonArea(const QPoint& pos) const
{
    return fieldButtonRect().contains(pos);
}

void FieldButtonEdit::updateTextMargins()
{
    setTextMargins(m_leftTextMargin, 0, ControlsDrawingRoutines::get().getScrollbarWidth(), 0);
}

void FieldButtonEdit::paintButton()
{
    QPainter painter(this);
    paintFieldButton(painter, fieldButtonRect());
}

void FieldButtonEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    paintButton();
}

void FieldButtonEdit::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !isButtonArea(pos)) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    event->accept();
    if (!hasFocus()) {
        setFocus(Qt::MouseFocusReason);
    }
    buttonAreaPressed(pos);
}

void FieldButtonEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (isButtonArea(event->position().toPoint())) {
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

void FieldButtonEdit::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(isButtonArea(event->position().toPoint()) ? Qt::ArrowCursor : Qt::IBeamCursor);
    QLineEdit::mouseMoveEvent(event);
}

void FieldButtonEdit::keyPressEvent(QKeyEvent* event)
{
    if (isOpenKey(event)) {
        event->accept();
        openKeyPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FieldButtonEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    update();
}

void FieldButtonEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    update();
}

void FieldButtonEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange) {
        updateTextMargins();
    }
    QLineEdit::changeEvent(event);
}
