#include "xml/xpathctrl.h"

#include "controls/controlsdrawingroutines.h"
#include "frame/win32constants.h"
#include "xml/samplexml.h"
#include "xml/xpatheditdlg.h"

#include <QMouseEvent>
#include <QPainter>

XPathCtrl::XPathCtrl(QWidget* parent)
    : XPathCtrl(SmartPtr<IDocumentInformation>(), Core::String(), parent)
{
}

XPathCtrl::XPathCtrl(SmartPtr<IDocumentInformation> documentInformation,
                     const Core::String& context, QWidget* parent)
    : QLineEdit(parent), m_documentInformation(std::move(documentInformation)), m_context(context)
{
    setMouseTracking(true);
    updateMargins();
}

XPathCtrl::~XPathCtrl() = default;

bool XPathCtrl::Create(const QRect& rect, QWidget* parent)
{
    if (!parent) {
        return false;
    }
    setParent(parent);
    setGeometry(rect);
    show();
    return true;
}

void XPathCtrl::setKMBDocument(SmartPtr<IDocumentInformation> documentInformation)
{
    m_documentInformation = std::move(documentInformation);
    update();
}

QRect XPathCtrl::getDropDownBtnRect() const
{
    return ControlsDrawingRoutines::get().getFieldButtonRect(this);
}

void XPathCtrl::updateMargins()
{
    setTextMargins(0, 0, ControlsDrawingRoutines::get().getScrollbarWidth(), 0);
}

void XPathCtrl::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    ControlsDrawingRoutines::get().drawScrollRightButton(
        &painter, this, getDropDownBtnRect(), !m_documentInformation.isNull(), hasFocus());
}

void XPathCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton ||
        !getDropDownBtnRect().contains(event->position().toPoint())) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    // The button is no part of the text: a press on it never moves the caret.
    event->accept();
    OnButtonClicked();
}

void XPathCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (getDropDownBtnRect().contains(event->position().toPoint())) {
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

void XPathCtrl::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(getDropDownBtnRect().contains(event->position().toPoint()) ? Qt::ArrowCursor
                                                                         : Qt::IBeamCursor);
    QLineEdit::mouseMoveEvent(event);
}

void XPathCtrl::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    update(); // the button shows the focus too
}

void XPathCtrl::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    update();
}

void XPathCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange) {
        updateMargins();
    }
    QLineEdit::changeEvent(event);
}

void XPathCtrl::OnButtonClicked()
{
    if (!SampleXml::loadedSample(m_documentInformation) || isReadOnly() || !isEnabled()) {
        return;
    }
    XPathEditDlg editor(m_documentInformation, text(), m_context, this);
    if (editor.DoModal() == Win32::IDOK) {
        setText(editor.getXPath(false));
    }
}
