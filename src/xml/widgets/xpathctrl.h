#pragma once

#include "controls/documentfieldedit.h"

/// A one-line field for an XPath expression with a small button inside its
/// right edge. Typing edits the expression; the button (or F4) opens the expression
/// editor on the text, in the field's context, and puts the accepted
/// expression (unescaped) back into the field, which dialogs hear through
/// textChanged. The button works, and looks enabled, only when the field has
/// document information; it opens the editor only when a sample is loaded.
class UIEDITOR_EXPORT XPathCtrl : public DocumentFieldEdit
{
    Q_OBJECT

public:
    /// For forms that make an edit of theirs an XPathCtrl: set the document
    /// information and the context before the user gets to it.
    explicit XPathCtrl(QWidget* parent = nullptr);
    XPathCtrl(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
              QWidget* parent = nullptr);
    ~XPathCtrl() override;

    /// Where the button is, in the field's coordinates: inside the frame,
    /// as wide as a scroll bar, at the right edge.
    QRect getDropDownBtnRect() const { return fieldButtonRect(); }

protected:
    void openEditor() override;
};
