#include "dialogs/page/editpagesetdlg.h"

#include "dialogs/page/addpagetypedlg.h"
#include "dialogs/page/pagesetrules.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"

#include "ui_editpagesetdlg.h"

#include <QHeaderView>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr const char* Root = "/";

} // namespace

EditPageSetDlg::EditPageSetDlg(const PageMasterData& pageSet, SmartPtr<IDocumentInformation> info, QWidget* parent)
    : DialogExpander(TemplateId, 0, IDC_DYNAMIC_FRAME, info ? 1 : 0, parent),
      m_ui(std::make_unique<Ui::EditPageSetDlg>()), m_data(pageSet), m_dynamic(bool(info))
{
    m_ui->setupUi(this);
    for (XPathCtrl* edit : {m_ui->conditionEdit, m_ui->repeatEdit}) {
        edit->setKMBDocument(info);
        edit->setContext(Root);
    }
    m_ui->sortEdit->setKMBDocument(std::move(info));
    m_ui->sortEdit->setContext(Root);
    m_ui->typeList->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_ui->addButton, &QPushButton::clicked, this, &EditPageSetDlg::OnAddType);
    connect(m_ui->removeButton, &QPushButton::clicked, this, &EditPageSetDlg::OnRemoveType);
    connect(m_ui->upButton, &QPushButton::clicked, this, &EditPageSetDlg::OnUpType);
    connect(m_ui->downButton, &QPushButton::clicked, this, &EditPageSetDlg::OnDownType);
    connect(m_ui->typeList, &QTreeWidget::itemSelectionChanged, this, &EditPageSetDlg::OnTypeSelectionChanged);
}

EditPageSetDlg::~EditPageSetDlg() = default;

int EditPageSetDlg::searchReference(const Core::String& name, int type, const Core::String& condition,
                                    const Core::String& value, const Core::String& maximum) const
{
    return PageSetRules::searchReference(m_data, name, type, condition, value, maximum);
}

bool EditPageSetDlg::OnInitDialog()
{
    const bool result = DialogExpander::OnInitDialog();
    QTreeWidget* list = m_ui->typeList;
    list->setHeaderLabels({Core::String::formatS(63190).toQString()});
    list->header()->resizeSection(0, std::max(0, list->viewport()->width() - 4));
    const bool unnamed = m_data.getMasterName().isEmpty();
    setWindowTitle(Core::String::formatS(unnamed ? (m_dynamic ? 63334 : 63205) : (m_dynamic ? 63335 : 63336))
                       .toQString());
    populateTypeList(m_data.getReferencesCount() > 0 ? 0 : -1);

    m_ui->conditionEdit->setText(m_condition.toQString());
    m_ui->repeatEdit->setText(m_xpath.toQString());
    m_ui->sortEdit->setText(m_sort.toQString());
    for (QWidget* dynamic : std::initializer_list<QWidget*>{m_ui->conditionLabel, m_ui->conditionEdit,
                                                            m_ui->repeatLabel, m_ui->repeatEdit, m_ui->sortLabel,
                                                            m_ui->sortEdit}) {
        dynamic->setEnabled(m_dynamic);
    }
    const bool parents = m_dynamic && !m_parentSets.empty();
    m_ui->parentSetLabel->setEnabled(parents);
    m_ui->parentSetCombo->setEnabled(parents);
    m_ui->parentSetCombo->clear();
    if (parents) {
        m_ui->parentSetCombo->addItem(tr("None"));
        for (const Core::String& name : m_parentSets) {
            m_ui->parentSetCombo->addItem(name.toQString());
        }
        const int stored = m_parentSet.isEmpty() ? 0 : m_ui->parentSetCombo->findText(m_parentSet.toQString());
        m_ui->parentSetCombo->setCurrentIndex(std::max(0, stored));
    }
    return result;
}

void EditPageSetDlg::populateTypeList(int selected)
{
    QTreeWidget* list = m_ui->typeList;
    const QSignalBlocker blocker(list);
    list->clear();
    for (const ReferenceInfo& reference : m_data.getReferences()) {
        new QTreeWidgetItem(list, {reference.getMasterName().toQString() + QLatin1String(" (") +
                                   reference.getInfoString().toQString() + QLatin1Char(')')});
    }
    if (selected >= 0 && selected < list->topLevelItemCount()) {
        list->setCurrentItem(list->topLevelItem(selected));
    }
    if (QPushButton* ok = control<QPushButton>(Win32::IDOK)) {
        ok->setEnabled(m_data.getReferencesCount() > 0);
    }
    updateInterface();
}

int EditPageSetDlg::getSelectedTypeIdx() const
{
    const QList<QTreeWidgetItem*> items = m_ui->typeList->selectedItems();
    return items.isEmpty() ? -1 : m_ui->typeList->indexOfTopLevelItem(items.front());
}

void EditPageSetDlg::updateInterface()
{
    const int selected = getSelectedTypeIdx();
    m_ui->removeButton->setEnabled(selected >= 0);
    m_ui->upButton->setEnabled(selected > 0);
    m_ui->downButton->setEnabled(selected >= 0 && selected < m_data.getReferencesCount() - 1);
}

void EditPageSetDlg::OnTypeSelectionChanged()
{
    updateInterface();
}

void EditPageSetDlg::OnAddType()
{
    AddPageTypeDlg dialog(this);
    dialog.setAvailMasters(m_simpleMasters);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    populateTypeList(PageSetRules::addReference(m_data, dialog.getReference()));
}

void EditPageSetDlg::OnRemoveType()
{
    const int selected = getSelectedTypeIdx();
    if (selected < 0) {
        return;
    }
    PageSetRules::removeReference(m_data, selected);
    populateTypeList(std::min(selected, m_data.getReferencesCount() - 1));
    m_ui->typeList->setFocus();
}

void EditPageSetDlg::moveSelected(int step)
{
    const int selected = getSelectedTypeIdx();
    const int other = selected + step;
    if (selected < 0 || other < 0 || other >= m_data.getReferencesCount()) {
        return;
    }
    std::swap(m_data.references()[size_t(selected)], m_data.references()[size_t(other)]);
    populateTypeList(other);
}

void EditPageSetDlg::OnUpType()
{
    moveSelected(-1);
}

void EditPageSetDlg::OnDownType()
{
    moveSelected(1);
}

void EditPageSetDlg::readControls()
{
    m_condition = m_ui->conditionEdit->text();
    m_xpath = m_ui->repeatEdit->text();
    m_sort = m_ui->sortEdit->text();
    if (!m_parentSets.empty() && m_ui->parentSetCombo->isEnabled()) {
        const int index = m_ui->parentSetCombo->currentIndex();
        m_parentSet = index <= 0 ? Core::String() : Core::String(m_ui->parentSetCombo->currentText());
    }
}

void EditPageSetDlg::OnOK()
{
    readControls();
    if (!PageSetRules::canSupplyAllPages(m_data)) {
        UIApplication::MessageBoxW(63337, Win32::MB_OK | Win32::MB_ICONWARNING);
        return;
    }
    EndDialog(Accepted);
}
