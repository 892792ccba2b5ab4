#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/data/editvariablesdlg.h"
#include "dialogs/data/vareditdlg.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"

#include <QTableWidget>

namespace {

// The template's kmb:variable elements are the list; what OK returns
// replaces them as one step.
void editParameters(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    EditVariablesDlg dialog(document->getVariables(), &window);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    document->setVariables(dialog.getVariables(), DialogCommands::tr("Parameters"));
}

std::vector<KMBVariable> sampleParameters()
{
    return {KMBVariable("currency", "'EUR'"), KMBVariable("vatRate", "0.19"),
            KMBVariable("total", "sum(/invoice/lines/line/amount)")};
}

std::unique_ptr<QWidget> parametersSample()
{
    auto dialog = std::make_unique<EditVariablesDlg>(sampleParameters());
    dialog->show(); // fills the list
    dialog->control<QTableWidget>(EditVariablesDlg::IDC_VARIABLES)->selectRow(1);
    return dialog;
}

std::unique_ptr<QWidget> parameterSample()
{
    return std::make_unique<VarEditDlg>("vatRate", "0.19");
}

} // namespace

DialogEntry parametersEntry()
{
    return {QStringLiteral("EditVariablesDlg"),
            DialogEntry::Menu::Data,
            DialogCommands::tr("&Parameters..."),
            editParameters,
            CommandNeeds::openTemplate,
            {{QStringLiteral("EditVariablesDlg"), parametersSample}, {QStringLiteral("VarEditDlg"), parameterSample}}};
}
