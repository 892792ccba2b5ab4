#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"

#include <QTabWidget>

namespace {

// Borders and backgrounds belong to what a flow holds: a page-level
// selection opens the dialog on the first block of its flow.
void editBordersAndBackground(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (!TemplateDocument::isInFlow(document->selected())) {
        window.selectObject(document->firstFlowBlock(document->selected()));
    }
    BordersBackgroundDlg dialog(SmartPtr<IDocumentInformation>(document), &window);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    if (dialog.getCurrentPath().isEmpty()) {
        UIApplication::MessageBoxW(
            DialogCommands::tr("Nothing was changed: no object was chosen under \"Apply to\"."),
            Win32::MB_ICONWARNING);
        return;
    }
    const PropertyCollection properties = dialog.getCurrentProperties();
    // The dialog returns the object's whole property set with the shorthands
    // it expanded left out: they must go from the template too.
    document->applyProperties(dialog.getCurrentPath(), properties, TemplateDocument::ApplyMode::Replace,
                              DialogCommands::tr("Borders and Background"));
    QStringList lines;
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        lines << property->getName().toQString() + QStringLiteral(" = ") + property->getValue().toQString();
    }
    window.showResult(dialog.getCurrentPath(), lines.join(QLatin1Char('\n')));
}

// The bold "Total" line of the invoice's totals block, so that "Apply to"
// shows a real chain (flow, the totals block, the line).
GalleryShot shotOfTab(const QString& name, int tab)
{
    return {name, [tab] {
                auto dialog = std::make_unique<BordersBackgroundDlg>(SmartPtr<IDocumentInformation>(
                    GallerySamples::invoiceSelecting("//*[@id='totals']/*[last()]")));
                dialog->control<QTabWidget>(4061)->setCurrentIndex(tab);
                return std::unique_ptr<QWidget>(std::move(dialog));
            }};
}

} // namespace

DialogEntry bordersBackgroundEntry()
{
    return {QStringLiteral("BordersBackgroundDlg"),
            DialogEntry::Menu::Format,
            DialogCommands::tr("&Borders and Background..."),
            editBordersAndBackground,
            CommandNeeds::flowBlock,
            {shotOfTab(QStringLiteral("BordersBackgroundDlg"), 0),
             shotOfTab(QStringLiteral("BordersBackgroundDlgBackground"), 1),
             shotOfTab(QStringLiteral("BordersBackgroundDlgPadding"), 2)}};
}
