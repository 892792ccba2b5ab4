#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/format/conditionalformattingdlg.h"
#include "dialogs/format/formatconditiondlg.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"

#include <QTableWidget>

namespace {

// Conditions belong to what a flow holds: a page-level selection opens the
// dialog on the first block of its flow.
void editConditionalFormatting(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    if (!TemplateDocument::isInFlow(document->selected())) {
        window.selectObject(document->firstFlowBlock(document->selected()));
    }
    const Xml::Element object = document->selected();
    std::vector<KMBAttribute> conditions = document->conditions();
    ConditionalFormattingDlg dialog(SmartPtr<IDocumentInformation>(document), &conditions,
                                    TemplateDocument::expressionContext(object), &window);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    document->setConditions(object, dialog.getObjectID(), conditions,
                            DialogCommands::tr("Conditional Formatting"));
    QStringList lines;
    for (const KMBAttribute& condition : conditions) {
        if (condition.getObjectId() == dialog.getObjectID()) {
            const Core::String& value = condition.getValue().isEmpty() ? condition.getDynamicValue() : condition.getValue();
            lines << condition.getAttributeName().toQString() + QStringLiteral(" = ") + value.toQString() +
                         QStringLiteral("  if  ") + condition.getCondition().toQString();
        }
    }
    window.showResult(dialog.getObjectPath(), lines.join(QLatin1Char('\n')));
}

// The invoice's totals block with a fixed and a dynamic condition.
std::unique_ptr<QWidget> formattingSample()
{
    static std::vector<KMBAttribute> conditions;
    conditions = {
        KMBAttribute("totals", "fo:color", QString(), "#c00000", QString(), "/invoice/totals/gross > 500"),
        KMBAttribute("totals", "fo:border-top-color", QString(), QString(), "/invoice/seller/color",
                     "/invoice/@currency != 'EUR'"),
    };
    auto dialog = std::make_unique<ConditionalFormattingDlg>(
        SmartPtr<IDocumentInformation>(GallerySamples::invoiceSelecting("//*[@id='totals']")), &conditions,
        "/invoice");
    dialog->show(); // fills the list
    dialog->control<QTableWidget>(ConditionalFormattingDlg::IDC_CONDITIONS)->selectRow(0);
    return dialog;
}

std::unique_ptr<QWidget> conditionSample()
{
    auto dialog = std::make_unique<FormatConditionDlg>(
        SmartPtr<IDocumentInformation>(GallerySamples::invoiceSelecting("//*[@id='totals']")), Core::String(),
        "/invoice", true, nullptr, true);
    dialog->setDefaultValues("color", "fo",
                             KMBAttribute("totals", "fo:color", QString(), "#c00000", QString(),
                                          "/invoice/totals/gross > 500"));
    return dialog;
}

} // namespace

DialogEntry conditionalFormattingEntry()
{
    return {QStringLiteral("ConditionalFormattingDlg"),
            DialogEntry::Menu::Format,
            DialogCommands::tr("Co&nditional Formatting..."),
            editConditionalFormatting,
            CommandNeeds::flowBlock,
            {{QStringLiteral("ConditionalFormattingDlg"), formattingSample},
             {QStringLiteral("FormatConditionDlg"), conditionSample}}};
}
