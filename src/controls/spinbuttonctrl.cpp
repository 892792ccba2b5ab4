#include "controls/spinbuttonctrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// The pacing of QAbstractButton's auto-repeat, which users know from every
// other arrow button of the toolkit.
constexpr int repeatDelayMs = 300;
constexpr int repeatIntervalMs = 100;

} // namespace

SpinButtonCtrl::SpinButtonCtrl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, &SpinButtonCtrl::repeat);
}

SpinButtonCtrl::~SpinButtonCtrl() = default;

QRect SpinButtonCtrl::upButtonRect() const
{
    return QRect(0, 0, width(), height() / 2);
}

QRect SpinButtonCtrl::downButtonRect() const
{
    const int top = height() / 2;
    return QRect(0, top, width(), height() - top);
}

QSize SpinButtonCtrl::sizeHint() const
{
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(extent, 2 * extent);
}

QSize SpinButtonCtrl::minimumSizeHint() const
{
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(extent, 12);
}

SpinButtonCtrl::Arrow SpinButtonCtrl::arrowAt(const QPoint& pos) const
{
    if (upButtonRect().contains(pos)) {
        return Arrow::Up;
    }
    if (downButtonRect().contains(pos)) {
        return Arrow::Down;
    }
    return Arrow::None;
}

void SpinButtonCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool enabled = isEnabled();
    for (const Arrow arrow : {Arrow::Up, Arrow::Down}) {
        QStyleOptionButton panel;
        panel.initFrom(this);
        panel.rect = arrow == Arrow::Up ? upButtonRect() : downButtonRect();
        panel.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        if (m_pressed == arrow && m_pointerOnPressed) {
            panel.state |= QStyle::State_Sunken;
        } else {
            panel.state |= QStyle::State_Raised;
        }
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &panel, &painter, this);

        QStyleOption indicator;
        indicator.initFrom(this);
        indicator.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        if (!enabled) {
            indicator.state &= ~QStyle::State_Enabled;
        }
        const int inset = std::max(2, panel.rect.height() / 5);
        indicator.rect = panel.rect.adjusted(inset, inset, -inset, -inset);
        style()->drawPrimitive(arrow == Arrow::Up ? QStyle::PE_IndicatorArrowUp
                                                  : QStyle::PE_IndicatorArrowDown,
                               &indicator, &painter, this);
    }
}

void SpinButtonCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Arrow arrow = arrowAt(event->position().toPoint());
    if (arrow == Arrow::None) {
        return;
    }
    m_pressed = arrow;
    m_pointerOnPressed = true;
    update();
    m_repeat.start(repeatDelayMs);
    Q_EMIT deltaPos(arrow == Arrow::Up ? -1 : 1);
}

void SpinButtonCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed == Arrow::None) {
        return;
    }
    const bool onPressed = arrowAt(event->position().toPoint()) == m_pressed;
    if (onPressed != m_pointerOnPressed) {
        m_pointerOnPressed = onPressed;
        update();
    }
}

void SpinButtonCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        stop();
    }
}

void SpinButtonCtrl::repeat()
{
    if (m_pressed == Arrow::None || !isEnabled()) {
        stop();
        return;
    }
    m_repeat.setInterval(repeatIntervalMs);
    if (m_pointerOnPressed) {
        Q_EMIT deltaPos(m_pressed == Arrow::Up ? -1 : 1);
    }
}

void SpinButtonCtrl::stop()
{
    m_repeat.stop();
    if (m_pressed != Arrow::None) {
        m_pressed = Arrow::None;
        update();
    }
}

void SpinButtonCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        stop();
    }
    QWidget::changeEvent(event);
}

void SpinButtonCtrl::hideEvent(QHideEvent* event)
{
    stop();
    QWidget::hideEvent(event);
}
