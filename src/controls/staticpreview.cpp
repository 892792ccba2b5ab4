#include "controls/staticpreview.h"

#include "outside/core/coreexception.h"
#include "outside/core/corestringformatstream.h"

#include <QPainter>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <thread>

StaticPreview::StaticPreview(bool shrink, QWidget* parent) : QWidget(parent), m_shrink(shrink) {}

StaticPreview::~StaticPreview() = default;

void StaticPreview::openFromString(const Core::String& markup)
{
    m_loaded = false;
    m_engine.loadBuffer(markup, Core::String(), this, true);
}

void StaticPreview::openFromFile(const Core::String& path)
{
    m_loaded = false;
    m_engine.loadFile(path, this);
}

void StaticPreview::beginLoad(quint64) {}

void StaticPreview::onProgress(quint64, int) {}

void StaticPreview::endLoad()
{
    if (QThread::currentThread() == thread()) {
        update();
    } else {
        QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
    }
    m_loaded = true;
}

void StaticPreview::beginRelayout() {}

void StaticPreview::endRelayout(int, const QRectF&) {}

void StaticPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect client = rect();
    paint(painter, client, true, m_shrink);
}

void StaticPreview::paint(QPainter& dc, const QRect& rect, bool frame, bool shrink)
{
    dc.fillRect(rect, QColor(128, 128, 128));
    if (frame) {
        dc.save();
        dc.setPen(Qt::black);
        dc.setBrush(Qt::NoBrush);
        dc.drawRect(rect.adjusted(0, 0, -1, -1));
        dc.restore();
    }
    if (m_engine.getStatus() == ViewEngine::StatusError) {
        dc.save();
        dc.setFont(parentWidget() ? parentWidget()->font() : font());
        dc.setPen(Qt::black);
        const QString text = m_engine.getLastError();
        const QRect measured = dc.fontMetrics().boundingRect(
            QRect(0, 0, rect.width(), 100000), Qt::TextWordWrap | Qt::AlignHCenter, text);
        const QRect area = rect.translated(0, (rect.height() - measured.height()) / 2);
        dc.drawText(area, Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, text);
        dc.restore();
        return;
    }
    try {
        if (!m_engine.hasPage(0)) {
            return;
        }
        const QSizeF page = m_engine.getPageSize(0);
        if (page.isEmpty()) {
            return;
        }
        const double sx = std::min(1.0, rect.width() / page.width());
        const double sy = std::min(1.0, rect.height() / page.height());
        double scale = std::min(sx, sy);
        if (shrink) {
            scale *= 0.96;
        }
        const int sw = int(page.width() * scale);
        const int sh = int(page.height() * scale);
        const double ox = (rect.width() - sw) * 0.5;
        const double oy = (rect.height() - sh) * 0.5;
        dc.save();
        // The page sits in `rect`, wherever the rectangle is.
        dc.translate(rect.topLeft());
        const QRect pageRect(int(ox), int(oy), sw, sh);
        dc.fillRect(pageRect, Qt::white);
        dc.setPen(Qt::black);
        dc.setBrush(Qt::NoBrush);
        dc.drawRect(pageRect.adjusted(0, 0, -1, -1));
        dc.setClipRect(pageRect, Qt::IntersectClip);
        dc.translate(ox, oy);
        dc.scale(scale, scale);
        m_engine.renderPageStaticPreviewMode(dc, 0);
        dc.restore();
    } catch (const Core::Exception&) {
        // A page that cannot be drawn leaves the preview as far as it got.
    }
}

Core::String StaticPreview::wrapFragment(const Core::String& markup)
{
    Core::StringFormatStream stream("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\n"
                                    "<kmb:document xmlns:kmb=\"http://www.varnel.com/kmb/1.0\" "
                                    "xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
                                    "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
                                    "xmlns:km=\"http://www.varnel.com/km/1.0\" "
                                    "fo:font-size=\"12pt\" fo:font-family=\"Times\">\n"
                                    "<fo:layout-master-set>\n"
                                    "<fo:simple-page-master master-name=\"all-pages\" "
                                    "page-height=\"{0}px\" page-width=\"{1}px\">\n"
                                    "<fo:region-body region-name=\"xsl-region-body\"/>\n"
                                    "</fo:simple-page-master>\n"
                                    "</fo:layout-master-set>\n"
                                    "<fo:page-sequence master-reference=\"all-pages\">\n"
                                    "<fo:flow flow-name=\"xsl-region-body\">\n"
                                    "{2}\n"
                                    "</fo:flow>\n"
                                    "</fo:page-sequence>\n"
                                    "</kmb:document>\n");
    stream << 152 << 200 << markup;
    return stream.toString();
}

void StaticPreview::renderXmlToDC(const Core::String& markup, bool isFullDocument, QPainter& dc,
                                  const QRect& rect, bool shrink, bool frame)
{
    StaticPreview preview(true);
    preview.openFromString(isFullDocument ? markup : wrapFragment(markup));
    // The engine reports the end of every load; should a report never come,
    // give up after ten seconds rather than hang the caller.
    for (int i = 0; i < 200 && !preview.isLoaded(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    preview.paint(dc, rect, frame, shrink);
}
