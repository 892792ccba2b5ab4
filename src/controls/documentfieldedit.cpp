#include "controls/documentfieldedit.h"

#include "controls/controlsdrawingroutines.h"

#include <QPainter>

DocumentFieldEdit::DocumentFieldEdit(SmartPtr<IDocumentInformation> documentInformation,
                                     const Core::String& context, QWidget* parent)
    : FieldButtonEdit(parent), m_documentInformation(std::move(documentInformation)), m_context(context)
{
}

DocumentFieldEdit::~DocumentFieldEdit() = default;

bool DocumentFieldEdit::Create(const QRect& rect, QWidget* parent)
{
    if (!parent) {
        return false;
    }
    setParent(parent);
    setGeometry(rect);
    show();
    return true;
}

void DocumentFieldEdit::setKMBDocument(SmartPtr<IDocumentInformation> documentInformation)
{
    m_documentInformation = std::move(documentInformation);
    update();
}

void DocumentFieldEdit::paintFieldButton(QPainter& painter, const QRect& rect)
{
    ControlsDrawingRoutines::get().drawScrollRightButton(&painter, this, rect, !m_documentInformation.isNull(),
                                                         hasFocus());
}

void DocumentFieldEdit::buttonAreaPressed(const QPoint&)
{
    requestEditor();
}

void DocumentFieldEdit::openKeyPressed()
{
    requestEditor();
}

void DocumentFieldEdit::requestEditor()
{
    if (!m_documentInformation.isNull() && isEnabled() && !isReadOnly()) {
        openEditor();
    }
}
