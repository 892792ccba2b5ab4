#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"

#include <functional>
#include <memory>
#include <vector>

class QListWidgetItem;

namespace Ui {
class InsertConditionalSectionsDlg;
}

/// Collects the tests of a conditional section: alternatives of which the
/// first whose XPath test holds is rendered, and a last one without test
/// (the fallback, always the first row of the list, which cannot be edited
/// or removed). Produces the markup to insert, as blocks or as inlines, each
/// alternative holding placeholder text for the user to replace.
class UIEDITOR_EXPORT InsertConditionalSectionsDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 11101;
    enum { IDC_ADD = 11103, IDC_REMOVE = 11104, IDC_CONDITIONS = 11105, IDC_EDIT = 11106 };
    /// The command of the in-place edit key (F2).
    static constexpr int ID_EDIT_LIST_CONDITION = 9024;

    InsertConditionalSectionsDlg(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
                                 QWidget* parent = nullptr);
    ~InsertConditionalSectionsDlg() override;

    /// Appends a test before the dialog runs; an empty one, or the fallback's
    /// text, is ignored.
    void addCondition(const Core::String& condition);
    /// The tests, after the fallback entry, in list order.
    std::vector<Core::String> getConditions() const;

    /// The alternatives as blocks: one kmb:conditional-block per test, then the fallback.
    Core::String getConditionalSectionXml() const;
    /// The same as inlines.
    Core::String getInlineConditionalSectionXml() const;
    /// `test` made fit for an attribute value and for text.
    static Core::String formatCondition(const Core::String& test);

    /// How a test is asked for; the expression editor unless a test or host
    /// sets another. Answers false when the user cancelled.
    using ConditionEditor = std::function<bool(Core::String& condition)>;
    void setConditionEditor(ConditionEditor editor) { m_conditionEditor = std::move(editor); }

protected:
    bool OnInitDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnAddCondition();
    void OnEditCondition();
    void OnEditListCondition();
    void OnRemoveCondition();
    void OnConditionDblClick(const QPoint& position);
    void OnEndConditionEdit(QListWidgetItem* item);
    void editItemEx(int row);
    void updateInterface();
    void populateList(int selectedRow);
    int selectedRow() const;
    bool askCondition(Core::String& condition);

    std::unique_ptr<Ui::InsertConditionalSectionsDlg> m_ui;
    SmartPtr<IDocumentInformation> m_documentInformation;
    Core::String m_context;
    std::vector<Core::String> m_conditions; ///< entry 0 is the fallback
    ConditionEditor m_conditionEditor;
    bool m_filling = false;
};
