#include "values/editconditionalvaluesdlg.h"

#include "controls/cinplaceedit.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "ui_editconditionalvaluesdlg.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr unsigned kConditionHeader = 63187;
constexpr unsigned kValueHeader = 63188;
constexpr unsigned kKindHeader = 63189;
const Core::String kNewCondition = "<new condition>";

} // namespace

const Core::String EditConditionalValuesDlg::DefaultCondition = "<default value>";

EditConditionalValuesDlg::EditConditionalValuesDlg(const Core::String& propertyName,
                                                   const std::vector<ConditionalValue>& values,
                                                   const AttributeData& attribute,
                                                   const SmartPtr<IDocumentInformation>& document,
                                                   const Core::String& context, QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::EditConditionalValuesDlg>()),
      m_propertyName(propertyName), m_givenValues(values), m_values(values), m_context(context),
      m_document(document), m_attribute(attribute)
{
    m_ui->setupUi(this);
    m_ui->dynamicEdit->setKMBDocument(document);
    m_ui->dynamicEdit->setContext(context);

    CEditListCtrl* list = m_ui->conditionList;
    list->setFirstColumnEditable(true);
    list->setMouseTracking(true); // hot tracking
    list->InsertColumn(0, Core::String::formatS(kConditionHeader), Qt::AlignLeft, 175);
    list->InsertColumn(1, Core::String::formatS(kValueHeader), Qt::AlignLeft, 120);
    list->InsertColumn(2, Core::String::formatS(kKindHeader), Qt::AlignLeft, 60);
    list->header()->setStretchLastSection(true);
    connect(list, &QTreeWidget::itemSelectionChanged, this,
            &EditConditionalValuesDlg::onSelectionChanged);
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (!isDefaultRow(m_ui->conditionList->indexOfTopLevelItem(item))) {
            OnBnClickedEdit();
        }
    });
    connect(list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (column == 0 && !m_filling) {
            onConditionRenamed(m_ui->conditionList->indexOfTopLevelItem(item), item->text(0));
        }
    });
    list->viewport()->installEventFilter(this);

    connect(m_ui->addButton, &QPushButton::clicked, this,
            &EditConditionalValuesDlg::OnBnClickedAdd);
    connect(m_ui->editButton, &QPushButton::clicked, this,
            &EditConditionalValuesDlg::OnBnClickedEdit);
    connect(m_ui->removeButton, &QPushButton::clicked, this,
            &EditConditionalValuesDlg::OnBnClickedRemove);
    connect(m_ui->staticRadio, &QRadioButton::clicked, this,
            &EditConditionalValuesDlg::onStaticRadio);
    connect(m_ui->dynamicRadio, &QRadioButton::clicked, this,
            &EditConditionalValuesDlg::onDynamicRadio);
    connect(m_ui->valueEditor, &VariantCtrl::textEdited, this, &EditConditionalValuesDlg::saveData);
    connect(m_ui->dynamicEdit, &QLineEdit::textEdited, this, &EditConditionalValuesDlg::saveData);

    auto* rename = new QShortcut(QKeySequence(Qt::Key_F2), this);
    rename->setContext(Qt::WindowShortcut);
    connect(rename, &QShortcut::activated, this, &EditConditionalValuesDlg::OnEditCondition);
}

EditConditionalValuesDlg::~EditConditionalValuesDlg() = default;

bool EditConditionalValuesDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    m_values = m_givenValues;
    m_selectedRow = -1;
    m_shownRow = -1;
    m_ui->valueEditor->createControlFor(m_attribute);
    m_ui->nameLabel->setText(m_propertyName);
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    m_ui->nameLabel->setFont(bold);

    fillRows();
    selectRow(0);
    m_ui->conditionList->setFocus();
    return true;
}

bool EditConditionalValuesDlg::refusesCondition(const Core::String& condition)
{
    // A second row by that name would be taken for the default.
    if (condition != DefaultCondition) {
        return false;
    }
    UIApplication::MessageBoxW(
        tr("The condition \"<default value>\" is reserved for the default value. "
           "Please enter another condition."),
        Win32::MB_ICONWARNING);
    return true;
}

bool EditConditionalValuesDlg::isDefaultRow(int row) const
{
    return row >= 0 && row < int(m_values.size()) &&
           m_values[size_t(row)].getCondition() == DefaultCondition;
}

int EditConditionalValuesDlg::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = m_ui->conditionList->selectedItems();
    return selected.isEmpty() ? -1 : m_ui->conditionList->indexOfTopLevelItem(selected.first());
}

void EditConditionalValuesDlg::fillRows()
{
    m_filling = true;
    CEditListCtrl* list = m_ui->conditionList;
    list->clear();
    for (size_t i = 0; i < m_values.size(); ++i) {
        const ConditionalValue& record = m_values[i];
        const int row = list->InsertItem(int(i), record.getCondition());
        list->SetItemText(row, 1, record.getValue());
        list->SetItemText(row, 2, record.isDynamic() ? tr("Dynamic") : tr("Static"));
        list->topLevelItem(row)->setData(0, Qt::UserRole, int(i));
    }
    m_filling = false;
    onSelectionChanged();
}

void EditConditionalValuesDlg::selectRow(int row)
{
    CEditListCtrl* list = m_ui->conditionList;
    if (QTreeWidgetItem* item = list->topLevelItem(row)) {
        list->setCurrentItem(item);
        item->setSelected(true);
    }
}

void EditConditionalValuesDlg::saveShownRecord()
{
    if (m_shownRow < 0 || m_shownRow >= int(m_values.size())) {
        return;
    }
    ConditionalValue& record = m_values[size_t(m_shownRow)];
    if (m_ui->staticRadio->isChecked()) {
        record.setStaticValue(m_ui->valueEditor->text());
        record.setDynamic(false);
    } else {
        record.setDynamicValue(m_ui->dynamicEdit->text());
        record.setDynamic(true);
    }
    m_ui->conditionList->SetItemText(m_shownRow, 1, record.getValue());
}

void EditConditionalValuesDlg::saveData()
{
    if (m_shownRow < 0 || m_shownRow >= int(m_values.size())) {
        return;
    }
    ConditionalValue& record = m_values[size_t(m_shownRow)];
    record.setStaticValue(m_ui->valueEditor->text());
    record.setDynamicValue(m_ui->dynamicEdit->text());
    m_ui->conditionList->SetItemText(m_shownRow, 1, record.getValue());
}

void EditConditionalValuesDlg::onSelectionChanged()
{
    if (m_filling) {
        return;
    }
    saveShownRecord();
    m_selectedRow = selectedRow();
    m_shownRow = m_selectedRow;

    const bool selected = m_selectedRow >= 0;
    const bool editable = selected && !isDefaultRow(m_selectedRow);
    m_ui->removeButton->setEnabled(editable);
    m_ui->editButton->setEnabled(editable);
    m_ui->staticRadio->setEnabled(selected);
    m_ui->valueEditor->setEnabled(selected);
    m_ui->dynamicRadio->setEnabled(editable);
    m_ui->dynamicEdit->setEnabled(editable);
    if (!selected) {
        m_ui->staticRadio->setAutoExclusive(false);
        m_ui->staticRadio->setChecked(false);
        m_ui->dynamicRadio->setChecked(false);
        m_ui->staticRadio->setAutoExclusive(true);
        m_ui->valueEditor->setText(Core::String());
        m_ui->dynamicEdit->clear();
        return;
    }
    const ConditionalValue& record = m_values[size_t(m_selectedRow)];
    m_ui->valueEditor->setText(record.getStaticValue());
    m_ui->dynamicEdit->setText(record.getDynamicValue());
    showKindOfRow(m_selectedRow);
}

void EditConditionalValuesDlg::showKindOfRow(int row)
{
    const bool dynamic = m_values[size_t(row)].isDynamic();
    m_ui->staticRadio->setChecked(!dynamic);
    m_ui->dynamicRadio->setChecked(dynamic);
    if (dynamic) {
        onDynamicRadio();
    } else {
        onStaticRadio();
    }
}

void EditConditionalValuesDlg::onStaticRadio()
{
    saveData();
    if (m_shownRow < 0) {
        return;
    }
    ConditionalValue& record = m_values[size_t(m_shownRow)];
    record.setDynamic(false);
    m_ui->staticRadio->setChecked(true);
    m_ui->valueEditor->setEnabled(true);
    m_ui->dynamicEdit->setEnabled(false);
    m_ui->conditionList->SetItemText(m_shownRow, 1, record.getStaticValue());
    m_ui->conditionList->SetItemText(m_shownRow, 2, tr("Static"));
    m_ui->valueEditor->setText(record.getStaticValue());
}

void EditConditionalValuesDlg::onDynamicRadio()
{
    saveData();
    if (m_shownRow < 0 || isDefaultRow(m_shownRow)) {
        return;
    }
    ConditionalValue& record = m_values[size_t(m_shownRow)];
    record.setDynamic(true);
    m_ui->dynamicRadio->setChecked(true);
    m_ui->valueEditor->setEnabled(false);
    m_ui->dynamicEdit->setEnabled(true);
    m_ui->conditionList->SetItemText(m_shownRow, 1, record.getDynamicValue());
    m_ui->conditionList->SetItemText(m_shownRow, 2, tr("Dynamic"));
    m_ui->dynamicEdit->setText(record.getDynamicValue());
}

void EditConditionalValuesDlg::OnBnClickedAdd()
{
    XPathEditDlg editor(m_document, kNewCondition, m_context, this);
    if (editor.DoModal() != Win32::IDOK) {
        return;
    }
    const Core::String condition = editor.getXPath(false);
    if (refusesCondition(condition)) {
        return;
    }
    saveShownRecord();
    m_values.emplace_back(Core::String(), Core::String(), condition, false);
    m_shownRow = -1;
    fillRows();
    selectRow(int(m_values.size()) - 1);
    m_ui->conditionList->setFocus();
}

void EditConditionalValuesDlg::OnBnClickedEdit()
{
    const int row = selectedRow();
    if (row < 0 || isDefaultRow(row)) {
        return;
    }
    XPathEditDlg editor(m_document, m_values[size_t(row)].getCondition(), m_context, this);
    if (editor.DoModal() != Win32::IDOK) {
        return;
    }
    const Core::String condition = editor.getXPath(false);
    if (refusesCondition(condition)) {
        return;
    }
    m_values[size_t(row)].setCondition(condition);
    m_filling = true;
    m_ui->conditionList->SetItemText(row, 0, m_values[size_t(row)].getCondition());
    m_filling = false;
}

void EditConditionalValuesDlg::OnBnClickedRemove()
{
    const int row = selectedRow();
    if (row < 0 || isDefaultRow(row)) {
        return;
    }
    m_values.erase(m_values.begin() + row);
    m_shownRow = -1;
    fillRows();
}

void EditConditionalValuesDlg::OnEditCondition()
{
    const int row = selectedRow();
    m_ui->conditionList->setFocus();
    if (row < 0 || isDefaultRow(row)) {
        return;
    }
    m_ui->conditionList->EditSubLabel(row, 0);
}

void EditConditionalValuesDlg::onConditionRenamed(int row, const QString& text)
{
    // A condition renamed in place is kept, as a person expects after typing it.
    if (row < 0 || row >= int(m_values.size()) || isDefaultRow(row)) {
        return;
    }
    if (refusesCondition(text)) {
        m_filling = true;
        m_ui->conditionList->SetItemText(row, 0, m_values[size_t(row)].getCondition());
        m_filling = false;
        return;
    }
    m_values[size_t(row)].setCondition(text);
}

bool EditConditionalValuesDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->conditionList->viewport() &&
        event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_ui->conditionList->itemAt(mouse->position().toPoint())) {
            OnBnClickedAdd();
            return true;
        }
    }
    return Dialog::eventFilter(watched, event);
}

void EditConditionalValuesDlg::OnOK()
{
    saveShownRecord();
    m_givenValues = m_values;
    Dialog::OnOK();
}
