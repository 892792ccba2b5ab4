#include "controls/colorctrl.h"

#include "controls/controlsdrawingroutines.h"
#include "outside/cssvalues/xmlcolorparse.h"

#include <QColorDialog>
#include <QHelpEvent>
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

ColorCtrl::ColorCtrl(QWidget* parent) : FieldButtonEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &ColorCtrl::followText);
    setLeftTextMargin(swatchAreaWidth);
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
    return fieldButtonRect();
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
    FieldButtonEdit::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(swatchAreaRect(), palette().brush(QPalette::Base));
    const QColor fill = m_empty
                            ? QColor(Qt::white)
                            : QColor(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    painter.drawRect(swatchRect().adjusted(0, 0, -1, -1));
}

void ColorCtrl::paintFieldButton(QPainter& painter, const QRect& rect)
{
    ControlsDrawingRoutines::get().drawComboBoxArrow(&painter, this, rect, true, hasFocus());
}

bool ColorCtrl::isButtonArea(const QPoint& pos) const
{
    // A press on the swatch takes the focus without placing the caret.
    return FieldButtonEdit::isButtonArea(pos) || swatchAreaRect().contains(pos);
}

void ColorCtrl::buttonAreaPressed(const QPoint& pos)
{
    if (dropDownButtonRect().contains(pos)) {
        onTrackColorPopup();
    }
}

void ColorCtrl::openKeyPressed()
{
    onTrackColorPopup();
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
    return FieldButtonEdit::event(event);
}
