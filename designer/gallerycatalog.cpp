#include "gallerycatalog.h"

#include "controlssheet.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "expandersamples.h"
#include "frame/logdlg.h"
#include "templatedocument.h"
#include "xml/xmlviewfindreplacedlg.h"

#include <QFile>
#include <QTabWidget>

namespace {

// The bundled invoice with the bold "Total" line of the totals block selected,
// so that "Apply to" shows a real chain (flow, the totals block, the line).
SmartPtr<TemplateDocument> invoiceWithTotalSelected()
{
    QFile file(QStringLiteral(":/designer/samples/invoice-template.fo"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    SmartPtr<TemplateDocument> document = TemplateDocument::fromText(file.readAll(), "invoice-template.fo");
    const auto totals = document->root().find("//*[@id='totals']");
    if (!totals.empty()) {
        const std::vector<Xml::Element> lines = Xml::Element(totals.front()).get_child_elements();
        if (!lines.empty()) {
            document->select(lines.back());
        }
    }
    return document;
}

std::unique_ptr<QWidget> bordersBackground(int tab)
{
    auto dialog = std::make_unique<BordersBackgroundDlg>(SmartPtr<IDocumentInformation>(invoiceWithTotalSelected()));
    dialog->control<QTabWidget>(4061)->setCurrentIndex(tab);
    return dialog;
}

} // namespace

std::vector<GalleryEntry> GalleryCatalog::entries()
{
    std::vector<GalleryEntry> list;
    list.push_back({QStringLiteral("LogDlg"), [] {
                        auto log = std::make_unique<LogDlg>();
                        log->addMessage("invoice.xml: loaded 42 lines");
                        log->addMessage("invoice.xsd, line 17: the type \"Money\" is not defined");
                        return std::unique_ptr<QWidget>(std::move(log));
                    }});
    list.push_back({QStringLiteral("BordersBackgroundDlg"), [] { return bordersBackground(0); }});
    list.push_back({QStringLiteral("BordersBackgroundDlgBackground"), [] { return bordersBackground(1); }});
    list.push_back({QStringLiteral("BordersBackgroundDlgPadding"), [] { return bordersBackground(2); }});
    list.push_back({QStringLiteral("ControlsSheet"),
                    [] { return std::unique_ptr<QWidget>(std::make_unique<ControlsSheet>()); }});
    list.push_back({QStringLiteral("DialogExpander"), [] {
                        return std::unique_ptr<QWidget>(std::make_unique<ExpanderSampleDlg>(1));
                    }});
    list.push_back({QStringLiteral("DialogExpanderFolded"), [] {
                        return std::unique_ptr<QWidget>(std::make_unique<ExpanderSampleDlg>(0));
                    }});
    list.push_back({QStringLiteral("TextPanel"), [] {
                        return std::unique_ptr<QWidget>(std::make_unique<TextPanelSampleDlg>());
                    }});
    list.push_back({QStringLiteral("XmlViewFindReplaceDlg"), [] {
                        auto dialog = std::make_unique<XmlViewFindReplaceDlg>();
                        dialog->SetRegularExpression(1);
                        dialog->Create(false, "border-(left|right)-color=\"#[0-9a-f]+\"", "border-\\1-color=\"#1f4e79\"",
                                       Win32::FR_DOWN | Win32::FR_MATCHCASE);
                        return std::unique_ptr<QWidget>(std::move(dialog));
                    }});
    list.push_back({QStringLiteral("XmlViewFindReplaceDlgFindOnly"), [] {
                        auto dialog = std::make_unique<XmlViewFindReplaceDlg>();
                        dialog->Create(true, "kmb:field", "", Win32::FR_DOWN | Win32::FR_WHOLEWORD);
                        return std::unique_ptr<QWidget>(std::move(dialog));
                    }});
    return list;
}
