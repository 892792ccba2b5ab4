#include "dialogs/page/addpagetypedlg.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/types/pageconditions.h"

#include "ui_addpagetypedlg.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

constexpr unsigned NoLimitText = 63192;
constexpr unsigned EnterNumberText = 63193;

// The number a text starts with, as the maximum repeats are read: "12x" is 12, "x" is 0.
long decimalValue(const QString& text)
{
    qsizetype digits = 0;
    while (digits < text.size() && digits < 9 && text.at(digits).isDigit()) {
        ++digits;
    }
    return text.left(digits).toLong();
}

} // namespace

AddPageTypeDlg::AddPageTypeDlg(QWidget* parent) : AddPageTypeDlg(ReferenceInfo(), parent)
{
}

AddPageTypeDlg::AddPageTypeDlg(const ReferenceInfo& reference, QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::AddPageTypeDlg>()), m_reference(reference)
{
    m_ui->setupUi(this);
    m_ui->layoutList->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int type = ReferenceInfo::AllPages; type <= ReferenceInfo::Conditional; ++type) {
        connect(radioOf(type), &QAbstractButton::clicked, this, [this, type] { OnTypeRadio(type); });
    }
    connect(m_ui->conditionCombo, &QComboBox::activated, this, &AddPageTypeDlg::OnConditionSelected);
    connect(m_ui->maximumCombo, &QComboBox::activated, this, &AddPageTypeDlg::OnMaximumSelected);
    connect(m_ui->maximumCombo->lineEdit(), &QLineEdit::textEdited, this, &AddPageTypeDlg::OnMaximumEdited);
    connect(m_ui->layoutList, &QTreeWidget::itemSelectionChanged, this, &AddPageTypeDlg::OnLayoutSelected);
}

AddPageTypeDlg::~AddPageTypeDlg() = default;

void AddPageTypeDlg::setAvailMasters(const std::vector<Core::String>& names)
{
    m_masters = names;
    std::sort(m_masters.begin(), m_masters.end(), [](const Core::String& a, const Core::String& b) {
        return QString::compare(a.toQString(), b.toQString(), Qt::CaseInsensitive) < 0;
    });
}

QAbstractButton* AddPageTypeDlg::radioOf(int type) const
{
    switch (type) {
    case ReferenceInfo::OneTimeOnly:
        return m_ui->oneTimeRadio;
    case ReferenceInfo::MultipleTimes:
        return m_ui->multipleRadio;
    case ReferenceInfo::Conditional:
        return m_ui->conditionalRadio;
    default:
        return m_ui->allPagesRadio;
    }
}

bool AddPageTypeDlg::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    const QScopedValueRollback loading(m_loading, true);
    m_ui->maximumCombo->clear();
    m_ui->maximumCombo->addItem(Core::String::formatS(NoLimitText).toQString());
    m_ui->conditionCombo->clear();
    for (const PageConditions::Item& item : PageConditions::items()) {
        m_ui->conditionCombo->addItem(Core::String::formatS(item.textId).toQString());
    }
    QTreeWidget* list = m_ui->layoutList;
    list->setHeaderLabels({Core::String::formatS(63191).toQString()});
    list->header()->resizeSection(0, std::max(0, list->viewport()->width() - 4));
    if (m_reference.getType() == ReferenceInfo::AllPages) {
        setWindowTitle(Core::String::formatS(63206).toQString());
    }
    list->clear();
    QTreeWidgetItem* selected = nullptr;
    for (const Core::String& name : m_masters) {
        auto* item = new QTreeWidgetItem(list, {name.toQString()});
        if (name == m_reference.getMasterName()) {
            selected = item;
        }
    }
    // A reference on a layout that is not on offer starts on the first one
    // offered, so that the layout shown selected is the one OK returns.
    if (!selected && list->topLevelItemCount() > 0) {
        selected = list->topLevelItem(0);
    }
    if (selected) {
        list->setCurrentItem(selected);
        m_reference.setMasterName(selected->text(0));
    }
    updateInterface();
    return result;
}

void AddPageTypeDlg::updateInterface()
{
    const QScopedValueRollback loading(m_loading, true);
    for (QWidget* extra : std::initializer_list<QWidget*>{m_ui->maximumLabel, m_ui->maximumCombo,
                                                          m_ui->conditionLabel, m_ui->conditionCombo}) {
        extra->setEnabled(false);
    }
    m_ui->maximumCombo->setCurrentIndex(-1);
    m_ui->maximumCombo->setEditText(QString());
    m_ui->conditionCombo->setCurrentIndex(-1);
    radioOf(m_reference.getType())->setChecked(true);

    if (m_reference.getType() == ReferenceInfo::MultipleTimes) {
        QComboBox* combo = m_ui->maximumCombo;
        m_ui->maximumLabel->setEnabled(true);
        combo->setEnabled(true);
        while (combo->count() > 1) {
            combo->removeItem(1);
        }
        if (m_reference.getMaximumRepeat().isEmpty()) {
            m_reference.setMaximumRepeat(ReferenceInfo::NoLimit);
        }
        if (m_reference.getMaximumRepeat() == ReferenceInfo::NoLimit) {
            combo->addItem(Core::String::formatS(EnterNumberText).toQString());
            combo->setCurrentIndex(0);
        } else {
            combo->addItem(m_reference.getMaximumRepeat().toQString());
            combo->setCurrentIndex(1);
        }
    } else if (m_reference.getType() == ReferenceInfo::Conditional) {
        m_ui->conditionLabel->setEnabled(true);
        m_ui->conditionCombo->setEnabled(true);
        const int index = m_ui->conditionCombo->findText(m_reference.getInfoString().toQString());
        if (index >= 0) {
            m_ui->conditionCombo->setCurrentIndex(index);
        } else {
            // A condition the list does not offer: the first item, and its condition.
            m_ui->conditionCombo->setCurrentIndex(0);
            OnConditionSelected(0);
        }
    }
}

void AddPageTypeDlg::OnTypeRadio(int type)
{
    m_reference.setType(type);
    updateInterface();
}

void AddPageTypeDlg::OnConditionSelected(int index)
{
    const auto& items = PageConditions::items();
    if (index >= 0 && index < int(items.size())) {
        m_reference.setCondition(items[size_t(index)].condition);
        m_reference.setConditionValue(items[size_t(index)].value);
    }
}

void AddPageTypeDlg::OnMaximumSelected(int index)
{
    if (index == 0) {
        m_reference.setMaximumRepeat(ReferenceInfo::NoLimit);
    } else if (index == 1) {
        m_reference.setMaximumRepeat(m_ui->maximumCombo->itemText(1));
    }
}

void AddPageTypeDlg::OnMaximumEdited(const QString& text)
{
    if (m_loading) {
        return;
    }
    QLineEdit* edit = m_ui->maximumCombo->lineEdit();
    if (m_reference.getMaximumRepeat() == ReferenceInfo::NoLimit) {
        // Without limit there is no number to type: pick the item asking for one first.
        edit->setText(Core::String::formatS(NoLimitText).toQString());
        edit->selectAll();
    } else if (decimalValue(text) == 0) {
        edit->setText(Core::String::formatS(EnterNumberText).toQString());
        edit->selectAll();
    } else {
        m_reference.setMaximumRepeat(text);
    }
}

void AddPageTypeDlg::OnLayoutSelected()
{
    if (const QTreeWidgetItem* item = m_ui->layoutList->currentItem(); item && !m_loading) {
        m_reference.setMasterName(item->text(0));
    }
}

void AddPageTypeDlg::OnOK()
{
    if (m_reference.getMasterName().isEmpty()) {
        UIApplication::MessageBoxW(63203, Win32::MB_OK | Win32::MB_ICONWARNING);
        return;
    }
    if (m_reference.getType() == ReferenceInfo::MultipleTimes &&
        m_reference.getMaximumRepeat() != ReferenceInfo::NoLimit &&
        decimalValue(m_reference.getMaximumRepeat().toQString()) < 1) {
        UIApplication::MessageBoxW(63204, Win32::MB_OK | Win32::MB_ICONWARNING);
        m_ui->maximumCombo->setFocus();
        return;
    }
    EndDialog(Accepted);
}
