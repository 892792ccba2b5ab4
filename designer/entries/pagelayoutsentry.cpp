#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/page/pagelayoutdlg.h"
#include "dialogs/page/pagemasternamedlg.h"
#include "dialogs/page/pagepropertiesppage.h"
#include "gallerysamples.h"
#include "outside/types/simplepagemasterxml.h"
#include "pagelayoutlist.h"

namespace {

void editPageLayouts(DesignerWindow& window)
{
    PageLayoutList list(window.document(), &window);
    list.exec();
}

// The layout dialog edits a record it does not own; the gallery's copy
// lives as long as the dialog.
struct LayoutRecord
{
    PageLayoutData record;
};

class GalleryPageLayoutDlg : private LayoutRecord, public PageLayoutDlg
{
public:
    GalleryPageLayoutDlg(const PageLayoutData& given, PageLayoutDlgTabs tab)
        : LayoutRecord{given}, PageLayoutDlg(LayoutRecord::record)
    {
        setStartupTab(tab);
    }
};

// A4 portrait with a header of its own.
PageLayoutData portraitWithHeader()
{
    PageLayoutData data = SimplePageMasterXml::read(
        GallerySamples::invoiceSelecting("//*[local-name()='simple-page-master']")->selected());
    Xml::Length width;
    Xml::Length height;
    PagePropertiesPPage::getStandardPageSize("A4", width, height);
    data.setWidth(width);
    data.setHeight(height);
    return data;
}

// A landscape page of no standard size, its footer chosen.
PageLayoutData landscapeCustom()
{
    PageLayoutData data;
    data.setMasterName("wide");
    data.setWidth(Xml::Length(25.0, Xml::Length::Cm));
    data.setHeight(Xml::Length(12.0, Xml::Length::Cm));
    for (int side = 0; side < RegionData::SideCount; ++side) {
        data.setMargin(RegionData::Side(side), Xml::Length(1.0, Xml::Length::Cm));
    }
    RegionData& body = data.getRegion(PageLayoutData::Body);
    body.setColumnCount(2);
    body.setMargin(RegionData::Bottom, Xml::Length(1.5, Xml::Length::Cm));
    RegionData& footer = data.getRegion(PageLayoutData::After);
    footer.setVisible(true);
    footer.setExtent(Xml::Length(1.0, Xml::Length::Cm));
    footer.setPrecedence(true);
    BordersAndBackgroundData borders;
    borders.setBackgroundColor("#dde7f0");
    footer.setBordersAndBackground(borders);
    return data;
}

GalleryShot layoutShot(const QString& name, PageLayoutData (*record)(), PageLayoutDlgTabs tab)
{
    return {name, [record, tab] {
                return std::unique_ptr<QWidget>(
                    std::make_unique<GalleryPageLayoutDlg>(record(), tab));
            }};
}

std::unique_ptr<QWidget> nameSample()
{
    auto dialog =
        std::make_unique<PageMasterNameDlg>(Core::String(DialogCommands::tr("New Page Layout")));
    dialog->setMasterName("odd pages");
    return dialog;
}

std::unique_ptr<QWidget> listSample()
{
    return std::make_unique<PageLayoutList>(GallerySamples::invoice());
}

} // namespace

DialogEntry pageLayoutsEntry()
{
    return {QStringLiteral("PageLayoutDlg"),
            DialogEntry::Menu::Page,
            DialogCommands::tr("Page &Layouts..."),
            editPageLayouts,
            CommandNeeds::openTemplate,
            {layoutShot(QStringLiteral("PageLayoutDlg"), portraitWithHeader, PagePropertiesTab),
             layoutShot(QStringLiteral("PageLayoutDlgRegions"), landscapeCustom, RegionsTab),
             {QStringLiteral("PageMasterNameDlg"), nameSample},
             {QStringLiteral("PageLayoutList"), listSample}}};
}
