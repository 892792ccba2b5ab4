#include "gallerycatalog.h"

#include "controlssheet.h"
#include "frame/logdlg.h"

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
    return list;
}
