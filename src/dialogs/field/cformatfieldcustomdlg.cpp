#include "dialogs/field/cformatfieldcustomdlg.h"

#include "ui_formatfieldcustomdlg.h"

CFormatFieldCustomDlg::CFormatFieldCustomDlg(QWidget* parent)
    : FormatFieldPage(TemplateId, parent), m_ui(std::make_unique<Ui::CFormatFieldCustomDlg>())
{
    m_ui->setupUi(this);
    connect(m_ui->customEdit, &QLineEdit::textEdited, this, &CFormatFieldCustomDlg::markEdited);
}

CFormatFieldCustomDlg::~CFormatFieldCustomDlg() = default;

void CFormatFieldCustomDlg::readPattern(const QString& pattern)
{
    const PageLoading loading(*this);
    m_ui->customEdit->setText(pattern);
}

QString CFormatFieldCustomDlg::pattern() const
{
    return m_ui->customEdit->text();
}
