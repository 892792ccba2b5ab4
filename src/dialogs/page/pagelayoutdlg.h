#pragma once

#include "frame/dialog.h"
#include "outside/types/pagelayoutdata.h"

#include <memory>

namespace Ui {
class PageLayoutDlg;
}
class PagePropertiesPPage;
class PageRegionPPage;
class StaticPreview;

/// The tabs of the page layout dialog.
enum PageLayoutDlgTabs { PagePropertiesTab = 0, RegionsTab = 1 };

/// "Page Layout": the size, margins and regions of one page layout, with a
/// live preview of the page.
///
/// The dialog edits the caller's record in place as the user edits; a caller
/// that wants Cancel to leave its record alone passes a copy and keeps it
/// only on OK.
class UIEDITOR_EXPORT PageLayoutDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12313;

    explicit PageLayoutDlg(PageLayoutData& record, QWidget* parent = nullptr);
    ~PageLayoutDlg() override;

    /// The tab shown when the dialog opens. Call before running it.
    void setStartupTab(PageLayoutDlgTabs tab) { m_startupTab = tab; }
    /// Shows the record's page in the preview; the pages call it after each edit.
    void updatePreview();
    /// Shows and enables the tab's page, hides and disables the other, and
    /// gives the focus to the page's first list.
    void showTab(PageLayoutDlgTabs tab);

    StaticPreview* preview() const { return m_preview; }
    PagePropertiesPPage* propertiesPage() const { return m_propertiesPage; }
    PageRegionPPage* regionPage() const { return m_regionPage; }

protected:
    bool OnInitDialog() override;
    /// Commits a length still being typed before the dialog closes.
    void OnOK() override;

private:
    void OnTabChanged(int index);

    std::unique_ptr<Ui::PageLayoutDlg> m_ui;
    PageLayoutData& m_data;
    PagePropertiesPPage* m_propertiesPage = nullptr;
    PageRegionPPage* m_regionPage = nullptr;
    StaticPreview* m_preview = nullptr;
    PageLayoutDlgTabs m_startupTab = PagePropertiesTab;
    bool m_initializing = false; ///< the pages fill their controls: one preview at the end
};
