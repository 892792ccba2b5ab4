#include "bundledsamples.h"
#include "designerwindow.h"
#include "dialogentries.h"
#include "recentfiles.h"
#include "templatepreview.h"

#include <QAction>
#include <QSignalBlocker>
#include <QTemporaryDir>

namespace {

// The designer on the invoice, its fields showing the sample's values. The
// picture leaves the user's settings and recent templates as they were.
std::unique_ptr<QWidget> designerOnTheInvoice()
{
    auto window = std::make_unique<DesignerWindow>();
    window->resize(1400, 1000); // room for the invoice's lines and totals
    {
        const QSignalBlocker quiet(window->showSampleDataAction());
        window->showSampleDataAction()->setChecked(true);
    }
    window->preview()->setShowSampleData(true);
    const QTemporaryDir folder; // the invoice is read at once: the copy may go afterwards
    const QString path = BundledSamples::install(folder.path());
    window->openTemplate(path);
    RecentFiles::remove(path);
    return window;
}

} // namespace

DialogEntry designerWindowEntry()
{
    return {QStringLiteral("DesignerWindow"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {{QStringLiteral("DesignerWindow"), designerOnTheInvoice}}};
}
