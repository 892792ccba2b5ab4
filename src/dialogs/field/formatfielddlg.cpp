#include "dialogs/field/formatfielddlg.h"

#include "dialogs/field/cformatfieldcustomdlg.h"
#include "dialogs/field/cformatfielddatedlg.h"
#include "dialogs/field/cformatfieldnonedlg.h"
#include "dialogs/field/cformatfieldnumberdlg.h"
#include "dialogs/field/cformatfieldphonedlg.h"
#include "outside/core/corestring.h"

#include "ui_formatfielddlg.h"

#include <QStackedWidget>
#include <QStyle>

#include <algorithm>

namespace {

unsigned kindText(FieldFormat::Kind kind)
{
    switch (kind) {
    case FieldFormat::Kind::Number:
        return 63161;
    case FieldFormat::Kind::Currency:
        return 63159;
    case FieldFormat::Kind::Date:
        return 63160;
    case FieldFormat::Kind::Phone:
        return 63345;
    case FieldFormat::Kind::Custom:
        return 63346;
    case FieldFormat::Kind::None:
        break;
    }
    return 63158;
}

} // namespace

FormatFieldDlg::FormatFieldDlg(const QString& format, bool allKinds, QWidget* parent)
    : FeatureDialog(TemplateId, parent),
      m_ui(std::make_unique<Ui::FormatFieldDlg>()),
      m_pages(new QStackedWidget(this)),
      m_format(format),
      m_allKinds(allKinds)
{
    m_ui->setupUi(this);
    // The pages take the place the form keeps for them.
    m_ui->pagesLayout->replaceWidget(m_ui->windowsArea, m_pages);
    m_ui->windowsArea->hide();
    m_kinds = {FieldFormat::Kind::None, FieldFormat::Kind::Number};
    if (m_allKinds) {
        m_kinds.insert(m_kinds.end(), {FieldFormat::Kind::Currency, FieldFormat::Kind::Date, FieldFormat::Kind::Phone,
                                       FieldFormat::Kind::Custom});
    }
    for (FieldFormat::Kind kind : m_kinds) {
        FormatFieldPage* page = nullptr;
        switch (kind) {
        case FieldFormat::Kind::None:
            page = new CFormatFieldNoneDlg(m_pages);
            break;
        case FieldFormat::Kind::Number:
        case FieldFormat::Kind::Currency:
            page = new CFormatFieldNumberDlg(kind == FieldFormat::Kind::Currency, m_pages);
            break;
        case FieldFormat::Kind::Date:
            page = new CFormatFieldDateDlg(m_pages);
            break;
        case FieldFormat::Kind::Phone:
            page = new CFormatFieldPhoneDlg(m_pages);
            break;
        case FieldFormat::Kind::Custom:
            page = new CFormatFieldCustomDlg(m_pages);
            break;
        }
        m_pages->addWidget(page);
        m_pageOf[kind] = page;
        m_ui->kindList->addItem(Core::String::formatS(kindText(kind)).toQString());
    }
    // Wide enough for the longest kind in the running language.
    QListWidget* kinds = m_ui->kindList;
    kinds->setFixedWidth(kinds->sizeHintForColumn(0) + 2 * kinds->frameWidth() +
                         kinds->style()->pixelMetric(QStyle::PM_ScrollBarExtent) / 2);
    connect(m_ui->kindList, &QListWidget::currentRowChanged, this, &FormatFieldDlg::OnSelChange);
}

FormatFieldDlg::~FormatFieldDlg() = default;

FormatFieldPage* FormatFieldDlg::page(FieldFormat::Kind kind) const
{
    const auto found = m_pageOf.find(kind);
    return found == m_pageOf.end() ? nullptr : found->second;
}

bool FormatFieldDlg::OnInitDialog()
{
    const bool result = FeatureDialog::OnInitDialog();
    const FieldFormat format = FieldFormat::parse(m_format, m_allKinds);
    m_opened = format.kind();
    m_pageOf[m_opened]->readPattern(format.pattern());
    selectFormatWindow(m_opened);
    return result;
}

void FormatFieldDlg::selectFormatWindow(FieldFormat::Kind kind)
{
    FormatFieldPage* shown = page(kind);
    if (!shown) {
        return;
    }
    m_selected = kind;
    m_pages->setCurrentWidget(shown);
    const auto row = std::find(m_kinds.begin(), m_kinds.end(), kind) - m_kinds.begin();
    if (m_ui->kindList->currentRow() != row) {
        m_ui->kindList->setCurrentRow(int(row));
    }
}

void FormatFieldDlg::OnSelChange()
{
    const int row = m_ui->kindList->currentRow();
    if (row >= 0 && row < int(m_kinds.size())) {
        selectFormatWindow(m_kinds[size_t(row)]);
    }
}

void FormatFieldDlg::OnOK()
{
    FormatFieldPage* chosen = page(m_selected);
    if (!chosen->validate()) {
        return;
    }
    // An untouched page keeps the given text, which it may not be able to show.
    if (m_selected != m_opened || chosen->isEdited()) {
        m_format = FieldFormat(m_selected, chosen->pattern()).toString();
    } else if (m_selected == FieldFormat::Kind::None) {
        m_format.clear();
    }
    FeatureDialog::OnOK();
}
