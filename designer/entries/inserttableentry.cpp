#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/table/inserttabledlg.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/coreexception.h"
#include "outside/types/xpathhelpers.h"
#include "samplepane.h"
#include "tableplacement.h"
#include "xml/widgets/xmltreectrl.h"

#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace {

QString placeForTable(const DesignerWindow& window)
{
    const QString missing = CommandNeeds::openTemplate(window);
    if (!missing.isEmpty()) {
        return missing;
    }
    return TablePlacement(*window.document(), window.document()->selected()).isValid()
               ? QString()
               : DialogCommands::tr("The template has no flow to hold a table.");
}

// A repeated element selected in the sample pane: the user may want the
// table that dropping it builds, with its row repeating over the element.
Core::String repeatingTable(DesignerWindow& window, const Xml::Element& container, bool& cancelled)
{
    const Xml::Node node = window.samplePane()->tree()->getSelectedNode();
    if (node.isNull() || !node.is_element() || !XmlTreeCtrl::isRepeatedElement(node)) {
        return Core::String();
    }
    const Core::String absolute = XmlTreeCtrl::getXPath(node);
    const Core::String context = TemplateDocument::repeatContext(container);
    const Core::String xpath =
        context.isEmpty() ? absolute : XPathHelpers::getRelativeXPath(context, absolute);
    const QString question =
        DialogCommands::tr("Insert a table whose row repeats for each %1 of the sample data?\n"
                           "Choose No to design a table of your own.")
            .arg(absolute.toQString());
    switch (UIApplication::MessageBoxW(Core::String(question),
                                       Win32::MB_YESNOCANCEL | Win32::MB_ICONQUESTION)) {
    case Win32::IDYES:
        return XmlTreeCtrl::getRepeatingTableXml(Xml::Element(node), xpath);
    case Win32::IDNO:
        return Core::String();
    default:
        cancelled = true;
        return Core::String();
    }
}

void insertTable(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const TablePlacement place(*document, document->selected());
    if (!place.isValid()) {
        return;
    }
    bool cancelled = false;
    Core::String markup = repeatingTable(window, place.container(), cancelled);
    if (cancelled) {
        return;
    }
    if (markup.isEmpty()) {
        InsertTableDlg dialog(&window);
        if (dialog.DoModal() != Win32::IDOK) {
            return;
        }
        markup = dialog.getTableXml(false);
        if (markup.isEmpty()) {
            return; // the dialog has said why
        }
    }
    document->select(place.target());
    try {
        document->insertMarkup(markup, place.position(), DialogCommands::tr("Insert Table"));
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_ICONERROR);
        return;
    }
    window.statusBar()->showMessage(
        DialogCommands::tr("Table inserted into %1").arg(place.container().get_name().toQString()));
}

GalleryShot shot(const QString& name, bool custom)
{
    return {name, [custom] {
                auto dialog = std::make_unique<InsertTableDlg>();
                if (custom) {
                    // The dialog always opens on the formats: switch once it is shown.
                    QTimer::singleShot(0, dialog.get(), [d = dialog.get()] {
                        d->control<QRadioButton>(InsertTableDlg::IDC_CUSTOM)->click();
                    });
                }
                return std::unique_ptr<QWidget>(std::move(dialog));
            }};
}

} // namespace

DialogEntry insertTableEntry()
{
    return {QStringLiteral("InsertTableDlg"),
            DialogEntry::Menu::Insert,
            DialogCommands::tr("&Table..."),
            insertTable,
            placeForTable,
            {shot(QStringLiteral("InsertTableDlg"), false),
             shot(QStringLiteral("InsertTableDlgCustom"), true)}};
}
