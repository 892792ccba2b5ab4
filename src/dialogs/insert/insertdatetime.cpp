#include "dialogs/insert/insertdatetime.h"

#include "dialogs/insert/barcodemarkup.h"

#include "ui_insertdatetime.h"

#include <tuple>

namespace {

constexpr int LastDateOnly = 9;
constexpr int FirstTimeOnly = 12;

} // namespace

QDateTime InsertDateTime::exampleMoment()
{
    return QDateTime(QDate(2008, 3, 14), QTime(14, 36, 54));
}

InsertDateTime::InsertDateTime(QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::InsertDateTime>())
{
    m_ui->setupUi(this);
    m_ui->formatList->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_ui->formatList, &QListWidget::currentRowChanged, this,
            &InsertDateTime::OnLbnSelchangeListTypes);
    // A double-click picks the format and confirms, as in any list of choices.
    connect(m_ui->formatList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

InsertDateTime::~InsertDateTime() = default;

const std::vector<DateTimePattern>& InsertDateTime::patterns()
{
    static const std::vector<DateTimePattern> list{
        DateTimePattern("M'/'dd'/'yyyy"),
        DateTimePattern("EEEE','MMMM dd','yyyy"),
        DateTimePattern("M'/'dd'/'yy"),
        DateTimePattern("yyyy'-'MM'-'dd"),
        DateTimePattern("dd'-'MMM'-'yy"),
        DateTimePattern("M'.'dd'.'yyyy"),
        DateTimePattern("MMM'.'dd','yy"),
        DateTimePattern("dd MMMM yyyy"),
        DateTimePattern("MMMM yy"),
        DateTimePattern("MMM'-'yy"),
        DateTimePattern("M'/'dd'/'yyyy h':'mm a"),
        DateTimePattern("M'/'dd'/'yyyy h':'mm':'ss a"),
        DateTimePattern("h':'mm':'ss a"),
        DateTimePattern("HH':'mm"),
        DateTimePattern("HH':'mm':'ss"),
    };
    return list;
}

bool InsertDateTime::OnInitDialog()
{
    Dialog::OnInitDialog();
    setFormatList();
    InsertFormats();
    SetSelection(0);
    m_ui->updateCheck->setChecked(true);
    m_ui->formatList->setFocus();
    return false;
}

void InsertDateTime::setFormatList()
{
    m_patterns = patterns();
}

void InsertDateTime::InsertFormats()
{
    const QSignalBlocker blocker(m_ui->formatList);
    m_ui->formatList->clear();
    for (int index = 0; index < int(m_patterns.size()); ++index) {
        m_ui->formatList->addItem(MakeViewText(index).toQString());
    }
}

Core::String InsertDateTime::MakeViewText(int index) const
{
    if (index < 0 || index >= int(m_patterns.size())) {
        return Core::String();
    }
    return m_patterns[size_t(index)].format(exampleMoment(), QLocale());
}

void InsertDateTime::SetSelection(int index)
{
    m_ui->formatList->setCurrentRow(index);
    OnLbnSelchangeListTypes();
}

void InsertDateTime::OnLbnSelchangeListTypes()
{
    const int row = m_ui->formatList->currentRow();
    m_ui->effectiveFormat->setText(row >= 0 && row < int(m_patterns.size())
                                       ? m_patterns[size_t(row)].unquoted().toQString()
                                       : QString());
}

void InsertDateTime::OnOK()
{
    const int row = m_ui->formatList->currentRow();
    if (row < 0 || row >= int(m_patterns.size())) {
        return;
    }
    m_update = m_ui->updateCheck->isChecked();
    const DateTimePattern& pattern = m_patterns[size_t(row)];
    DateTimePattern date(Core::String{});
    DateTimePattern time(Core::String{});
    if (row <= LastDateOnly) {
        date = pattern;
    } else if (row >= FirstTimeOnly) {
        time = pattern;
    } else {
        std::tie(date, time) = pattern.splitBeforeHours();
    }
    if (m_update) {
        m_datePart = date.unquoted();
        m_timePart = time.unquoted();
    } else {
        const QDateTime now = m_now.isValid() ? m_now : QDateTime::currentDateTime();
        m_datePart = date.format(now, QLocale());
        m_timePart = time.format(now, QLocale());
    }
    EndDialog(Accepted);
}

Core::String InsertDateTime::getDateTimeXml() const
{
    const QString date = m_datePart.toQString();
    const QString time = m_timePart.toQString();
    if (!m_update) {
        return BarcodeMarkup::escapeAttribute(date + time);
    }
    const QString format = !date.isEmpty() && !time.isEmpty()
                               ? QStringLiteral("date:") + date + QLatin1Char(' ') + time
                               : QStringLiteral("date:") + date + time;
    return QStringLiteral("<kmb:field xpath=\"$KMCrtLocalDateTime\" format=\"%1\"/>")
        .arg(BarcodeMarkup::escapeAttribute(format).toQString());
}
