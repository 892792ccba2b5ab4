#pragma once

#include "controls/dialogexpander.h"
#include "outside/core/smartptr.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/pagemasterdata.h"

#include <memory>
#include <vector>

namespace Ui {
class EditPageSetDlg;
}

/// Edits a page set: the ordered list of its page layouts with when each is
/// used, and, given document information, the dynamic settings: the nodes
/// the page set repeats for, its condition, sort order and parent set.
/// Works on a copy of the page set; OK refuses one that can run out of pages.
class UIEDITOR_EXPORT EditPageSetDlg : public DialogExpander
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12516;
    enum {
        IDC_TYPE_LIST = 12517,
        IDC_DYNAMIC_FRAME = 12806,
        IDC_CONDITION = 9003,
        IDC_REPEAT = 12844,
        IDC_SORT = 11811,
        IDC_PARENT_SET = 12847
    };

    EditPageSetDlg(const PageMasterData& pageSet, SmartPtr<IDocumentInformation> info, QWidget* parent = nullptr);
    ~EditPageSetDlg() override;

    /// The layouts references may use.
    void setSimpleMasters(const std::vector<Core::String>& names) { m_simpleMasters = names; }
    /// The page sets this one may be placed below; none hides the choice.
    void setAvailableParentSet(const std::vector<Core::String>& names) { m_parentSets = names; }
    void setXPathExpression(const Core::String& xpath) { m_xpath = xpath; }
    void setConditionExpression(const Core::String& condition) { m_condition = condition; }
    void setSortExpression(const Core::String& sort) { m_sort = sort; }
    void setParentSet(const Core::String& parentSet) { m_parentSet = parentSet; }

    PageMasterData getMasterData() const { return m_data; }
    /// The expression of the nodes the page set repeats for.
    Core::String getXPathExpression() const { return m_xpath; }
    Core::String getConditionExpression() const { return m_condition; }
    Core::String getSortExpression() const { return m_sort; }
    /// Empty for none.
    Core::String getParentSet() const { return m_parentSet; }

    /// The index of the first matching reference, as PageSetRules finds it.
    int searchReference(const Core::String& name, int type, const Core::String& condition,
                        const Core::String& value, const Core::String& maximum) const;

protected:
    bool OnInitDialog() override;
    /// Refuses a page set that can run out of pages (message 63337).
    void OnOK() override;

private:
    void OnAddType();
    void OnRemoveType();
    void OnUpType();
    void OnDownType();
    void OnTypeSelectionChanged();
    void populateTypeList(int selected);
    void updateInterface();
    int getSelectedTypeIdx() const;
    void moveSelected(int step);
    void readControls();

    std::unique_ptr<Ui::EditPageSetDlg> m_ui;
    PageMasterData m_data;
    std::vector<Core::String> m_simpleMasters;
    std::vector<Core::String> m_parentSets;
    Core::String m_condition;
    Core::String m_xpath;
    Core::String m_sort;
    Core::String m_parentSet;
    bool m_dynamic;
};
