#include "dialogs/data/sortctrl.h"

#include "controls/controlsdrawingroutines.h"
#include "dialogs/data/editsortdlg.h"
#include "frame/win32constants.h"
#include "xml/model/samplexml.h"

#include <QPainter>

SortCtrl::SortCtrl(QWidget* parent) : SortCtrl(SmartPtr<IDocumentInformation>(), Core::String(), parent)
{
}

SortCtrl::SortCtrl(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
                   QWidget* parent)
    : FieldButtonEdit(parent), m_documentInformation(std::move(documentInformation)), m_context(context)
{
}

SortCtrl::~SortCtrl() = default;

bool SortCtrl::Create(const QRect& rect, QWidget* parent)
{
    if (!parent) {
        return false;
    }
    setParent(parent);
    setGeometry(rect);
    show();
    return true;
}

void SortCtrl::setKMBDocument(SmartPtr<IDocumentInformation> documentInformation)
{
    m_documentInformation = std::move(documentInformation);
    update();
}

void SortCtrl::paintFieldButton(QPainter& painter, const QRect& rect)
{
    ControlsDrawingRoutines::get().drawScrollRightButton(&painter, this, rect, !m_documentInformation.isNull(),
                                                         hasFocus());
}

void SortCtrl::buttonAreaPressed(const QPoint&)
{
    openSortDialog();
}

void SortCtrl::openKeyPressed()
{
    openSortDialog();
}

void SortCtrl::openSortDialog()
{
    if (!SampleXml::loadedSample(m_documentInformation) || isReadOnly() || !isEnabled()) {
        return;
    }
    EditSortDlg dialog(m_documentInformation, text(), m_context, this);
    if (dialog.DoModal() == Win32::IDOK) {
        setText(dialog.getSortString().toQString());
    }
}
