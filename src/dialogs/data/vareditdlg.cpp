#include "dialogs/data/vareditdlg.h"

#include "ui_vareditdlg.h"

VarEditDlg::VarEditDlg(const Core::String& name, const Core::String& value, QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::VarEditDlg>()), m_name(name), m_value(value)
{
    m_ui->setupUi(this);
}

VarEditDlg::~VarEditDlg() = default;

bool VarEditDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    m_ui->nameEdit->setText(m_name.toQString());
    m_ui->valueEdit->setText(m_value.toQString());
    return true;
}

void VarEditDlg::OnOK()
{
    m_name = m_ui->nameEdit->text();
    m_value = m_ui->valueEdit->text();
    EndDialog(Accepted);
}
