#include "dialogs/data/editsortdlg.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "xml/model/samplexml.h"
#include "xml/widgets/xpatheditdlg.h"

#include "ui_editsortdlg.h"

#include <QHeaderView>

namespace {

enum SortColumn { SelectColumn, DataTypeColumn, OrderColumn, CaseOrderColumn };

void fillCombo(QComboBox* combo, const Core::String& first, const Core::String& second, int current)
{
    combo->clear();
    combo->addItem(first.toQString());
    combo->addItem(second.toQString());
    combo->setCurrentIndex(current);
}

} // namespace

EditSortDlg::EditSortDlg(SmartPtr<IDocumentInformation> documentInformation, const Core::String& sortString,
                         const Core::String& context, QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::EditSortDlg>()),
      m_documentInformation(std::move(documentInformation)), m_context(context)
{
    m_ui->setupUi(this);
    addCriteriaFromString(sortString);

    QTableWidget* list = m_ui->criteriaList;
    list->setColumnCount(4);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->verticalHeader()->hide();
    // The key takes what the three word columns leave.
    list->horizontalHeader()->setSectionResizeMode(SelectColumn, QHeaderView::Stretch);

    connect(m_ui->addButton, &QPushButton::clicked, this, &EditSortDlg::OnAddSort);
    connect(m_ui->editButton, &QPushButton::clicked, this, &EditSortDlg::OnEditSort);
    connect(m_ui->removeButton, &QPushButton::clicked, this, &EditSortDlg::OnDeleteSort);
    connect(m_ui->moveUpButton, &QPushButton::clicked, this, &EditSortDlg::OnMoveUp);
    connect(m_ui->moveDownButton, &QPushButton::clicked, this, &EditSortDlg::OnMoveDown);
    // `activated` is the user's choice only, like a close-up with a pick.
    connect(m_ui->dataTypeCombo, &QComboBox::activated, this, &EditSortDlg::OnCbnCloseupDataTypeCombo);
    connect(m_ui->orderCombo, &QComboBox::activated, this, &EditSortDlg::OnCbnCloseupOrderCombo);
    connect(m_ui->caseOrderCombo, &QComboBox::activated, this, &EditSortDlg::OnCbnCloseupCaseOrderCombo);
    connect(list, &QTableWidget::itemSelectionChanged, this, &EditSortDlg::OnLvnItemchangedConditionsList);
    connect(list, &QTableWidget::itemDoubleClicked, this, &EditSortDlg::OnEditSort);
}

EditSortDlg::~EditSortDlg() = default;

Core::String EditSortDlg::getSortString() const
{
    return SortCriteria::toString(m_criteria);
}

void EditSortDlg::addCriteriaFromString(const Core::String& sortString)
{
    const std::vector<SortCriteria> read = SortCriteria::fromString(sortString);
    m_criteria.insert(m_criteria.end(), read.begin(), read.end());
}

bool EditSortDlg::OnInitDialog()
{
    const bool result = FeatureDialog::OnInitDialog();
    if (!SampleXml::loadedSample(m_documentInformation)) {
        // Nothing to build keys against: end as cancelled, once the modal
        // loop runs, without ever appearing.
        setAttribute(Qt::WA_DontShowOnScreen, true);
        QMetaObject::invokeMethod(this, [this] { EndDialog(QDialog::Rejected); }, Qt::QueuedConnection);
        return result;
    }
    QTableWidget* list = m_ui->criteriaList;
    QStringList headers;
    for (unsigned id : {63153u, 63154u, 63155u, 63156u}) {
        Core::String header;
        header.loadString(id);
        headers << header.toQString();
    }
    list->setHorizontalHeaderLabels(headers);
    // The keys get the room; a header longer than its words widens its column.
    list->setColumnWidth(SelectColumn, 160);
    for (int column : {DataTypeColumn, OrderColumn, CaseOrderColumn}) {
        list->setColumnWidth(column, std::max(80, list->horizontalHeader()->sectionSizeHint(column)));
    }
    m_ui->contextLabel->setText(m_context.toQString());
    populateSortList(m_criteria.empty() ? -1 : 0);
    return result;
}

void EditSortDlg::populateSortList(int selectedRow)
{
    QTableWidget* list = m_ui->criteriaList;
    const QSignalBlocker blocker(list);
    list->setRowCount(int(m_criteria.size()));
    for (int row = 0; row < int(m_criteria.size()); ++row) {
        const SortCriteria& criterion = m_criteria[size_t(row)];
        const bool text = criterion.dataType == SortCriteria::Text;
        const QString cells[] = {criterion.select.toQString(),
                                 SortCriteria::dataTypeWord(criterion.dataType).toQString(),
                                 SortCriteria::orderWord(criterion.order).toQString(),
                                 text ? SortCriteria::caseOrderWord(criterion.caseOrder).toQString() : QString()};
        for (int column = 0; column < 4; ++column) {
            list->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    list->clearSelection();
    if (selectedRow >= 0 && selectedRow < list->rowCount()) {
        list->selectRow(selectedRow);
    }
    updateInterfaceState();
}

void EditSortDlg::updateInterfaceState()
{
    const int rows = int(m_criteria.size());
    const int selected = getSelectedItem();
    m_ui->moveUpButton->setEnabled(rows >= 2 && selected > 0);
    m_ui->moveDownButton->setEnabled(rows >= 2 && selected >= 0 && selected < rows - 1);
    m_ui->editButton->setEnabled(selected >= 0);
    m_ui->removeButton->setEnabled(selected >= 0);
    updateComboboxes();
}

void EditSortDlg::updateComboboxes()
{
    const SortCriteria* criterion = getSelectedItemCriteria();
    QComboBox* combos[] = {m_ui->dataTypeCombo, m_ui->orderCombo, m_ui->caseOrderCombo};
    if (!criterion) {
        for (QComboBox* combo : combos) {
            combo->clear();
            combo->setEnabled(false);
        }
        return;
    }
    fillCombo(m_ui->dataTypeCombo, SortCriteria::dataTypeWord(SortCriteria::Text),
              SortCriteria::dataTypeWord(SortCriteria::Number), criterion->dataType);
    fillCombo(m_ui->orderCombo, SortCriteria::orderWord(SortCriteria::Ascending),
              SortCriteria::orderWord(SortCriteria::Descending), criterion->order);
    fillCombo(m_ui->caseOrderCombo, SortCriteria::caseOrderWord(SortCriteria::UpperFirst),
              SortCriteria::caseOrderWord(SortCriteria::LowerFirst), criterion->caseOrder);
    m_ui->dataTypeCombo->setEnabled(true);
    m_ui->orderCombo->setEnabled(true);
    m_ui->caseOrderCombo->setEnabled(criterion->dataType == SortCriteria::Text);
}

int EditSortDlg::getSelectedItem() const
{
    const QList<QTableWidgetItem*> items = m_ui->criteriaList->selectedItems();
    return items.isEmpty() ? -1 : items.front()->row();
}

SortCriteria* EditSortDlg::getSelectedItemCriteria()
{
    const int row = getSelectedItem();
    return row >= 0 && row < int(m_criteria.size()) ? &m_criteria[size_t(row)] : nullptr;
}

void EditSortDlg::OnLvnItemchangedConditionsList()
{
    updateInterfaceState();
}

void EditSortDlg::OnCbnCloseupDataTypeCombo()
{
    if (SortCriteria* criterion = getSelectedItemCriteria()) {
        criterion->dataType = m_ui->dataTypeCombo->currentIndex();
        populateSortList(getSelectedItem());
    }
}

void EditSortDlg::OnCbnCloseupOrderCombo()
{
    if (SortCriteria* criterion = getSelectedItemCriteria()) {
        criterion->order = m_ui->orderCombo->currentIndex();
        populateSortList(getSelectedItem());
    }
}

void EditSortDlg::OnCbnCloseupCaseOrderCombo()
{
    if (SortCriteria* criterion = getSelectedItemCriteria()) {
        criterion->caseOrder = m_ui->caseOrderCombo->currentIndex();
        populateSortList(getSelectedItem());
    }
}

void EditSortDlg::OnAddSort()
{
    editOrAddCriteria(nullptr);
}

void EditSortDlg::OnEditSort()
{
    if (SortCriteria* criterion = getSelectedItemCriteria()) {
        editOrAddCriteria(criterion);
    }
}

void EditSortDlg::OnDeleteSort()
{
    const int row = getSelectedItem();
    if (row < 0) {
        return;
    }
    m_criteria.erase(m_criteria.begin() + row);
    populateSortList(std::min(row, int(m_criteria.size()) - 1));
}

void EditSortDlg::OnMoveUp()
{
    moveSelected(-1);
}

void EditSortDlg::OnMoveDown()
{
    moveSelected(1);
}

void EditSortDlg::moveSelected(int offset)
{
    const int row = getSelectedItem();
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= int(m_criteria.size())) {
        return;
    }
    std::swap(m_criteria[size_t(row)], m_criteria[size_t(target)]);
    populateSortList(target);
}

void EditSortDlg::editOrAddCriteria(SortCriteria* criteria)
{
    const int row = getSelectedItem();
    Core::String select = criteria ? criteria->select : Core::String();
    for (;;) {
        if (!askSelect(select)) {
            return;
        }
        if (select.isEmpty()) {
            // Nothing is stored from an empty key; the user may try again.
            if (UIApplication::MessageBoxW(63071, Win32::MB_YESNO | Win32::MB_ICONQUESTION) != Win32::IDYES) {
                return;
            }
            select = criteria ? criteria->select : Core::String();
            continue;
        }
        if (!SortCriteria::isStorableSelect(select)) {
            // Written into the sort string, the key would be cut at the blank
            // or ";" and lost when read back: ask for another one.
            UIApplication::MessageBoxW(tr("A sort key cannot contain blanks or \";\": %1").arg(select.toQString()),
                                       Win32::MB_OK | Win32::MB_ICONWARNING);
            continue;
        }
        break;
    }
    if (criteria) {
        criteria->select = select;
        populateSortList(row);
    } else {
        m_criteria.push_back(SortCriteria{select});
        populateSortList(int(m_criteria.size()) - 1);
    }
}

bool EditSortDlg::askSelect(Core::String& select)
{
    if (m_selectEditor) {
        return m_selectEditor(select);
    }
    XPathEditDlg editor(m_documentInformation, select, m_context, this);
    if (editor.DoModal() != Win32::IDOK) {
        return false;
    }
    select = editor.getXPath(true);
    return true;
}
