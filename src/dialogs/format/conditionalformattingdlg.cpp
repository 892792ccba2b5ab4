#include "dialogs/format/conditionalformattingdlg.h"

#include "dialogs/format/formatconditiondlg.h"
#include "frame/win32constants.h"
#include "outside/types/objectid.h"

#include "ui_conditionalformattingdlg.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>

namespace {

enum Column { PropertyColumn, ValueColumn, ConditionColumn };

QTableWidgetItem* cellItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text); // a long condition is read in full without widening the column
    return item;
}

} // namespace

ConditionalFormattingDlg::ConditionalFormattingDlg(const SmartPtr<IDocumentInformation>& document,
                                                   std::vector<KMBAttribute>* conditions,
                                                   const Core::String& context, QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::ConditionalFormattingDlg>()),
      m_document(document), m_conditions(conditions), m_context(context)
{
    m_ui->setupUi(this);
    QTableWidget* list = m_ui->conditionsList;
    list->setColumnCount(3);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    list->viewport()->installEventFilter(this);
    connect(m_ui->addButton, &QPushButton::clicked, this, &ConditionalFormattingDlg::OnAddCondition);
    connect(m_ui->editButton, &QPushButton::clicked, this, &ConditionalFormattingDlg::OnEditCondition);
    connect(m_ui->removeButton, &QPushButton::clicked, this, &ConditionalFormattingDlg::OnRemoveCondition);
    connect(list, &QTableWidget::itemSelectionChanged, this, &ConditionalFormattingDlg::updateButtons);
}

ConditionalFormattingDlg::~ConditionalFormattingDlg() = default;

bool ConditionalFormattingDlg::OnInitDialog()
{
    FeatureDialog::OnInitDialog();
    m_info = m_document ? m_document->getSelectedObjectInfo() : SmartPtr<XSLFO::DTObjectInfo>();
    QFont bold = m_ui->targetLabel->font();
    bold.setWeight(QFont::Bold);
    m_ui->targetLabel->setFont(bold);
    m_ui->targetLabel->setText(m_info ? m_info->getDisplayName().toQString() : QString());
    m_objectPath = m_document ? m_document->getSelectedObjectPath() : Core::String();
    m_objectId = m_document ? m_document->getObjectProperties(m_objectPath).getPropertyValue("fo:id") : Core::String();

    QTableWidget* list = m_ui->conditionsList;
    list->setHorizontalHeaderLabels({Core::String::formatS(63164).toQString(),
                                     Core::String::formatS(63165).toQString(),
                                     Core::String::formatS(63166).toQString()});
    list->setColumnWidth(PropertyColumn, 115);
    list->setColumnWidth(ValueColumn, 100);
    list->setColumnWidth(ConditionColumn, 200);
    m_records.clear();
    if (!m_objectId.isEmpty() && m_conditions) {
        std::copy_if(m_conditions->begin(), m_conditions->end(), std::back_inserter(m_records),
                     [this](const KMBAttribute& record) { return record.getObjectId() == m_objectId; });
    }
    refreshList();
    return true;
}

void ConditionalFormattingDlg::refreshList()
{
    QTableWidget* list = m_ui->conditionsList;
    list->clearSelection();
    list->setRowCount(0);
    m_names.clear();
    m_prefixes.clear();
    for (const KMBAttribute& record : m_records) {
        const Core::String& attribute = record.getAttributeName();
        const int colon = attribute.find(QChar(u':'));
        const Core::String prefix = colon < 0 ? Core::String() : attribute.left(colon);
        const Core::String local = colon < 0 ? attribute : attribute.subString(colon + 1);
        m_names.push_back(local);
        m_prefixes.push_back(prefix);
        const XSLFO::Property* property = m_info ? m_info->getPropertyByName(local) : nullptr;
        const QString shown = property ? FormatConditionDlg::displayNameOf(*property) : local.toQString();
        const bool onlyDynamic = record.getValue().isEmpty() && !record.getDynamicValue().isEmpty();
        const int row = list->rowCount();
        list->insertRow(row);
        list->setItem(row, PropertyColumn, cellItem(shown));
        list->setItem(row, ValueColumn, cellItem(onlyDynamic ? tr("(dynamic)") : record.getValue().toQString()));
        list->setItem(row, ConditionColumn, cellItem(record.getCondition().toQString()));
    }
    // A side's border name wraps onto as many lines as its language needs.
    list->resizeRowsToContents();
    updateButtons();
}

int ConditionalFormattingDlg::selectedRow() const
{
    const QList<QTableWidgetItem*> items = m_ui->conditionsList->selectedItems();
    return items.isEmpty() ? -1 : items.front()->row();
}

void ConditionalFormattingDlg::updateButtons()
{
    const bool selected = selectedRow() >= 0;
    m_ui->editButton->setEnabled(selected);
    m_ui->removeButton->setEnabled(selected);
}

bool ConditionalFormattingDlg::eventFilter(QObject* watched, QEvent* event)
{
    QTableWidget* list = m_ui->conditionsList;
    if (watched == list->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            // A click beside the rows lets go of the selection.
            if (!list->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid()) {
                list->clearSelection();
            }
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            const QModelIndex index = list->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (index.isValid()) {
                editRow(index.row());
            } else {
                OnAddCondition();
            }
            return true;
        }
    }
    return FeatureDialog::eventFilter(watched, event);
}

void ConditionalFormattingDlg::OnAddCondition()
{
    FormatConditionDlg editor(m_document, Core::String(), m_context, true, this);
    if (editor.DoModal() != Win32::IDOK) {
        return;
    }
    KMBAttribute record;
    record.setObjectId(m_objectId);
    editor.getValues(record);
    m_records.push_back(record);
    refreshList();
    m_ui->conditionsList->selectRow(int(m_records.size()) - 1);
}

void ConditionalFormattingDlg::OnEditCondition()
{
    editRow(selectedRow());
}

void ConditionalFormattingDlg::editRow(int row)
{
    if (row < 0 || size_t(row) >= m_records.size()) {
        return;
    }
    FormatConditionDlg editor(m_document, Core::String(), m_context, true, this, true);
    editor.setDefaultValues(m_names[size_t(row)], m_prefixes[size_t(row)], m_records[size_t(row)]);
    if (editor.DoModal() != Win32::IDOK) {
        return;
    }
    editor.getValues(m_records[size_t(row)]);
    refreshList();
    m_ui->conditionsList->selectRow(row);
}

void ConditionalFormattingDlg::OnRemoveCondition()
{
    const int row = selectedRow();
    if (row < 0 || size_t(row) >= m_records.size()) {
        return;
    }
    m_records.erase(m_records.begin() + row);
    refreshList();
    if (!m_records.empty()) {
        m_ui->conditionsList->selectRow(std::min(row, int(m_records.size()) - 1));
    }
}

void ConditionalFormattingDlg::OnOK()
{
    if (m_objectId.isEmpty()) {
        m_objectId = ObjectId::generate();
        for (KMBAttribute& record : m_records) {
            record.setObjectId(m_objectId);
        }
    }
    if (m_conditions) {
        std::erase_if(*m_conditions, [this](const KMBAttribute& record) { return record.getObjectId() == m_objectId; });
        m_conditions->insert(m_conditions->end(), m_records.begin(), m_records.end());
    }
    FeatureDialog::OnOK();
}
