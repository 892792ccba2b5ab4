#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/page/addpagetypedlg.h"
#include "dialogs/page/editpagesetdlg.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"
#include "outside/core/coreexception.h"
#include "templatepagesets.h"

namespace {

// Where a dynamic page set keeps its settings on its page sequence master.
constexpr const char* RepeatAttribute = "kmb:xpath";
constexpr const char* ConditionAttribute = "kmb:condition";
constexpr const char* SortAttribute = "kmb:sort";
constexpr const char* ParentSetAttribute = "kmb:parent-set";

QString pageSetsUnavailable(const DesignerWindow& window)
{
    const QString missing = CommandNeeds::openTemplate(window);
    if (!missing.isEmpty()) {
        return missing;
    }
    const TemplatePageSets sets(*window.document());
    return sets.isValid() && !sets.simpleMasters().empty()
               ? QString()
               : DialogCommands::tr("The template has no page sequence with page layouts.");
}

// Opens the page set of the page sequence around the selection.
void editPageSets(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const TemplatePageSets sets(*document);
    if (!sets.isValid()) {
        return;
    }
    const PageMasterData data = sets.current();
    EditPageSetDlg dialog(data, document, &window);
    dialog.setSimpleMasters(sets.simpleMasters());
    dialog.setAvailableParentSet(sets.otherPageSets());
    dialog.setXPathExpression(data.getAttribute(RepeatAttribute));
    dialog.setConditionExpression(data.getAttribute(ConditionAttribute));
    dialog.setSortExpression(data.getAttribute(SortAttribute));
    dialog.setParentSet(data.getAttribute(ParentSetAttribute));
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    PageMasterData result = dialog.getMasterData();
    result.setAttribute(RepeatAttribute, dialog.getXPathExpression());
    result.setAttribute(ConditionAttribute, dialog.getConditionExpression());
    result.setAttribute(SortAttribute, dialog.getSortExpression());
    result.setAttribute(ParentSetAttribute, dialog.getParentSet());
    try {
        sets.apply(*document, result, DialogCommands::tr("Page Sets"));
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_OK | Win32::MB_ICONERROR);
    }
}

std::unique_ptr<QWidget> pageSetSample()
{
    PageMasterData data;
    data.setMasterName("letter");
    data.setReferences({{ReferenceInfo::Conditional, "cover", "page-position", "first"},
                        {ReferenceInfo::Conditional, "last-page", "page-position", "last"},
                        {ReferenceInfo::Conditional, "right-page", "odd-or-even", "odd"},
                        {ReferenceInfo::Conditional, "left-page", "odd-or-even", "even"}});
    auto dialog = std::make_unique<EditPageSetDlg>(data, GallerySamples::invoice());
    dialog->setSimpleMasters({"cover", "last-page", "left-page", "right-page"});
    dialog->setAvailableParentSet({"invoices"});
    dialog->setXPathExpression("/invoice/lines/line");
    dialog->setSortExpression("s:amount dt:number or:descending co:upper-first");
    return dialog;
}

std::unique_ptr<QWidget> addPageTypeSample()
{
    auto dialog = std::make_unique<AddPageTypeDlg>(
        ReferenceInfo(ReferenceInfo::Conditional, "right-page", "odd-or-even", "odd"));
    dialog->setAvailMasters({"cover", "right-page", "Left-page", "last-page"});
    return dialog;
}

} // namespace

DialogEntry pageSetsEntry()
{
    return {QStringLiteral("EditPageSetDlg"),
            DialogEntry::Menu::Page,
            DialogCommands::tr("Page &Sets..."),
            editPageSets,
            pageSetsUnavailable,
            {{QStringLiteral("EditPageSetDlg"), pageSetSample}, {QStringLiteral("AddPageTypeDlg"), addPageTypeSample}}};
}
