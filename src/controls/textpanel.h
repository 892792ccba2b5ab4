#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/colorref.h"
#include "uieditor_export.h"

#include <QWidget>

/// A plain panel showing one line of text centred on a solid background,
/// where a dialog shows a sample or a notice rather than a label. Black on
/// white, in the font it inherits, until the setters say otherwise.
class UIEDITOR_EXPORT TextPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit TextPanel(QWidget* parent = nullptr);
    ~TextPanel() override;

    /// The line shown; line breaks in it show as spaces.
    void setText(const Core::String& text);
    Core::String text() const { return m_text; }

    /// Colours as hosts hand them over (0x00BBGGRR); the panel repaints.
    void setForeColor(COLORREF color);
    void setBkColor(COLORREF color);
    /// Replaces the font by `faceName` at `pointSize` points (a size of 0 or
    /// less keeps the present size); the panel repaints.
    void setFont(const wchar_t* faceName, int pointSize);
    using QWidget::setFont;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Core::String m_text;
    COLORREF m_foreColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
};
