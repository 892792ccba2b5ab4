#include "xml/widgets/xmlviewfindreplacedlg.h"

#include "ui_xmlviewfindreplacedlg.h"

namespace {

QString cut(const Core::String& text)
{
    return text.toQString().left(XmlViewFindReplaceDlg::BufferLength);
}

// FR_NO... disables a choice, FR_HIDE... hides it; hidden wins.
void applyAvailability(QWidget* widget, unsigned flags, unsigned disable, unsigned hide)
{
    widget->setEnabled(!(flags & disable));
    widget->setHidden(flags & hide);
}

} // namespace

XmlViewFindReplaceDlg::XmlViewFindReplaceDlg()
    : Dialog(TemplateId), m_ui(std::make_unique<Ui::XmlViewFindReplaceDlg>())
{
    m_ui->setupUi(this);
    setModal(false);
    connect(m_ui->findEdit, &QLineEdit::textChanged, this, &XmlViewFindReplaceDlg::updateButtons);
    connect(m_ui->findNextButton, &QPushButton::clicked, this,
            &XmlViewFindReplaceDlg::OnBnClickedFindNext);
    connect(m_ui->replaceButton, &QPushButton::clicked, this,
            &XmlViewFindReplaceDlg::OnBnClickedReplace);
    connect(m_ui->replaceAllButton, &QPushButton::clicked, this,
            &XmlViewFindReplaceDlg::OnBnClickedReplaceAll);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &XmlViewFindReplaceDlg::reject);
    updateButtons();
}

XmlViewFindReplaceDlg::~XmlViewFindReplaceDlg() = default;

bool XmlViewFindReplaceDlg::Create(bool findOnly, const Core::String& findWhat,
                                   const Core::String& replaceWith, unsigned flags, QWidget* parent)
{
    if (m_created) {
        return false;
    }
    m_created = true;
    m_findOnly = findOnly;
    if (parent) {
        setParent(parent, windowFlags() | Qt::Dialog);
    }
    setWindowTitle(findOnly ? tr("Find") : tr("Replace"));
    m_ui->findEdit->setText(cut(findWhat));
    m_ui->replaceEdit->setText(cut(replaceWith));

    m_ui->replaceLabel->setHidden(findOnly);
    m_ui->replaceEdit->setHidden(findOnly);
    m_ui->replaceButton->setHidden(findOnly);
    m_ui->replaceAllButton->setHidden(findOnly);

    m_ui->matchCaseCheck->setChecked(flags & Win32::FR_MATCHCASE);
    m_ui->wholeWordCheck->setChecked(flags & Win32::FR_WHOLEWORD);
    (flags & Win32::FR_DOWN ? m_ui->downRadio : m_ui->upRadio)->setChecked(true);
    applyAvailability(m_ui->matchCaseCheck, flags, Win32::FR_NOMATCHCASE, Win32::FR_HIDEMATCHCASE);
    applyAvailability(m_ui->wholeWordCheck, flags, Win32::FR_NOWHOLEWORD, Win32::FR_HIDEWHOLEWORD);
    applyAvailability(m_ui->directionGroup, flags, Win32::FR_NOUPDOWN, Win32::FR_HIDEUPDOWN);
    if (!findOnly) {
        // Replacing always goes down, so the replace window offers no direction.
        m_ui->directionGroup->hide();
    }

    updateButtons();
    // Shrinks to what is shown: the find window has no replace row.
    adjustSize();
    show();
    m_ui->findEdit->selectAll();
    m_ui->findEdit->setFocus();
    return true;
}

void XmlViewFindReplaceDlg::SetRegularExpression(int regularExpression)
{
    m_ui->regexCheck->setChecked(regularExpression != 0);
}

int XmlViewFindReplaceDlg::GetRegularExpression() const
{
    return m_ui->regexCheck->isChecked() ? 1 : 0;
}

Core::String XmlViewFindReplaceDlg::GetFindString() const
{
    return m_ui->findEdit->text();
}

Core::String XmlViewFindReplaceDlg::GetReplaceString() const
{
    return m_ui->replaceEdit->text();
}

bool XmlViewFindReplaceDlg::SearchDown() const
{
    return !m_findOnly || m_ui->downRadio->isChecked();
}

bool XmlViewFindReplaceDlg::MatchCase() const
{
    return m_ui->matchCaseCheck->isChecked();
}

bool XmlViewFindReplaceDlg::MatchWholeWord() const
{
    return m_ui->wholeWordCheck->isChecked();
}

unsigned XmlViewFindReplaceDlg::GetFlags() const
{
    return (SearchDown() ? Win32::FR_DOWN : 0u) | (MatchCase() ? Win32::FR_MATCHCASE : 0u) |
           (MatchWholeWord() ? Win32::FR_WHOLEWORD : 0u);
}

void XmlViewFindReplaceDlg::OnBnClickedFindNext()
{
    if (!GetFindString().isEmpty()) {
        Q_EMIT findNextRequested(GetFindString(), GetFlags() | Win32::FR_FINDNEXT);
    }
}

void XmlViewFindReplaceDlg::OnBnClickedReplace()
{
    if (!m_findOnly && !GetFindString().isEmpty()) {
        Q_EMIT replaceRequested(GetFindString(), GetReplaceString(),
                                GetFlags() | Win32::FR_REPLACE);
    }
}

void XmlViewFindReplaceDlg::OnBnClickedReplaceAll()
{
    if (!m_findOnly && !GetFindString().isEmpty()) {
        Q_EMIT replaceAllRequested(GetFindString(), GetReplaceString(),
                                   GetFlags() | Win32::FR_REPLACEALL);
    }
}

void XmlViewFindReplaceDlg::OnCancel()
{
    Q_EMIT dialogTerminating(GetFlags() | Win32::FR_DIALOGTERM);
    Dialog::OnCancel();
}

void XmlViewFindReplaceDlg::updateButtons()
{
    // As in every find window: nothing to look for, nothing to press.
    const bool hasText = !m_ui->findEdit->text().isEmpty();
    m_ui->findNextButton->setEnabled(hasText);
    m_ui->replaceButton->setEnabled(hasText);
    m_ui->replaceAllButton->setEnabled(hasText);
}
