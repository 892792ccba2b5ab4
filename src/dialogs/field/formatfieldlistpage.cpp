#include "dialogs/field/formatfieldlistpage.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include <algorithm>

FormatFieldListPage::FormatFieldListPage(unsigned templateId, QWidget* parent)
    : FormatFieldPage(templateId, parent)
{
}

FormatFieldListPage::~FormatFieldListPage() = default;

void FormatFieldListPage::setUpControls(std::vector<FieldFormatCatalogue::PatternRow> rows, int listId,
                                        int predefinedId, int customId)
{
    m_rows = std::move(rows);
    m_list = control<QTreeWidget>(listId);
    m_predefined = control<QRadioButton>(predefinedId);
    m_custom = control<QRadioButton>(customId);
    m_edit = control<QLineEdit>(IDC_CUSTOM_PATTERN);
    for (const FieldFormatCatalogue::PatternRow& row : m_rows) {
        new QTreeWidgetItem(m_list, {row.pattern, row.example});
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_predefined->setChecked(true);
    updateEnabling();
    connect(m_predefined, &QRadioButton::toggled, this, [this] {
        updateEnabling();
        markEdited();
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, &FormatFieldListPage::markEdited);
    connect(m_edit, &QLineEdit::textEdited, this, &FormatFieldListPage::markEdited);
}

void FormatFieldListPage::updateEnabling()
{
    m_list->setEnabled(m_predefined->isChecked());
    m_edit->setEnabled(m_custom->isChecked());
}

void FormatFieldListPage::readPattern(const QString& pattern)
{
    const PageLoading loading(*this);
    const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                  [&pattern](const auto& candidate) { return candidate.pattern == pattern; });
    if (row != m_rows.end()) {
        m_list->setCurrentItem(m_list->topLevelItem(int(row - m_rows.begin())));
        m_predefined->setChecked(true);
    } else {
        m_edit->setText(pattern);
        m_custom->setChecked(true);
    }
}

QString FormatFieldListPage::pattern() const
{
    if (m_custom->isChecked()) {
        return m_edit->text();
    }
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].pattern : QString();
}
