#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/insert/insertdatetime.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "inlineplacement.h"
#include "outside/core/coreexception.h"

#include <QAbstractButton>
#include <QListWidget>

namespace {

void insertDateTime(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const InlinePlacement placement(*document, document->selected());
    if (!placement.isValid()) {
        return;
    }
    InsertDateTime dialog(&window);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    const Core::String markup = dialog.getDateTimeXml();
    const QString action = DialogCommands::tr("Insert Date and Time");
    window.selectObject(placement.target());
    try {
        document->insertMarkup(markup, placement.position(), action);
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_ICONERROR);
        return;
    }
    window.showResult(action, markup.toQString());
}

std::unique_ptr<QWidget> dateTimeSample(int row, bool update)
{
    auto dialog = std::make_unique<InsertDateTime>();
    dialog->show(); // fills the list
    dialog->control<QListWidget>(InsertDateTime::IDC_LIST_TYPES)->setCurrentRow(row);
    dialog->control<QAbstractButton>(InsertDateTime::IDC_UPDATE)->setChecked(update);
    return dialog;
}

} // namespace

DialogEntry insertDateTimeEntry()
{
    return {QStringLiteral("InsertDateTime"),
            DialogEntry::Menu::Insert,
            DialogCommands::tr("&Date and Time..."),
            insertDateTime,
            CommandNeeds::flowBlock,
            {{QStringLiteral("InsertDateTime"), [] { return dateTimeSample(0, true); }},
             {QStringLiteral("InsertDateTimeLong"), [] { return dateTimeSample(11, false); }}}};
}
