#pragma once

#include "uieditor_export.h"

#include <QLineEdit>

class QKeyEvent;
class QPainter;

/// A one-line field with a button inside its right edge, as wide as a scroll
/// bar: the colour, XPath and property-value fields. The button is no part of
/// the text: a press on it never moves the caret, a double click on it selects
/// nothing, and the pointer is an arrow over it. A left press on the button,
/// F4, Alt+Down and Alt+Up trigger it, as they open a drop-down elsewhere. The
/// button shows the focus too, so it is repainted when the focus moves.
class UIEDITOR_EXPORT FieldButtonEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit FieldButtonEdit(QWidget* parent = nullptr);
    ~FieldButtonEdit() override;

    /// Where the button is, in the field's coordinates.
    QRect fieldButtonRect() const;

    /// F4, Alt+Down or Alt+Up.
    static bool isOpenKey(const QKeyEvent* event);

protected:
    /// Keeps `width` pixels left of the text free (for a swatch).
    void setLeftTextMargin(int width);
    /// Where a press belongs to the button rather than the text; the button
    /// itself unless a field adds more (the colour swatch).
    virtual bool isButtonArea(const QPoint& pos) const;
    /// Draws the button into `rect`.
    virtual void paintFieldButton(QPainter& painter, const QRect& rect) = 0;
    /// A left press in the button area at `pos`; the field already has the focus.
    virtual void buttonAreaPressed(const QPoint& pos) = 0;
    /// An open key was pressed in the field.
    virtual void openKeyPressed() = 0;
    /// Paints the button over whatever the field drew.
    void paintButton();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateTextMargins();

    int m_leftTextMargin = 0;
};
