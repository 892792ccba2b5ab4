// The view engine on arbitrary bytes as markup: every input loads or fails
// with the error status (or a Core::Exception for a barcode value), page 0,
// when there is one, lays out and paints into a small image, page 4 is laid
// out too (running headers, spans), and the whole document lays out within
// the page limit (keeps, citations, footnotes and forced page counts).
#include "outside/core/coreexception.h"
#include "outside/render/viewengine.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_viewengine";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString markup = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    ViewEngine engine;
    try {
        engine.loadBuffer(markup);
    } catch (const Core::Exception&) {
        if (engine.getStatus() != ViewEngine::StatusError) {
            std::abort(); // a barcode failure must leave the error status
        }
        return 0;
    }
    if (engine.getStatus() == ViewEngine::StatusError && engine.getLastError().isEmpty()) {
        std::abort();
    }
    if (!engine.hasPage(0)) {
        return 0;
    }
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QSizeF page = engine.getPageSize(0);
    if (page.width() > 0 && page.height() > 0) {
        painter.scale(64.0 / page.width(), 64.0 / page.height());
    }
    engine.renderPageStaticPreviewMode(painter, 0);
    painter.end();
    engine.getPageBoxes(0);
    // A few pages more: what goes on across pages (running headers, spans).
    engine.getPageBoxes(4);
    if (engine.getPageCount() > 10000) {
        std::abort(); // the page limit did not hold
    }
    return 0;
}
