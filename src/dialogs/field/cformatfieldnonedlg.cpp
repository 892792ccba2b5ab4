#include "dialogs/field/cformatfieldnonedlg.h"

#include "ui_formatfieldnonedlg.h"

CFormatFieldNoneDlg::CFormatFieldNoneDlg(QWidget* parent)
    : FormatFieldPage(TemplateId, parent), m_ui(std::make_unique<Ui::CFormatFieldNoneDlg>())
{
    m_ui->setupUi(this);
}

CFormatFieldNoneDlg::~CFormatFieldNoneDlg() = default;
