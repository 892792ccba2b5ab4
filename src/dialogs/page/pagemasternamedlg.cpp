#include "dialogs/page/pagemasternamedlg.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"

#include "ui_pagemasternamedlg.h"

#include <QPushButton>

namespace {

constexpr unsigned NameTakenMessage = 63385;

Core::String comparable(const Core::String& name)
{
    return name.trimmed().toLower();
}

} // namespace

PageMasterNameDlg::PageMasterNameDlg(const Core::String& caption, QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::PageMasterNameDlg>()),
      m_caption(caption)
{
    m_ui->setupUi(this);
    // A layout without a name could not be referred to.
    connect(m_ui->nameEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_ui->buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });
}

PageMasterNameDlg::~PageMasterNameDlg() = default;

bool PageMasterNameDlg::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    setWindowTitle(m_caption.toQString());
    m_ui->nameEdit->setText(m_name.toQString());
    m_ui->buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_name.trimmed().isEmpty());
    m_ui->nameEdit->selectAll();
    m_ui->nameEdit->setFocus();
    return result;
}

void PageMasterNameDlg::OnOK()
{
    m_name = Core::String(m_ui->nameEdit->text()).trimmed();
    const Core::String wanted = comparable(m_name);
    for (const Core::String& name : m_names) {
        if (comparable(name) == wanted) {
            UIApplication::MessageBoxW(NameTakenMessage, Win32::MB_ICONINFORMATION);
            m_ui->nameEdit->setFocus();
            return;
        }
    }
    Dialog::OnOK();
}
