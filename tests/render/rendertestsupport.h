#pragma once

#include "outside/core/iprogressmonitor.h"
#include "outside/render/viewengine.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <vector>

namespace RenderTest {

/// A document with one simple page master; `flow` is the flow's content.
inline QString
document(const QString& flow, int width = 400, int height = 300, const QString& body = QString(),
         const QString& root = QStringLiteral("font-family=\"Times\" font-size=\"12pt\""))
{
    return QStringLiteral(
               "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
               "xmlns:km=\"http://www.varnel.com/km/1.0\" "
               "xmlns:kmb=\"http://www.varnel.com/kmb/1.0\" %5>"
               "<fo:layout-master-set><fo:simple-page-master master-name=\"p\" page-width=\"%1px\" "
               "page-height=\"%2px\"><fo:region-body "
               "%3/></fo:simple-page-master></fo:layout-master-set>"
               "<fo:page-sequence master-reference=\"p\"><fo:flow flow-name=\"xsl-region-body\">%4"
               "</fo:flow></fo:page-sequence></fo:root>")
        .arg(width)
        .arg(height)
        .arg(body, flow, root);
}

inline std::vector<ViewLayoutBox> boxesOf(ViewEngine& engine, int page, ViewLayoutBox::Kind kind)
{
    std::vector<ViewLayoutBox> out;
    for (const ViewLayoutBox& box : engine.getPageBoxes(page)) {
        if (box.kind == kind) {
            out.push_back(box);
        }
    }
    return out;
}

/// The first text run containing `text` on a page, or an empty box.
inline ViewLayoutBox textBox(ViewEngine& engine, int page, const QString& text)
{
    for (const ViewLayoutBox& box : boxesOf(engine, page, ViewLayoutBox::Kind::Text)) {
        if (box.text.toQString().contains(text)) {
            return box;
        }
    }
    return ViewLayoutBox();
}

/// All text of a page, runs joined in painting order.
inline QString pageText(ViewEngine& engine, int page)
{
    QString all;
    for (const ViewLayoutBox& box : boxesOf(engine, page, ViewLayoutBox::Kind::Text)) {
        all += box.text.toQString();
    }
    return all;
}

/// Page `page` painted at its own size on white.
inline QImage renderPage(ViewEngine& engine, int page = 0)
{
    const QSize size = engine.getPageSize(page).toSize();
    QImage image(size.isEmpty() ? QSize(1, 1) : size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    engine.renderPageStaticPreviewMode(painter, page);
    painter.end();
    return image;
}

inline bool isInk(QRgb pixel)
{
    return qRed(pixel) < 200 || qGreen(pixel) < 200 || qBlue(pixel) < 200;
}

/// Pixels of `rect` that are not near-white.
inline int inkIn(const QImage& image, const QRect& rect)
{
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            count += isInk(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

/// Records what the engine reports.
class RecordingMonitor : public IProgressMonitor
{
public:
    int begins = 0;
    int ends = 0;
    quint64 size = 0;
    void beginLoad(quint64 s) override
    {
        ++begins;
        size = s;
    }
    void onProgress(quint64, int) override {}
    void endLoad() override { ++ends; }
    void beginRelayout() override {}
    void endRelayout(int, const QRectF&) override {}
};

} // namespace RenderTest
