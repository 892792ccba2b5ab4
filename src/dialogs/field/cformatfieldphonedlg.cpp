#include "dialogs/field/cformatfieldphonedlg.h"

#include "ui_formatfieldphonedlg.h"

CFormatFieldPhoneDlg::CFormatFieldPhoneDlg(QWidget* parent)
    : FormatFieldListPage(TemplateId, parent), m_ui(std::make_unique<Ui::CFormatFieldPhoneDlg>())
{
    m_ui->setupUi(this);
    setUpControls(FieldFormatCatalogue::phoneRows(), IDC_LIST, IDC_PREDEFINED, IDC_CUSTOM);
}

CFormatFieldPhoneDlg::~CFormatFieldPhoneDlg() = default;
