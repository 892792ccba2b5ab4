#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/conditionalvalue.h"
#include "outside/types/idocumentinformation.h"
#include "xml/model/attributedata.h"

#include <memory>
#include <vector>

namespace Ui {
class EditConditionalValuesDlg;
}

/// Edits the cases of a conditional value: each condition (an XPath) with
/// the static or dynamic value it gives. The row "<default value>" holds the
/// value that applies when no condition holds; it can be changed but not
/// removed, renamed or made dynamic.
class UIEDITOR_EXPORT EditConditionalValuesDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12301;
    /// The condition that marks the default row.
    static const Core::String DefaultCondition;

    EditConditionalValuesDlg(const Core::String& propertyName,
                             const std::vector<ConditionalValue>& values,
                             const AttributeData& attribute,
                             const SmartPtr<IDocumentInformation>& document,
                             const Core::String& context, QWidget* parent = nullptr);
    ~EditConditionalValuesDlg() override;

    /// The edited cases, default row included, after OK.
    const std::vector<ConditionalValue>& getConditionalValues() const { return m_values; }

    void OnBnClickedAdd();
    void OnBnClickedEdit();
    void OnBnClickedRemove();
    /// F2: renames the selected condition in place.
    void OnEditCondition();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillRows();
    void selectRow(int row);
    void onSelectionChanged();
    void onStaticRadio();
    void onDynamicRadio();
    void saveShownRecord();
    void saveData();
    void showKindOfRow(int row);
    void onConditionRenamed(int row, const QString& text);
    bool isDefaultRow(int row) const;
    /// Tells the user, and answers true, when `condition` is the default's name.
    bool refusesCondition(const Core::String& condition);
    int selectedRow() const;

    std::unique_ptr<Ui::EditConditionalValuesDlg> m_ui;
    Core::String m_propertyName;
    std::vector<ConditionalValue> m_givenValues; ///< what each run starts from
    std::vector<ConditionalValue> m_values;
    Core::String m_context;
    SmartPtr<IDocumentInformation> m_document;
    int m_selectedRow = -1;
    int m_shownRow = -1;
    AttributeData m_attribute;
    bool m_filling = false;
};
