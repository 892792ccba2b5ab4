#pragma once

#include "uieditor_export.h"

class QLineEdit;
class QPainter;
class QRect;
class QWidget;

/// Paints the small buttons of the library's owner-drawn fields with the
/// current QStyle: the drop-down arrow of ColorCtrl, the scroll-right button of
/// the XPath and sort fields, and the ".." and "..." buttons. A button is drawn
/// disabled when its enabled flag is false or its widget is disabled, and in
/// its hot look (the style's hover and focus states) when asked, which the
/// fields do while they have the focus. One instance serves the process.
class UIEDITOR_EXPORT ControlsDrawingRoutines
{
public:
    /// Created on first use; lives until the library is unloaded.
    static ControlsDrawingRoutines& get();

    ControlsDrawingRoutines(const ControlsDrawingRoutines&) = delete;
    ControlsDrawingRoutines& operator=(const ControlsDrawingRoutines&) = delete;

    /// The width of a vertical scroll bar in the application's style: the width
    /// the fields give their buttons.
    int getScrollbarWidth() const;
    /// The frame a field draws around its text; 0 for a field without one.
    int getFieldFrameWidth(const QLineEdit* field) const;
    /// Where a field draws its button: inside its frame at the right edge,
    /// as wide as a scroll bar.
    QRect getFieldButtonRect(const QLineEdit* field) const;

    /// Each draws into `rect` of `painter`; `widget` gives the style and the
    /// palette (it may be null: the application's style and palette are used).
    void drawComboBoxArrow(QPainter* painter, const QWidget* widget, const QRect& rect,
                           bool enabled, bool hot) const;
    void drawScrollRightButton(QPainter* painter, const QWidget* widget, const QRect& rect,
                               bool enabled, bool hot) const;
    /// The ".." button; it has no hot look.
    void drawMoreButton(QPainter* painter, const QWidget* widget, const QRect& rect,
                        bool enabled) const;
    /// The "..." button.
    void drawBrowseShortButton(QPainter* painter, const QWidget* widget, const QRect& rect,
                               bool enabled, bool hot) const;

private:
    ControlsDrawingRoutines() = default;
};
