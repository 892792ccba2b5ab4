#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/data/editsortdlg.h"
#include "dialogs/data/rowsgroupdlg.h"
#include "dialogs/data/sortctrl.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"

#include <QFormLayout>

namespace {

constexpr const char* InvoiceLines = "/invoice/lines/line";

// Sorting and grouping belong to a repeat: a selection inside one acts on it.
Xml::Element selectEnclosingRepeat(DesignerWindow& window)
{
    const Xml::Element repeat = CommandNeeds::enclosingRepeat(window.document()->selected());
    window.selectObject(repeat);
    return repeat;
}

void applyToRepeat(DesignerWindow& window, const Xml::Element& repeat,
                   std::initializer_list<std::pair<const char*, Core::String>> values, const QString& action)
{
    PropertyCollection properties;
    for (const auto& [name, value] : values) {
        properties.addProperty(EditableProperty(name, value), true);
    }
    window.document()->applyProperties(TemplateDocument::pathOf(repeat), properties,
                                       TemplateDocument::ApplyMode::Merge, action);
}

void editSort(DesignerWindow& window)
{
    const Xml::Element repeat = selectEnclosingRepeat(window);
    EditSortDlg dialog(window.document(), repeat.get_attribute_value("sort"), TemplateDocument::repeatContext(repeat),
                       &window);
    if (dialog.DoModal() == Win32::IDOK) {
        applyToRepeat(window, repeat, {{"sort", dialog.getSortString()}}, DialogCommands::tr("Sort"));
    }
}

void editGrouping(DesignerWindow& window)
{
    const Xml::Element repeat = selectEnclosingRepeat(window);
    RowsGroupDlg dialog(window.document(), TemplateDocument::repeatContext(repeat), &window);
    dialog.setProperties(repeat.get_attribute_value("group-context"), repeat.get_attribute_value("group-by"),
                         repeat.get_attribute_value("group-merge") == "true");
    if (dialog.DoModal() == Win32::IDOK) {
        applyToRepeat(window, repeat,
                      {{"group-context", dialog.getGroupContextXpath()},
                       {"group-by", dialog.getGroupByXPath()},
                       {"group-merge", dialog.isMergedContent() ? Core::String("true") : Core::String()}},
                      DialogCommands::tr("Group Rows"));
    }
}

std::unique_ptr<QWidget> sortSample()
{
    auto dialog = std::make_unique<EditSortDlg>(
        GallerySamples::invoice(),
        "s:amount dt:number or:descending co:upper-first;s:description dt:text or:ascending co:lower-first",
        InvoiceLines);
    return dialog;
}

std::unique_ptr<QWidget> groupSample()
{
    auto dialog = std::make_unique<RowsGroupDlg>(GallerySamples::invoice(), "/invoice/lines");
    dialog->setProperties("line", "@sku", true);
    return dialog;
}

std::unique_ptr<QWidget> sortFieldSample()
{
    auto sheet = std::make_unique<QWidget>();
    sheet->setWindowTitle(DialogCommands::tr("Sort field"));
    auto* layout = new QFormLayout(sheet.get());
    auto* field = new SortCtrl(GallerySamples::invoice(), InvoiceLines);
    field->setText(QStringLiteral("s:amount dt:number or:descending co:upper-first"));
    layout->addRow(DialogCommands::tr("Sort:"), field);
    sheet->resize(460, sheet->sizeHint().height());
    return sheet;
}

} // namespace

DialogEntry sortEntry()
{
    return {QStringLiteral("EditSortDlg"),
            DialogEntry::Menu::Data,
            DialogCommands::tr("Sor&t..."),
            editSort,
            CommandNeeds::repeatWithSample,
            {{QStringLiteral("EditSortDlg"), sortSample}, {QStringLiteral("SortCtrl"), sortFieldSample}}};
}

DialogEntry groupRowsEntry()
{
    return {QStringLiteral("RowsGroupDlg"),
            DialogEntry::Menu::Data,
            DialogCommands::tr("&Group Rows..."),
            editGrouping,
            CommandNeeds::repeatWithSample,
            {{QStringLiteral("RowsGroupDlg"), groupSample}}};
}
