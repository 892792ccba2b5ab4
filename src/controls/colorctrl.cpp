#include "controls/colorctrl.h"

#include "controls/controlsdrawingroutines.h"
#include "outside/xmlcolorparse.h"

#include <QColorDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

namespace {

constexpr int swatchAreaWidth = 20;
constexpr int swatchSize = 10;
const QString gradientText = QStringLiteral("Gradient");

QString rgbText(COLORREF color)
{
    return QStringLiteral("rgb(%1,%2,%3)")
        .arg(GetRValue(color))
        .arg(GetGValue(color))
        .arg(GetBValue(color));
}

} // namespace

ColorCtrl::ColorCtrl(QWidget* parent) : QLineEdit(parent)
{
    setMouseTracking(true);
    connect(this, &QLineEdit::textChanged, this, &ColorCtrl::followText);
    updateMargins();
}

ColorCtrl::~ColorCtrl() = default;

bool ColorCtrl::Create(const QRect& rect, QWidget* parent)
{
    if (!parent) {
        return false;
    }
    setParent(parent);
    setGeometry(rect);
    setProperty("controlId", 0);
    clear();
    show();
    return true;
}

int ColorCtrl::frameWidth() const
{
    return ControlsDrawingRoutines::get().getFieldFrameWidth(this);
}

QRect ColorCtrl::swatchAreaRect() const
{
    const int edge = frameWidth();
    return QRect(edge, edge, swatchAreaWidth, height() - 2 * edge);
}

QRect ColorCtrl::swatchRect() const
{
    const QRect area = swatchAreaRect();
    const int edge = frameWidth();
    const int right = area.x() + area.width() - edge; // exclusive
    const int middle = (area.top() + area.y() + area.height()) / 2;
    return QRect(right - swatchSize, middle - swatchSize / 2, swatchSize, swatchSize);
}

QRect ColorCtrl::dropDownButtonRect() const
{
    return ControlsDrawingRoutines::get().getFieldButtonRect(this);
}

void ColorCtrl::updateMargins()
{
    setTextMargins(swatchAreaWidth, 0, ControlsDrawingRoutines::get().getScrollbarWidth(), 0);
}

bool ColorCtrl::inButtonOrSwatch(const QPoint& pos) const
{
    return dropDownButtonRect().contains(pos) || swatchAreaRect().contains(pos);
}

void ColorCtrl::setColor(COLORREF color)
{
    setText(rgbText(color));
}

void ColorCtrl::setColor(const Core::String& text)
{
    COLORREF color = 0;
    if (ToRGBColor(text, color)) {
        setColor(color);
    } else {
        setText(text);
    }
}

COLORREF ColorCtrl::getColor() const
{
    const Xml::ColorParse::Result color = Xml::ColorParse::parseColor(text());
    return color ? color->toCOLORREF() : 0;
}

void ColorCtrl::setGradient(const Core::String& definition)
{
    m_gradientDefinition = definition;
    m_gradient = true;
    m_empty = false;
    update();
}

void ColorCtrl::clearGradient()
{
    m_gradientDefinition = Core::String();
    m_gradient = false;
    update();
}

bool ColorCtrl::ToRGBColor(const Core::String& text, COLORREF& color)
{
    if (const std::optional<COLORREF> keyword =
            Xml::ColorParse::lookupColorKeyword(text, Qt::CaseSensitive)) {
        color = *keyword;
        return true;
    }
    if (const Xml::ColorParse::Result scanned = Xml::ColorParse::scanRGBTriplet(text)) {
        color = scanned->toCOLORREF();
        return true;
    }
    return false;
}

void ColorCtrl::followText(const QString& text)
{
    COLORREF color = 0;
    if (text.isEmpty()) {
        m_empty = true;
        m_gradient = false;
    } else if (text == gradientText) {
        m_gradient = true;
    } else if (ToRGBColor(text, color)) {
        m_color = color;
        m_empty = false;
        m_gradient = false;
    }
    update();
}

void ColorCtrl::onTrackColorPopup()
{
    const QColor initial(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color));
    // On the heap: if the field dies while the dialog runs, its child dialog
    // dies with it and must not be deleted a second time.
    QPointer<QColorDialog> dialog = new QColorDialog(initial, this);
    // The toolkit's own dialog shows everything at once (custom colours, the
    // spectrum, numeric entry) on every platform.
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    const QPointer<ColorCtrl> self(this);
    const int result = dialog->exec();
    if (!self || !dialog) {
        return;
    }
    const QColor chosen = dialog->selectedColor();
    delete dialog;
    if (result != QDialog::Accepted || !chosen.isValid()) {
        return;
    }
    m_color = RGB(chosen.red(), chosen.green(), chosen.blue());
    setColor(m_color);
}

void ColorCtrl::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(swatchAreaRect(), palette().brush(QPalette::Base));
    const QColor fill = m_empty
                            ? QColor(Qt::white)
                            : QColor(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    painter.drawRect(swatchRect().adjusted(0, 0, -1, -1));
    ControlsDrawingRoutines::get().drawComboBoxArrow(&painter, this, dropDownButtonRect(), true,
                                                     hasFocus());
}

void ColorCtrl::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !inButtonOrSwatch(pos)) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    event->accept();
    if (!hasFocus()) {
        setFocus(Qt::MouseFocusReason);
    }
    if (dropDownButtonRect().contains(pos)) {
        onTrackColorPopup();
    }
}

void ColorCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // No word selection from a click on the button or the swatch.
    if (inButtonOrSwatch(event->position().toPoint())) {
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

void ColorCtrl::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(inButtonOrSwatch(event->position().toPoint()) ? Qt::ArrowCursor : Qt::IBeamCursor);
    QLineEdit::mouseMoveEvent(event);
}

void ColorCtrl::keyPressEvent(QKeyEvent* event)
{
    // The keys that open a drop-down list open the colour dialog.
    const bool altArrow = (event->modifiers() & Qt::AltModifier) &&
                          (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up);
    if (event->key() == Qt::Key_F4 || altArrow) {
        event->accept();
        onTrackColorPopup();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ColorCtrl::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    update();
}

void ColorCtrl::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    update();
}

void ColorCtrl::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    updateMargins();
}

void ColorCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange) {
        updateMargins();
    }
    QLineEdit::changeEvent(event);
}

bool ColorCtrl::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (dropDownButtonRect().contains(help->pos())) {
            QToolTip::showText(help->globalPos(), tr("Choose a colour"), this,
                               dropDownButtonRect());
            return true;
        }
    }
    return QLineEdit::event(event);
}
