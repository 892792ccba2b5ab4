#pragma once

#include "controls/fieldbuttonedit.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"

/// A field whose button opens an editor built on the template's sample data,
/// in the field's context: the XPath and sort fields. The button looks
/// enabled only while the field has document information; a press on it (or
/// F4) opens the editor only when the field is enabled and writable.
class UIEDITOR_EXPORT DocumentFieldEdit : public FieldButtonEdit
{
    Q_OBJECT

public:
    DocumentFieldEdit(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
                      QWidget* parent = nullptr);
    ~DocumentFieldEdit() override;

    /// For dialogs that build the field at run time: places it in `parent`
    /// over `rect` and shows it. Answers success (false without a parent).
    bool Create(const QRect& rect, QWidget* parent);

    /// The XPath of the node the field's expressions are evaluated from.
    void setContext(const Core::String& context) { m_context = context; }
    Core::String getContext() const { return m_context; }

    /// Replaces the document information; null disables the button.
    void setKMBDocument(SmartPtr<IDocumentInformation> documentInformation);
    SmartPtr<IDocumentInformation> getIDocumentInformation() const { return m_documentInformation; }

protected:
    /// Opens the field's editor on its text; the field is enabled and writable.
    virtual void openEditor() = 0;

    void paintFieldButton(QPainter& painter, const QRect& rect) override;
    void buttonAreaPressed(const QPoint& pos) override;
    void openKeyPressed() override;

private:
    void requestEditor();

    SmartPtr<IDocumentInformation> m_documentInformation;
    Core::String m_context;
};
