#include "xml/widgets/xpathctrl.h"

#include "frame/win32constants.h"
#include "xml/model/samplexml.h"
#include "xml/widgets/xpatheditdlg.h"

XPathCtrl::XPathCtrl(QWidget* parent) : XPathCtrl(SmartPtr<IDocumentInformation>(), Core::String(), parent)
{
}

XPathCtrl::XPathCtrl(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
                     QWidget* parent)
    : DocumentFieldEdit(std::move(documentInformation), context, parent)
{
}

XPathCtrl::~XPathCtrl() = default;

void XPathCtrl::openEditor()
{
    if (!SampleXml::loadedSample(getIDocumentInformation())) {
        return;
    }
    XPathEditDlg editor(getIDocumentInformation(), text(), getContext(), this);
    if (editor.DoModal() == Win32::IDOK) {
        setText(editor.getXPath(false));
    }
}
