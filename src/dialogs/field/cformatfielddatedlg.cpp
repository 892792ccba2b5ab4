#include "dialogs/field/cformatfielddatedlg.h"

#include "ui_formatfielddatedlg.h"

CFormatFieldDateDlg::CFormatFieldDateDlg(QWidget* parent)
    : FormatFieldListPage(TemplateId, parent), m_ui(std::make_unique<Ui::CFormatFieldDateDlg>())
{
    m_ui->setupUi(this);
    setUpControls(FieldFormatCatalogue::dateRows(), IDC_LIST, IDC_PREDEFINED, IDC_CUSTOM);
}

CFormatFieldDateDlg::~CFormatFieldDateDlg() = default;
