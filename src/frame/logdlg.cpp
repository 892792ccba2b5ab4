#include "frame/logdlg.h"

#include "ui_logdlg.h"

#include <QPushButton>

LogDlg::LogDlg(QWidget* parent) : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::LogDlg>())
{
    m_ui->setupUi(this);
    connect(m_ui->clearButton, &QPushButton::clicked, this, &LogDlg::OnBnClickedClear);
    updateCount();
}

LogDlg::~LogDlg() = default;

bool LogDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    m_ui->clearButton->setEnabled(messageCount() > 0);
    return true;
}

void LogDlg::addMessage(const Core::String& message)
{
    m_ui->messagesEdit->appendPlainText(message);
    updateCount();
}

void LogDlg::clear()
{
    m_ui->messagesEdit->clear();
    updateCount();
}

int LogDlg::messageCount() const
{
    return m_ui->messagesEdit->document()->isEmpty() ? 0 : m_ui->messagesEdit->blockCount();
}

void LogDlg::OnBnClickedClear()
{
    clear();
}

void LogDlg::updateCount()
{
    const int count = messageCount();
    m_ui->countLabel->setText(tr("%n message(s)", "", count));
    m_ui->clearButton->setEnabled(count > 0);
}
