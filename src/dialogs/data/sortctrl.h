#pragma once

#include "controls/documentfieldedit.h"

/// A one-line field that shows a sort string, with a button inside its right
/// edge (or F4) that opens the sort dialog on the text, in the field's
/// context; OK puts the dialog's sort string back into the field, which
/// dialogs hear through textChanged. The button works, and looks enabled,
/// only with document information; it opens the dialog only when a sample is
/// loaded.
class UIEDITOR_EXPORT SortCtrl : public DocumentFieldEdit
{
    Q_OBJECT

public:
    /// For forms that make an edit of theirs a SortCtrl.
    explicit SortCtrl(QWidget* parent = nullptr);
    SortCtrl(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
             QWidget* parent = nullptr);
    ~SortCtrl() override;

protected:
    void openEditor() override;
};
