#include "dialogs/data/editvariablesdlg.h"

#include "dialogs/data/vareditdlg.h"
#include "frame/win32constants.h"

#include "ui_editvariablesdlg.h"

#include <QHeaderView>

namespace {

enum Column { NameColumn, ValueColumn };

QTableWidgetItem* cellItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text); // a long expression is read in full without widening the column
    return item;
}

} // namespace

EditVariablesDlg::EditVariablesDlg(std::vector<KMBVariable> variables, QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::EditVariablesDlg>()), m_variables(std::move(variables))
{
    m_ui->setupUi(this);
    QTableWidget* list = m_ui->variablesList;
    list->setColumnCount(2);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(false);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    connect(m_ui->addButton, &QPushButton::clicked, this, &EditVariablesDlg::OnAddVariable);
    connect(m_ui->editButton, &QPushButton::clicked, this, &EditVariablesDlg::OnEditVariable);
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &EditVariablesDlg::OnDeleteVariable);
    connect(list, &QTableWidget::itemDoubleClicked, this, &EditVariablesDlg::OnItemDblClk);
    connect(list, &QTableWidget::itemSelectionChanged, this, &EditVariablesDlg::updateButtons);
}

EditVariablesDlg::~EditVariablesDlg() = default;

bool EditVariablesDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    QTableWidget* list = m_ui->variablesList;
    list->setHorizontalHeaderLabels({Core::String::formatS(63151).toQString(), Core::String::formatS(63152).toQString()});
    list->setRowCount(0);
    for (const KMBVariable& variable : m_variables) {
        addOrModifyItemList(variable.getName().toQString(), variable.getSelect().toQString(), -1);
    }
    fitColumns();
    updateButtons();
    return true;
}

void EditVariablesDlg::addOrModifyItemList(const QString& name, const QString& value, int row)
{
    QTableWidget* list = m_ui->variablesList;
    if (row < 0 || row >= list->rowCount()) {
        row = list->rowCount();
        list->insertRow(row);
    }
    list->setItem(row, NameColumn, cellItem(name));
    list->setItem(row, ValueColumn, cellItem(value));
    list->selectRow(row);
    updateButtons();
}

int EditVariablesDlg::selectedRow() const
{
    const QList<QTableWidgetItem*> items = m_ui->variablesList->selectedItems();
    return items.isEmpty() ? -1 : items.front()->row();
}

void EditVariablesDlg::updateButtons()
{
    const bool selected = selectedRow() >= 0;
    m_ui->editButton->setEnabled(selected);
    m_ui->deleteButton->setEnabled(selected);
}

void EditVariablesDlg::OnAddVariable()
{
    VarEditDlg editor(Core::String(), Core::String(), this);
    if (editor.DoModal() == Win32::IDOK) {
        addOrModifyItemList(editor.getName().toQString(), editor.getValue().toQString(), -1);
    }
}

void EditVariablesDlg::OnEditVariable()
{
    editRow(selectedRow());
}

void EditVariablesDlg::OnItemDblClk(QTableWidgetItem* item)
{
    if (item) {
        editRow(item->row());
    }
}

void EditVariablesDlg::editRow(int row)
{
    QTableWidget* list = m_ui->variablesList;
    if (row < 0 || row >= list->rowCount()) {
        return;
    }
    VarEditDlg editor(list->item(row, NameColumn)->text(), list->item(row, ValueColumn)->text(), this);
    if (editor.DoModal() == Win32::IDOK) {
        addOrModifyItemList(editor.getName().toQString(), editor.getValue().toQString(), row);
    }
}

void EditVariablesDlg::OnDeleteVariable()
{
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    QTableWidget* list = m_ui->variablesList;
    list->removeRow(row);
    list->clearSelection();
    if (list->rowCount() > 0) {
        list->selectRow(std::min(row, list->rowCount() - 1));
    }
    updateButtons();
}

void EditVariablesDlg::OnOK()
{
    const QTableWidget* list = m_ui->variablesList;
    std::vector<KMBVariable> variables;
    for (int row = 0; row < list->rowCount(); ++row) {
        variables.emplace_back(list->item(row, NameColumn)->text(), list->item(row, ValueColumn)->text());
    }
    m_variables = std::move(variables);
    EndDialog(Accepted);
}

void EditVariablesDlg::resizeEvent(QResizeEvent* event)
{
    Dialog::resizeEvent(event);
    fitColumns();
}

void EditVariablesDlg::fitColumns()
{
    QTableWidget* list = m_ui->variablesList;
    list->setColumnWidth(NameColumn, list->viewport()->width() / 2);
}
