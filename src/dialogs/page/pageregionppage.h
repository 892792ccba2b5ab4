#pragma once

#include "outside/types/pagelayoutdata.h"
#include "uieditor_export.h"

#include <array>
#include <memory>
#include <QWidget>

namespace Ui {
class PageRegionPPage;
}
class DataExchange;
class LengthOrPercentCtrl;
class PageLayoutDlg;

/// The "Regions" tab of the page layout dialog: the body, header, footer and
/// sidebars with their padding, orientation, alignment, visibility, borders
/// and background; the body's margins and columns; the other regions' extent
/// and, for header and footer, precedence. Every edit goes straight into the
/// layout record and the preview.
class UIEDITOR_EXPORT PageRegionPPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12326;

    PageRegionPPage(PageLayoutData& record, QWidget* parent = nullptr);
    ~PageRegionPPage() override;

    /// Fills the lists and shows the first region (the body).
    void OnInitDialog();
    /// The index of the region chosen in "Choose Region:" (a PageLayoutData::Region).
    int getSelectedRegion() const;
    /// Shows and enables the controls the chosen region has.
    void updateInterface();
    PageLayoutDlg* getParent() const;

private:
    void exchange(const DataExchange& dx);
    /// Reads the controls into the chosen region and refreshes the preview.
    void readPage();
    void OnRegionChanged();
    void OnCheckPrecedence();
    void OnChangeColumnCount();
    void OnColumnCountSpin(int delta);
    void formatRegionBordersAndBackGround();
    void OnLengthOrPercentModified();
    void refreshPreview();

    std::unique_ptr<Ui::PageRegionPPage> m_ui;
    PageLayoutData& m_data;
    std::array<LengthOrPercentCtrl*, RegionData::SideCount> m_paddings{};
    std::array<LengthOrPercentCtrl*, RegionData::SideCount> m_margins{};
    bool m_showing = false; ///< filling the controls is no edit
};
