#include "xml/widgets/editdatasourcenodedlg.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"

#include "ui_editdatasourcenodedlg.h"

EditDatasourceNodeDlg::EditDatasourceNodeDlg(DialogType dialogType, const Core::String& name,
                                             const Core::String& value, bool nameEnabled,
                                             bool valueEnabled, QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::EditDatasourceNodeDlg>()),
      m_dialogType(dialogType), m_name(name), m_value(value), m_nameEnabled(nameEnabled),
      m_valueEnabled(valueEnabled)
{
    m_ui->setupUi(this);
}

EditDatasourceNodeDlg::~EditDatasourceNodeDlg() = default;

bool EditDatasourceNodeDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    switch (m_dialogType) {
    case EditElement:
        setWindowTitle(tr("Edit Element"));
        m_ui->nodeGroup->setTitle(tr("Element"));
        break;
    case EditAttribute:
        setWindowTitle(tr("Edit Attribtue"));
        m_ui->nodeGroup->setTitle(tr("Attribute"));
        break;
    case InsertElement:
        setWindowTitle(tr("Insert Element"));
        m_ui->nodeGroup->setTitle(tr("Element"));
        break;
    case InsertAttribute:
        setWindowTitle(tr("Insert Attribute"));
        m_ui->nodeGroup->setTitle(tr("Attribute"));
        break;
    }
    m_ui->nameEdit->setText(m_name);
    m_ui->valueEdit->setText(m_value);
    m_ui->nameEdit->setEnabled(m_nameEnabled);
    m_ui->valueEdit->setEnabled(m_valueEnabled);
    if (m_nameEnabled) {
        m_ui->nameEdit->setFocus();
        m_ui->nameEdit->selectAll();
    } else if (m_valueEnabled) {
        m_ui->valueEdit->setFocus();
        m_ui->valueEdit->selectAll();
    }
    return true;
}

void EditDatasourceNodeDlg::OnOK()
{
    const Core::String name = m_ui->nameEdit->text();
    if (m_nameEnabled && !isValidName(name)) {
        UIApplication::MessageBoxW(tr("Please a valid name"), Win32::MB_OK | Win32::MB_ICONWARNING);
        m_ui->nameEdit->setFocus();
        m_ui->nameEdit->selectAll();
        return;
    }
    m_name = name;
    m_value = m_ui->valueEdit->text();
    EndDialog(Accepted);
}

bool EditDatasourceNodeDlg::isValidName(const Core::String& name)
{
    if (name.isEmpty() || name[0].isDigit()) {
        return false;
    }
    for (QChar c : name.toQString()) {
        const char16_t u = c.unicode();
        const bool allowed = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                             (u >= u'0' && u <= u'9') || u == u'_' || u == u'-';
        if (!allowed) {
            return false;
        }
    }
    return true;
}
