#include "xml/widgets/xpathctrl.h"

#include "controls/controlsdrawingroutines.h"
#include "frame/win32constants.h"
#include "xml/model/samplexml.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QPainter>

XPathCtrl::XPathCtrl(QWidget* parent)
    : XPathCtrl(SmartPtr<IDocumentInformation>(), Core::String(), parent)
{
}

XPathCtrl::XPathCtrl(SmartPtr<IDocumentInformation> documentInformation,
                     const Core::String& context, QWidget* parent)
    : FieldButtonEdit(parent), m_documentInformation(std::move(documentInformation)),
      m_context(context)
{
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
    return fieldButtonRect();
}

void XPathCtrl::paintFieldButton(QPainter& painter, const QRect& rect)
{
    ControlsDrawingRoutines::get().drawScrollRightButton(&painter, this, rect,
                                                         !m_documentInformation.isNull(), hasFocus());
}

void XPathCtrl::buttonAreaPressed(const QPoint&)
{
    OnButtonClicked();
}

void XPathCtrl::openKeyPressed()
{
    OnButtonClicked();
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
