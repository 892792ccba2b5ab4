#include "values/propertyvaluesctrl.h"

#include "controls/controlsdrawingroutines.h"
#include "frame/win32constants.h"
#include "values/editpropertyvaluesdlg.h"
#include "xml/model/samplexml.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QTimer>

namespace {

constexpr unsigned kDynamicPlaceholder = 63211;
constexpr unsigned kConditionalPlaceholder = 63212;
const QColor kPlaceholderText(100, 100, 100);

} // namespace

PropertyValuesCtrl::PropertyValuesCtrl(QWidget* parent) : FieldButtonEdit(parent)
{
    updateLook();
}

PropertyValuesCtrl::PropertyValuesCtrl(const SmartPtr<IDocumentInformation>& document,
                                       const Core::String& context, bool passThrough,
                                       bool dialogAllowed, QWidget* parent)
    : FieldButtonEdit(parent), m_document(document), m_context(context), m_passThrough(passThrough),
      m_dialogAllowed(dialogAllowed)
{
    updateLook();
}

PropertyValuesCtrl::PropertyValuesCtrl(const PropertyValueEx& value,
                                       const SmartPtr<IDocumentInformation>& document,
                                       const Core::String& context, bool passThrough,
                                       bool dialogAllowed, QWidget* parent)
    : PropertyValuesCtrl(document, context, passThrough, dialogAllowed, parent)
{
    setPropertyValueEx(value);
}

PropertyValuesCtrl::PropertyValuesCtrl(const PropertyValueEx& value,
                                       const Core::String& propertyName,
                                       const AttributeData& attribute,
                                       const SmartPtr<IDocumentInformation>& document,
                                       const Core::String& context, bool passThrough,
                                       bool dialogAllowed, QWidget* parent)
    : PropertyValuesCtrl(document, context, passThrough, dialogAllowed, parent)
{
    setData(value, propertyName, attribute);
}

PropertyValuesCtrl::~PropertyValuesCtrl() = default;

bool PropertyValuesCtrl::Create(const QRect& rect, QWidget* parent)
{
    setParent(parent);
    setGeometry(rect);
    clear();
    show();
    return true;
}

void PropertyValuesCtrl::setPropertyValueEx(const PropertyValueEx& value)
{
    m_value = value;
    if (m_value.isStatic()) {
        setText(m_value.getStaticValue());
    }
    updateLook();
}

PropertyValueEx PropertyValuesCtrl::getPropertyValueEx()
{
    storeStaticText();
    return m_value;
}

void PropertyValuesCtrl::setData(const PropertyValueEx& value, const Core::String& propertyName,
                                 const AttributeData& attribute)
{
    m_propertyName = propertyName;
    m_attribute = attribute;
    setPropertyValueEx(value);
}

void PropertyValuesCtrl::setDocumentInformation(const SmartPtr<IDocumentInformation>& document)
{
    m_document = document;
    update();
}

void PropertyValuesCtrl::setDialogAllowed(bool allowed)
{
    m_dialogAllowed = allowed;
    update();
}

void PropertyValuesCtrl::showCueBanner(bool show, const Core::String& text)
{
    m_cueBannerShown = show;
    m_cueBanner = text;
    updateLook();
}

bool PropertyValuesCtrl::showsPlaceholder() const
{
    return !m_value.isStatic() || m_cueBannerShown;
}

Core::String PropertyValuesCtrl::placeholderText() const
{
    if (m_cueBannerShown) {
        return m_cueBanner;
    }
    if (m_value.isStatic()) {
        return Core::String();
    }
    return Core::String::formatS(m_value.isDynamic() ? kDynamicPlaceholder
                                                     : kConditionalPlaceholder);
}

bool PropertyValuesCtrl::isDialogButtonEnabled() const
{
    return m_dialogAllowed && SampleXml::loadedSample(m_document);
}

QRect PropertyValuesCtrl::dialogButtonRect() const
{
    return fieldButtonRect();
}

void PropertyValuesCtrl::storeStaticText()
{
    if (m_value.isStatic()) {
        m_value.setStaticValue(text());
    }
}

void PropertyValuesCtrl::updateLook()
{
    // A value that is not typed here takes no caret and no typing.
    setReadOnly(!m_value.isStatic());
    update();
}

void PropertyValuesCtrl::OnPropertyValueDialog()
{
    if (!isDialogButtonEnabled()) {
        return;
    }
    storeStaticText();
    EditPropertyValuesDlg dialog(m_propertyName, m_value, m_attribute, m_document, m_context,
                                 m_passThrough, this);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    m_cueBannerShown = false;
    setPropertyValueEx(dialog.getPropertyValueEx());
    Q_EMIT propertyValueChanged(this);
}

void PropertyValuesCtrl::paintEvent(QPaintEvent* event)
{
    if (!showsPlaceholder()) {
        FieldButtonEdit::paintEvent(event);
        return;
    }
    {
        QPainter painter(this);
        QStyleOptionFrame frame;
        initStyleOption(&frame);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);
        const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &frame, this);
        painter.fillRect(inside, Qt::white);
        painter.setPen(kPlaceholderText);
        painter.setFont(font());
        const QRect textArea = inside.adjusted(0, 0, -dialogButtonRect().width(), 0);
        painter.drawText(
            textArea, Qt::AlignCenter | Qt::TextSingleLine,
            painter.fontMetrics().elidedText(placeholderText(), Qt::ElideRight, textArea.width()));
    }
    paintButton();
}

void PropertyValuesCtrl::paintFieldButton(QPainter& painter, const QRect& rect)
{
    ControlsDrawingRoutines::get().drawBrowseShortButton(&painter, this, rect,
                                                         isDialogButtonEnabled(), hasFocus());
}

void PropertyValuesCtrl::buttonAreaPressed(const QPoint&)
{
    if (isDialogButtonEnabled()) {
        Q_EMIT propertyValueDialogRequested(this);
        // Opened once the click is over, so the press does not land in the dialog.
        QTimer::singleShot(0, this, &PropertyValuesCtrl::OnPropertyValueDialog);
    }
}

void PropertyValuesCtrl::openKeyPressed()
{
    if (isDialogButtonEnabled()) {
        Q_EMIT propertyValueDialogRequested(this);
        OnPropertyValueDialog();
    }
}

void PropertyValuesCtrl::mousePressEvent(QMouseEvent* event)
{
    if (showsPlaceholder() && !isButtonArea(event->position().toPoint())) {
        event->accept();
        return;
    }
    FieldButtonEdit::mousePressEvent(event);
}
void PropertyValuesCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (showsPlaceholder()) {
        event->accept();
        return;
    }
    FieldButtonEdit::mouseDoubleClickEvent(event);
}
void PropertyValuesCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (showsPlaceholder()) {
        event->accept();
        return;
    }
    FieldButtonEdit::mouseReleaseEvent(event);
}

void PropertyValuesCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    if (showsPlaceholder()) {
        event->accept();
        return;
    }
    FieldButtonEdit::contextMenuEvent(event);
}

void PropertyValuesCtrl::keyPressEvent(QKeyEvent* event)
{
    if (isOpenKey(event)) {
        FieldButtonEdit::keyPressEvent(event);
        return;
    }
    if (!m_value.isStatic()) {
        QLineEdit::keyPressEvent(event); // read-only: moves, copies, never types
        return;
    }
    if (m_cueBannerShown && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        // Typing replaces the hint with what is typed.
        m_cueBannerShown = false;
        update();
    }
    QLineEdit::keyPressEvent(event);
}

void PropertyValuesCtrl::focusOutEvent(QFocusEvent* event)
{
    storeStaticText();
    FieldButtonEdit::focusOutEvent(event);
}

void PropertyValuesCtrl::resizeEvent(QResizeEvent* event)
{
    FieldButtonEdit::resizeEvent(event);
    update();
}

void DDX_Value(const DataExchange& dx, PropertyValueEx& value, PropertyValuesCtrl& control)
{
    if (dx.isSaving()) {
        value = control.getPropertyValueEx();
    } else {
        control.setPropertyValueEx(value);
    }
}
