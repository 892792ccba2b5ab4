#include "commandneeds.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "dialogs/insert/inserthyperlinkdlg.h"
#include "frame/win32constants.h"
#include "gallerysamples.h"
#include "inlineplacement.h"
#include "onestepedit.h"
#include "outside/types/objectid.h"

#include <QLineEdit>

namespace {

void insertHyperlink(DesignerWindow& window)
{
    const SmartPtr<TemplateDocument> document = window.document();
    const InlinePlacement placement(*document, document->selected());
    if (!placement.isValid()) {
        return;
    }
    InsertHyperlinkDlg dialog(SmartPtr<IDocumentInformation>(document), &window);
    dialog.setContext(TemplateDocument::expressionContext(placement.target()));
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    const Core::String markup = dialog.getFeatureXml();
    PropertyValueEx address = dialog.getHyperlinkProperty();
    const QString action = DialogCommands::tr("Insert Hyperlink");
    window.selectObject(placement.target());
    const bool done = editInOneStep(*document, action, [&] {
        const Xml::Element link = document->insertMarkup(markup, placement.position(), action);
        if (!address.isStatic()) {
            // The link keeps its fixed address beside the bound one, for data without it.
            const QString fallback = address.getStaticValue().toQString();
            address.setStaticValue(fallback.isEmpty() ? QString()
                                                      : QStringLiteral("url(%1)").arg(fallback));
            document->setPropertyValue(link, address, action);
        }
    });
    if (done) {
        window.showResult(action, markup.toQString());
    }
}

std::unique_ptr<QWidget> linkSample(const char* title, const char* address, bool dynamic)
{
    PropertyValueEx value("external-destination", ObjectId::generate());
    value.setStaticValue(address);
    if (dynamic) {
        value.setType(PropertyValueType::Dynamic);
        value.setDynamicValue(address);
    }
    auto dialog = std::make_unique<InsertHyperlinkDlg>(
        SmartPtr<IDocumentInformation>(GallerySamples::invoice()), nullptr, value, title);
    dialog->setContext("/invoice");
    return dialog;
}

} // namespace

DialogEntry insertHyperlinkEntry()
{
    return {QStringLiteral("InsertHyperlinkDlg"),
            DialogEntry::Menu::Insert,
            DialogCommands::tr("&Hyperlink..."),
            insertHyperlink,
            CommandNeeds::flowBlock,
            {{QStringLiteral("InsertHyperlinkDlg"),
              [] { return linkSample("Our terms of payment", "url('https://example.com/terms')", false); }},
             {QStringLiteral("InsertHyperlinkDlgBound"),
              [] { return linkSample("<kmb:field xpath=\"customer/name\"/>", "customer/website", true); }},
             {QStringLiteral("InsertHyperlinkDlgComplex"), [] {
                  return linkSample("See <fo:inline font-weight=\"bold\">page 2</fo:inline>",
                                    "https://example.com/invoice/42", false);
              }}}};
}
