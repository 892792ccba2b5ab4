#pragma once

#include "controls/fieldbuttonedit.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"

/// A one-line field that shows a sort string, with a button inside its right
/// edge (or F4) that opens the sort dialog on the text, in the field's
/// context; OK puts the dialog's sort string back into the field, which
/// dialogs hear through textChanged. The button works, and looks enabled,
/// only with document information; it opens the dialog only when a sample is
/// loaded.
class UIEDITOR_EXPORT SortCtrl : public FieldButtonEdit
{
    Q_OBJECT

public:
    /// For forms that make an edit of theirs a SortCtrl.
    explicit SortCtrl(QWidget* parent = nullptr);
    SortCtrl(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
             QWidget* parent = nullptr);
    ~SortCtrl() override;

    /// Places the field in `parent` over `rect` and shows it; false without a parent.
    bool Create(const QRect& rect, QWidget* parent);

    void setContext(const Core::String& context) { m_context = context; }
    Core::String getContext() const { return m_context; }
    void setKMBDocument(SmartPtr<IDocumentInformation> documentInformation);

protected:
    void paintFieldButton(QPainter& painter, const QRect& rect) override;
    void buttonAreaPressed(const QPoint& pos) override;
    void openKeyPressed() override;

private:
    void openSortDialog();

    SmartPtr<IDocumentInformation> m_documentInformation;
    Core::String m_context;
};
