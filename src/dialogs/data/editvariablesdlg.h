#pragma once

#include "frame/dialog.h"
#include "outside/types/kmbvariable.h"

#include <memory>
#include <vector>

class QTableWidgetItem;

namespace Ui {
class EditVariablesDlg;
}

/// Edits the parameters a template declares, all at once: a list of names
/// with their default values (select expressions), each added or changed
/// through VarEditDlg. Names are not checked here; the host decides what an
/// empty or repeated name means for its template.
class UIEDITOR_EXPORT EditVariablesDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 11701;
    enum { IDC_VARIABLES = 11702, IDC_ADD = 11703, IDC_EDIT = 11704, IDC_DELETE = 11705 };

    explicit EditVariablesDlg(std::vector<KMBVariable> variables, QWidget* parent = nullptr);
    ~EditVariablesDlg() override;

    /// The list as accepted by OK; the list given until then.
    std::vector<KMBVariable> getVariables() const { return m_variables; }

    /// Appends a row (`row` -1) or replaces the two cells of `row`.
    void addOrModifyItemList(const QString& name, const QString& value, int row);

protected:
    bool OnInitDialog() override;
    /// Takes the rows, in order, as the list of parameters.
    void OnOK() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnAddVariable();
    void OnEditVariable();
    void OnDeleteVariable();
    void OnItemDblClk(QTableWidgetItem* item);
    void editRow(int row);
    int selectedRow() const;
    void updateButtons();
    void fitColumns();

    std::unique_ptr<Ui::EditVariablesDlg> m_ui;
    std::vector<KMBVariable> m_variables;
};
