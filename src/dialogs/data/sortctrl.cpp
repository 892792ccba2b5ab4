#include "dialogs/data/sortctrl.h"

#include "dialogs/data/editsortdlg.h"
#include "frame/win32constants.h"
#include "xml/model/samplexml.h"

SortCtrl::SortCtrl(QWidget* parent) : SortCtrl(SmartPtr<IDocumentInformation>(), Core::String(), parent)
{
}

SortCtrl::SortCtrl(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
                   QWidget* parent)
    : DocumentFieldEdit(std::move(documentInformation), context, parent)
{
}

SortCtrl::~SortCtrl() = default;

void SortCtrl::openEditor()
{
    if (!SampleXml::loadedSample(getIDocumentInformation())) {
        return;
    }
    EditSortDlg dialog(getIDocumentInformation(), text(), getContext(), this);
    if (dialog.DoModal() == Win32::IDOK) {
        setText(dialog.getSortString().toQString());
    }
}
