#include "gallerycatalog.h"

#include "controlssheet.h"
#include "expandersamples.h"
#include "frame/logdlg.h"
#include "xpathsamples.h"

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
    list.push_back({QStringLiteral("XPathEditDlg"), [] { return makeXPathEditorSample(); }});
    list.push_back({QStringLiteral("XPathCtrl"),
                    [] { return std::unique_ptr<QWidget>(std::make_unique<XPathCtrlSheet>()); }});
    return list;
}
