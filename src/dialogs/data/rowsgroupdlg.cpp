#include "dialogs/data/rowsgroupdlg.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/types/xpathhelpers.h"

#include "ui_rowsgroupdlg.h"

RowsGroupDlg::RowsGroupDlg(SmartPtr<IDocumentInformation> documentInformation, const Core::String& context,
                           QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::RowsGroupDlg>())
{
    m_ui->setupUi(this);
    m_ui->groupByEdit->setKMBDocument(documentInformation);
    m_ui->groupByEdit->setContext("/");
    m_ui->groupContextEdit->setKMBDocument(std::move(documentInformation));
    m_ui->groupContextEdit->setContext(context);
    connect(m_ui->groupContextEdit, &QLineEdit::textChanged, this, &RowsGroupDlg::updateGroupByContext);
}

RowsGroupDlg::~RowsGroupDlg() = default;

void RowsGroupDlg::setProperties(const Core::String& groupContext, const Core::String& groupBy, bool merge)
{
    m_groupContext = groupContext;
    m_groupBy = groupBy;
    m_merge = merge;
}

bool RowsGroupDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    m_ui->groupContextEdit->setText(m_groupContext.toQString());
    m_ui->groupByEdit->setText(m_groupBy.toQString());
    m_ui->mergeCheck->setChecked(m_merge);
    updateGroupByContext();
    return true;
}

Core::String RowsGroupDlg::groupByContext(const Core::String& context, const Core::String& groupContext)
{
    QString path = XPathHelpers::composeXPath(context, groupContext).toQString();
    const qsizetype attribute = path.indexOf(QLatin1String("/@"));
    if (attribute >= 0) {
        path.truncate(attribute);
    }
    path = path.trimmed();
    if (path != QLatin1String("/")) {
        while (path.endsWith(QLatin1Char('/'))) {
            path.chop(1);
        }
    }
    return path;
}

void RowsGroupDlg::updateGroupByContext()
{
    const QString groupContext = m_ui->groupContextEdit->text();
    m_ui->groupByEdit->setContext(groupByContext(m_ui->groupContextEdit->getContext(), groupContext));
    m_ui->groupByEdit->setEnabled(!groupContext.isEmpty());
}

void RowsGroupDlg::OnOK()
{
    if (m_ui->groupContextEdit->text().isEmpty()) {
        UIApplication::MessageBoxW(63344, Win32::MB_OK | Win32::MB_ICONWARNING);
        m_ui->groupContextEdit->setFocus();
        return;
    }
    if (m_ui->groupByEdit->text().isEmpty()) {
        UIApplication::MessageBoxW(63343, Win32::MB_OK | Win32::MB_ICONWARNING);
        m_ui->groupByEdit->setFocus();
        return;
    }
    m_groupContext = m_ui->groupContextEdit->text();
    m_groupBy = m_ui->groupByEdit->text();
    m_merge = m_ui->mergeCheck->isChecked();
    EndDialog(Accepted);
}
