#include "newtemplatedialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

NewTemplateDialog::NewTemplateDialog(QWidget* parent)
    : QDialog(parent), m_starters(StarterTemplates::all()), m_list(new QListWidget),
      m_description(new QLabel)
{
    setWindowTitle(tr("New Template"));
    m_list->setObjectName(QStringLiteral("starters"));
    for (const StarterTemplates::Starter& starter : m_starters) {
        m_list->addItem(starter.name);
    }
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(3 * fontMetrics().height());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_description->setText(row >= 0 ? m_starters.at(row).description : QString());
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Start from:")));
    layout->addWidget(m_list);
    layout->addWidget(m_description);
    layout->addWidget(buttons);
    m_list->setCurrentRow(0);
}

StarterTemplates::Starter NewTemplateDialog::chosen() const
{
    return m_starters.value(qMax(0, m_list->currentRow()));
}
