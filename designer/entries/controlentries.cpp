#include "controlssheet.h"
#include "dialogentries.h"
#include "expandersamples.h"

namespace {

template <typename Widget, typename... Args>
GalleryShot shotOf(const char* name, Args... args)
{
    return {QString::fromLatin1(name), [args...] { return std::unique_ptr<QWidget>(std::make_unique<Widget>(args...)); }};
}

} // namespace

DialogEntry controlsSheetEntry()
{
    return {QStringLiteral("ControlsSheet"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {shotOf<ControlsSheet>("ControlsSheet")}};
}

DialogEntry dialogExpanderEntry()
{
    return {QStringLiteral("DialogExpander"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {shotOf<ExpanderSampleDlg>("DialogExpander", 1), shotOf<ExpanderSampleDlg>("DialogExpanderFolded", 0)}};
}

DialogEntry textPanelEntry()
{
    return {QStringLiteral("TextPanel"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {shotOf<TextPanelSampleDlg>("TextPanel")}};
}
