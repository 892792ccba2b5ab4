#include "dialogs/page/pagelayoutdlg.h"

#include "controls/staticpreview.h"
#include "dialogs/page/pagepropertiesppage.h"
#include "dialogs/page/pageregionppage.h"

#include "ui_pagelayoutdlg.h"

#include <QScopedValueRollback>

namespace {

constexpr int PreviewControlId = 12314;
constexpr unsigned PagePropertiesTitle = 63173;
constexpr unsigned RegionsTitle = 63174;
constexpr int FormatComboId = 12318;
constexpr int RegionComboId = 12327;

} // namespace

PageLayoutDlg::PageLayoutDlg(PageLayoutData& record, QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::PageLayoutDlg>()), m_data(record)
{
    m_ui->setupUi(this);
    m_propertiesPage = new PagePropertiesPPage(m_data);
    m_regionPage = new PageRegionPPage(m_data);
    m_ui->tabs->addTab(m_propertiesPage, Core::String::formatS(PagePropertiesTitle).toQString());
    m_ui->tabs->addTab(m_regionPage, Core::String::formatS(RegionsTitle).toQString());
    connect(m_ui->tabs, &QTabWidget::currentChanged, this, &PageLayoutDlg::OnTabChanged);

    // The form holds a placeholder; the preview takes its place and number.
    m_preview = new StaticPreview(true);
    m_preview->setProperty("controlId", PreviewControlId);
    m_preview->setMinimumSize(m_ui->previewPlaceholder->minimumSize());
    m_preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    delete m_ui->previewLayout->replaceWidget(m_ui->previewPlaceholder, m_preview);
    delete m_ui->previewPlaceholder;
    m_ui->previewPlaceholder = nullptr;
}

PageLayoutDlg::~PageLayoutDlg() = default;

bool PageLayoutDlg::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    {
        const QScopedValueRollback initializing(m_initializing, true);
        m_propertiesPage->OnInitDialog();
        m_regionPage->OnInitDialog();
    }
    updatePreview();
    showTab(m_startupTab);
    return result;
}

void PageLayoutDlg::OnOK()
{
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
    }
    Dialog::OnOK();
}

void PageLayoutDlg::updatePreview()
{
    if (!m_initializing) {
        m_preview->openFromString(m_data.getXml());
    }
}

void PageLayoutDlg::showTab(PageLayoutDlgTabs tab)
{
    QWidget* shown = tab == RegionsTab ? static_cast<QWidget*>(m_regionPage) : m_propertiesPage;
    QWidget* hidden = tab == RegionsTab ? static_cast<QWidget*>(m_propertiesPage) : m_regionPage;
    hidden->setEnabled(false);
    shown->setEnabled(true);
    if (m_ui->tabs->currentWidget() != shown) {
        const QSignalBlocker blocker(m_ui->tabs);
        m_ui->tabs->setCurrentWidget(shown);
    }
    if (QWidget* first = findControl(shown, tab == RegionsTab ? RegionComboId : FormatComboId)) {
        first->setFocus(Qt::TabFocusReason);
    }
}

void PageLayoutDlg::OnTabChanged(int index)
{
    showTab(index == RegionsTab ? RegionsTab : PagePropertiesTab);
}
