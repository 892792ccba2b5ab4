#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/insert/insertpagenumberdlg.h"
#include "frame/win32constants.h"
#include "inlineplacement.h"
#include "onestepedit.h"
#include "outside/core/namespaces.h"
#include "outside/types/objectid.h"

#include <QComboBox>

namespace {

Xml::Element pageSequenceOf(Xml::Element element)
{
    for (; !element.isNull(); element = element.get_parent()) {
        if (element.get_namespace_uri() == Xml::Namespaces::FO &&
            element.get_local_name() == "page-sequence") {
            return element;
        }
    }
    return element;
}

// XSL-FO writes every page number of a page sequence in the sequence's
// format, so the chosen style goes there; the number of pages is the last
// page the sequence itself covers.
void insertPageNumber(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const InlinePlacement placement(*document, document->selected());
    const Xml::Element sequence = pageSequenceOf(placement.target());
    if (!placement.isValid() || sequence.isNull()) {
        return;
    }
    InsertPageNumberDlg dialog(&window);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    PropertyCollection sequenceProperties;
    const Core::String format = dialog.getFormat();
    const Core::String currentFormat = sequence.get_attribute_value("format");
    if (!(format == currentFormat) && !(currentFormat.isEmpty() && format == "1")) {
        sequenceProperties.addProperty(EditableProperty("fo:format", format), true);
    }
    QString markup = QStringLiteral("<fo:page-number/>");
    if (dialog.getElementType() == InsertPageNumberDlg::TotalPages) {
        Core::String id = sequence.get_attribute_value("id");
        if (id.isEmpty()) {
            id = ObjectId::generate();
            sequenceProperties.addProperty(EditableProperty("fo:id", id), true);
        }
        markup = QStringLiteral("<fo:page-number-citation-last ref-id=\"%1\"/>").arg(id.toQString());
    }
    const QString action = DialogCommands::tr("Insert Page Number");
    const Core::String sequencePath = TemplateDocument::pathOf(sequence);
    window.selectObject(placement.target());
    const bool done = editInOneStep(*document, action, [&] {
        document->insertMarkup(markup, placement.position(), action);
        if (!sequenceProperties.isEmpty()) {
            document->applyProperties(sequencePath, sequenceProperties,
                                      TemplateDocument::ApplyMode::Merge, action);
        }
    });
    if (done) {
        window.showResult(action, markup);
    }
}

std::unique_ptr<QWidget> pageNumberSample()
{
    auto dialog = std::make_unique<InsertPageNumberDlg>();
    dialog->setElementType(InsertPageNumberDlg::TotalPages);
    dialog->show(); // fills the lists
    dialog->control<QComboBox>(InsertPageNumberDlg::IDC_FORMAT)->setCurrentIndex(5);
    return dialog;
}

} // namespace

DialogEntry insertPageNumberEntry()
{
    return {QStringLiteral("InsertPageNumberDlg"),
            DialogEntry::Menu::Insert,
            DialogCommands::tr("Page &Number..."),
            insertPageNumber,
            CommandNeeds::flowBlock,
            {{QStringLiteral("InsertPageNumberDlg"), pageNumberSample}}};
}
