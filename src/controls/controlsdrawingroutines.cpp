#include "controls/controlsdrawingroutines.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace {

QStyle* styleOf(const QWidget* widget)
{
    return widget ? widget->style() : QApplication::style();
}

QStyleOptionButton buttonOption(const QWidget* widget, const QRect& rect, bool enabled, bool hot)
{
    QStyleOptionButton option;
    if (widget) {
        option.initFrom(widget);
    } else {
        option.palette = QApplication::palette();
        option.direction = QApplication::layoutDirection();
        option.state = QStyle::State_Enabled;
    }
    option.rect = rect;
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Sunken);
    option.state |= QStyle::State_Raised;
    if (!enabled || (widget && !widget->isEnabled())) {
        option.state &= ~QStyle::State_Enabled;
    } else {
        option.state |= QStyle::State_Enabled;
        if (hot) {
            option.state |= QStyle::State_MouseOver | QStyle::State_HasFocus |
                            QStyle::State_KeyboardFocusChange;
        }
    }
    option.palette.setCurrentColorGroup(
        (option.state & QStyle::State_Enabled) ? QPalette::Active : QPalette::Disabled);
    return option;
}

void drawArrowButton(QPainter* painter, const QWidget* widget, const QRect& rect, bool enabled,
                     bool hot, QStyle::PrimitiveElement arrow)
{
    const QStyleOptionButton option = buttonOption(widget, rect, enabled, hot);
    QStyle* style = styleOf(widget);
    painter->save();
    style->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, painter, widget);
    QStyleOption indicator = option;
    const int inset = std::max(2, std::min(rect.width(), rect.height()) / 4);
    indicator.rect = rect.adjusted(inset, inset, -inset, -inset);
    style->drawPrimitive(arrow, &indicator, painter, widget);
    painter->restore();
}

void drawCaptionButton(QPainter* painter, const QWidget* widget, const QRect& rect, bool enabled,
                       bool hot, const QString& caption)
{
    QStyleOptionButton option = buttonOption(widget, rect, enabled, hot);
    QStyle* style = styleOf(widget);
    painter->save();
    style->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, painter, widget);
    // Drawn as one centred line whatever the button's size; the style's text
    // margins would drop the dots from a button as narrow as a scroll bar.
    style->drawItemText(painter, rect, Qt::AlignCenter | Qt::TextSingleLine, option.palette,
                        option.state & QStyle::State_Enabled, caption, QPalette::ButtonText);
    painter->restore();
}

} // namespace

ControlsDrawingRoutines& ControlsDrawingRoutines::get()
{
    static ControlsDrawingRoutines instance;
    return instance;
}

int ControlsDrawingRoutines::getScrollbarWidth() const
{
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int ControlsDrawingRoutines::getFieldFrameWidth(const QLineEdit* field) const
{
    return field->hasFrame()
               ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field)
               : 0;
}

QRect ControlsDrawingRoutines::getFieldButtonRect(const QLineEdit* field) const
{
    const int edge = getFieldFrameWidth(field);
    const int buttonWidth = getScrollbarWidth();
    return QRect(field->width() - edge - buttonWidth, edge, buttonWidth,
                 field->height() - 2 * edge);
}

void ControlsDrawingRoutines::drawComboBoxArrow(QPainter* painter, const QWidget* widget,
                                                const QRect& rect, bool enabled, bool hot) const
{
    drawArrowButton(painter, widget, rect, enabled, hot, QStyle::PE_IndicatorArrowDown);
}

void ControlsDrawingRoutines::drawScrollRightButton(QPainter* painter, const QWidget* widget,
                                                    const QRect& rect, bool enabled, bool hot) const
{
    drawArrowButton(painter, widget, rect, enabled, hot, QStyle::PE_IndicatorArrowRight);
}

void ControlsDrawingRoutines::drawMoreButton(QPainter* painter, const QWidget* widget,
                                             const QRect& rect, bool enabled) const
{
    drawCaptionButton(painter, widget, rect, enabled, false, QStringLiteral(".."));
}

void ControlsDrawingRoutines::drawBrowseShortButton(QPainter* painter, const QWidget* widget,
                                                    const QRect& rect, bool enabled, bool hot) const
{
    drawCaptionButton(painter, widget, rect, enabled, hot, QStringLiteral("..."));
}
