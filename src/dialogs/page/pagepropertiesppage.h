#pragma once

#include "outside/types/pagelayoutdata.h"
#include "uieditor_export.h"

#include <array>
#include <memory>
#include <QWidget>

namespace Ui {
class PagePropertiesPPage;
}
class LengthOrPercentCtrl;
class PageLayoutDlg;

/// The "Page Properties" tab of the page layout dialog: the page format, its
/// width and height, and the page margins. Every edit goes straight into the
/// layout record and the preview.
class UIEDITOR_EXPORT PagePropertiesPPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12317;

    PagePropertiesPPage(PageLayoutData& record, QWidget* parent = nullptr);
    ~PagePropertiesPPage() override;

    /// The size of a standard format ("A4", "Letter"...) in the user's unit;
    /// a name with a blank ("A4 Landscape") names the format before it turned
    /// on its side. 0 by 0 for a name that is no standard format.
    static void getStandardPageSize(const Core::String& name, Xml::Length& width,
                                    Xml::Length& height);
    /// The format list's items: the standard formats, their landscape forms and,
    /// last, the custom size.
    static QStringList formatNames();

    /// Fills the controls from the record, selecting its format.
    void OnInitDialog();
    /// Selects the first format whose size is the record's, else the custom size.
    void selectPageSize();
    /// Width and height can be typed only for a custom size.
    void updateInterface();
    PageLayoutDlg* getParent() const;

private:
    void OnChangePredefinedPageSize(int index);
    void OnLengthOrPercentModified();
    void showDimensions();
    void refreshPreview();
    bool isCustomSelected() const;

    std::unique_ptr<Ui::PagePropertiesPPage> m_ui;
    PageLayoutData& m_data;
    std::array<LengthOrPercentCtrl*, RegionData::SideCount> m_margins{};
    bool m_showing = false; ///< filling the controls is no edit
};
