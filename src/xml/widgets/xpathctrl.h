#pragma once

#include "controls/fieldbuttonedit.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"
#include "uieditor_export.h"


/// A one-line field for an XPath expression with a small button inside its
/// right edge. Typing edits the expression; the button (or F4) opens the expression
/// editor on the text, in the field's context, and puts the accepted
/// expression (unescaped) back into the field, which dialogs hear through
/// textChanged. The button works, and looks enabled, only when the field has
/// document information; it opens the editor only when a sample is loaded.
class UIEDITOR_EXPORT XPathCtrl : public FieldButtonEdit
{
    Q_OBJECT

public:
    /// For forms that make an edit of theirs an XPathCtrl: set the document
    /// information and the context before the user gets to it.
    explicit XPathCtrl(QWidget* parent = nullptr);
    XPathCtrl(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
              QWidget* parent = nullptr);
    ~XPathCtrl() override;

    /// For dialogs that build the field at run time: places it in `parent`
    /// over `rect` and shows it. Answers success (false without a parent).
    bool Create(const QRect& rect, QWidget* parent);

    /// The XPath of the node expressions in this field are evaluated from.
    void setContext(const Core::String& context) { m_context = context; }
    Core::String getContext() const { return m_context; }

    /// Replaces the document information; null disables the button.
    void setKMBDocument(SmartPtr<IDocumentInformation> documentInformation);
    SmartPtr<IDocumentInformation> getIDocumentInformation() const { return m_documentInformation; }

    /// Where the button is, in the field's coordinates: inside the frame,
    /// as wide as a scroll bar, at the right edge.
    QRect getDropDownBtnRect() const;

protected:
    void paintFieldButton(QPainter& painter, const QRect& rect) override;
    void buttonAreaPressed(const QPoint& pos) override;
    void openKeyPressed() override;

private:
    void OnButtonClicked();

    SmartPtr<IDocumentInformation> m_documentInformation;
    Core::String m_context;
};
