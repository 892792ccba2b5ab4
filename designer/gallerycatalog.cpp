#include "gallerycatalog.h"

#include "controlssheet.h"
#include "expandersamples.h"
#include "frame/logdlg.h"
#include "xml/xmlviewfindreplacedlg.h"

std::vector<GalleryEntry> GalleryCatalog::entries()
{
    std::vector<GalleryEntry> list;
    list.push_back({QStringLiteral("LogDlg"), [] {
                        auto log = std::make_unique<LogDlg>();
                        log->addMessage("invoice.xml: loaded 42 lines");
                        log->addMessage("invoice.xsd, line 17: the type \"Money\" is not defined");
                        return std::unique_ptr<QWidget>(std::move(log));
                    }});
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
