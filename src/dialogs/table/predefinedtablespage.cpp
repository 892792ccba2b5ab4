#include "dialogs/table/predefinedtablespage.h"

#include "dialogs/table/inserttabledlg.h"
#include "dialogs/table/tableformatexpander.h"
#include "dialogs/table/tablepreviewstack.h"
#include "frame/uiapplication.h"
#include "outside/core/coreexception.h"

#include "ui_predefinedtablespage.h"

PredefinedTablesPage::PredefinedTablesPage(InsertTableDlg& dialog, QWidget* parent)
    : DialogPage(TemplateId, parent), m_ui(std::make_unique<Ui::PredefinedTablesPage>()),
      m_dialog(dialog)
{
    m_ui->setupUi(this);
    connect(m_ui->formatCombo, &QComboBox::currentIndexChanged, this,
            &PredefinedTablesPage::OnSelChangeTemplates);
}

PredefinedTablesPage::~PredefinedTablesPage() = default;

QComboBox* PredefinedTablesPage::formatList() const
{
    return m_ui->formatCombo;
}

TablePreviewStack* PredefinedTablesPage::preview() const
{
    return m_ui->previewFrame;
}

void PredefinedTablesPage::initPage()
{
    try {
        m_templates = GetDesignerTemplates();
    } catch (const Core::Exception& e) {
        m_templates.clear();
        UIApplication::MessageBoxW(e.getMessage());
    }
    const QSignalBlocker blocker(m_ui->formatCombo);
    m_ui->formatCombo->clear();
    for (const DesignerTemplate& format : m_templates) {
        m_ui->formatCombo->addItem(format.first.toQString());
    }
    m_ui->formatCombo->setCurrentIndex(m_templates.empty() ? -1 : 0);
    OnSelChangeTemplates();
}

void PredefinedTablesPage::OnSelChangeTemplates()
{
    const QString text = m_ui->formatCombo->currentText();
    Core::String name;
    for (const DesignerTemplate& format : m_templates) {
        if (format.first.toQString() == text) {
            name = format.second;
        }
    }
    m_dialog.setTemplateName(name);
    refreshPreview();
}

void PredefinedTablesPage::refreshPreview()
{
    QString content;
    try {
        content = m_dialog.getTemplateContent().toQString();
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage());
    }
    if (content.isEmpty()) {
        m_ui->previewFrame->showDocument(Core::String());
        return;
    }
    const QString table = m_dialog.getTableXml(true).toQString();
    const QString own = TableFormatExpander::tableOf(content);
    if (!table.isEmpty() && !own.isEmpty()) {
        content.replace(content.indexOf(own), own.size(), table);
    }
    m_ui->previewFrame->showDocument(content);
}
