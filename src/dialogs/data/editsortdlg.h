#pragma once

#include "dialogs/data/sortcriteria.h"
#include "frame/featuredialog.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"

#include <memory>

namespace Ui {
class EditSortDlg;
}

/// Edits the keys of a sort held in one sort string: a list of criteria,
/// each an XPath built with the expression editor relative to the context
/// of the repeating content, with its data type, order and case order.
/// Without a sample to build expressions against it ends at once, cancelled.
class UIEDITOR_EXPORT EditSortDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 11801;
    enum {
        IDC_CONTEXT = 11802,
        IDC_CRITERIA_LIST = 11803,
        IDC_DATA_TYPE = 11804,
        IDC_SORT_ORDER = 11805,
        IDC_CASE_ORDER = 11806,
        IDC_MOVE_UP = 11807,
        IDC_MOVE_DOWN = 11808,
        IDC_ADD = 11809,
        IDC_REMOVE = 11810,
        IDC_EDIT = 11811
    };

    EditSortDlg(SmartPtr<IDocumentInformation> documentInformation, const Core::String& sortString,
                const Core::String& context, QWidget* parent = nullptr);
    ~EditSortDlg() override;

    /// The sort string of the criteria as they stand.
    Core::String getSortString() const;
    const std::vector<SortCriteria>& criteria() const { return m_criteria; }

    /// Appends the criteria of `sortString`.
    void addCriteriaFromString(const Core::String& sortString);

    /// How the key of a criterion is asked for; the expression editor unless
    /// a test or host sets another. Answers false when the user cancelled.
    using SelectEditor = std::function<bool(Core::String& select)>;
    void setSelectEditor(SelectEditor editor) { m_selectEditor = std::move(editor); }

protected:
    bool OnInitDialog() override;

private:
    void OnAddSort();
    void OnEditSort();
    void OnDeleteSort();
    void OnMoveUp();
    void OnMoveDown();
    void OnCbnCloseupDataTypeCombo();
    void OnCbnCloseupOrderCombo();
    void OnCbnCloseupCaseOrderCombo();
    void OnLvnItemchangedConditionsList();

    void populateSortList(int selectedRow);
    void updateInterfaceState();
    void updateComboboxes();
    int getSelectedItem() const;
    SortCriteria* getSelectedItemCriteria();
    /// Asks for the key of `criteria`, or of a new one when null.
    void editOrAddCriteria(SortCriteria* criteria);
    bool askSelect(Core::String& select);
    void moveSelected(int offset);

    std::unique_ptr<Ui::EditSortDlg> m_ui;
    SmartPtr<IDocumentInformation> m_documentInformation;
    Core::String m_context;
    std::vector<SortCriteria> m_criteria;
    SelectEditor m_selectEditor;
};
