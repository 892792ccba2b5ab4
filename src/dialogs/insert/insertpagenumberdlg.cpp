#include "dialogs/insert/insertpagenumberdlg.h"

#include "ui_insertpagenumberdlg.h"

#include <algorithm>

namespace {

constexpr unsigned PageNumberText = 63010;
constexpr unsigned TotalPagesText = 63011;

// What the format list shows for each style; the same in every language.
constexpr const char* FormatExamples[] = {
    "1 2 3 4 5 ... 10 11 12 ...",
    "01 02 03 ... 99 100 101...",
    "001 002 003 ... 099 100 101...",
    "0001 0002 0003 ... 0099 0100 0101...",
    "A B C ... Z AA AB AC...",
    "i ii iii iv v vi vii viii ix x...",
    "I II III IV V VI VII VIII IX X...",
};

} // namespace

InsertPageNumberDlg::InsertPageNumberDlg(QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::InsertPageNumberDlg>())
{
    m_ui->setupUi(this);
}

InsertPageNumberDlg::~InsertPageNumberDlg() = default;

const std::vector<Core::String>& InsertPageNumberDlg::formatTokens()
{
    static const std::vector<Core::String> tokens{"1", "01", "001", "0001", "A", "i", "I"};
    return tokens;
}

bool InsertPageNumberDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    m_ui->typeCombo->clear();
    m_ui->typeCombo->addItem(Core::String::formatS(PageNumberText).toQString());
    m_ui->typeCombo->addItem(Core::String::formatS(TotalPagesText).toQString());
    m_ui->formatCombo->clear();
    for (const char* example : FormatExamples) {
        m_ui->formatCombo->addItem(QString::fromLatin1(example));
    }
    m_formatIndex = 0;
    exchange(false);
    exchange(true);
    return true;
}

void InsertPageNumberDlg::exchange(bool saving)
{
    const int last = int(formatTokens().size()) - 1;
    if (saving) {
        m_elementType = std::max(0, m_ui->typeCombo->currentIndex());
        m_formatIndex = std::clamp(m_ui->formatCombo->currentIndex(), 0, last);
        m_format = formatTokens()[size_t(m_formatIndex)];
    } else {
        m_ui->typeCombo->setCurrentIndex(std::clamp(m_elementType, 0, 1));
        m_ui->formatCombo->setCurrentIndex(std::clamp(m_formatIndex, 0, last));
    }
}

void InsertPageNumberDlg::OnOK()
{
    exchange(true);
    EndDialog(Accepted);
}
