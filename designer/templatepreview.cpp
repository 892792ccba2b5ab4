#include "templatepreview.h"

#include "outside/core/coreexception.h"
#include "outside/core/corefilesystem.h"
#include "sampledataevaluator.h"
#include "templatedocument.h"

#include <QPainter>

namespace {
constexpr int pageGap = 16;
}

TemplatePreview::TemplatePreview(QWidget* parent) : QWidget(parent)
{
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
}

void TemplatePreview::showDocument(TemplateDocument* document)
{
    m_pageSizes.clear();
    m_error.clear();
    if (document) {
        const Core::String folder = Core::IO::FileSystem::getDirectoryName(document->getDocumentPath());
        const SmartPtr<SampleXml> sample = document->getSampleXml();
        std::optional<SampleDataEvaluator> sampleData;
        if (m_showSampleData && sample) {
            sampleData.emplace(*document, sample);
        }
        m_engine.setDataEvaluator(sampleData ? &*sampleData : nullptr);
        try {
            m_engine.loadBuffer(QString::fromUtf8(document->text()), folder);
        } catch (const Core::Exception&) {
            // A barcode value its symbology cannot encode: the engine has
            // recorded why, and the preview says so below.
        }
        m_engine.setDataEvaluator(nullptr);
        if (m_engine.getStatus() == ViewEngine::StatusError) {
            m_error = m_engine.getLastError();
        }
        for (int page = 0; page < maxPages && m_engine.hasPage(page); ++page) {
            m_pageSizes.push_back(m_engine.getPageSize(page));
        }
    }
    updateGeometry();
    adjustSize();
    update();
}

QSize TemplatePreview::sizeHint() const
{
    qreal width = 0;
    qreal height = pageGap;
    for (const QSizeF& size : m_pageSizes) {
        width = qMax(width, size.width());
        height += size.height() + pageGap;
    }
    return m_pageSizes.empty() ? QSize(400, 300) : QSize(int(width) + 2 * pageGap, int(height));
}

void TemplatePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_error.isEmpty()) {
        painter.setPen(palette().color(QPalette::BrightText));
        painter.drawText(rect().adjusted(pageGap, pageGap, -pageGap, -pageGap), Qt::AlignCenter | Qt::TextWordWrap,
                         m_error);
        return;
    }
    qreal y = pageGap;
    for (int page = 0; page < int(m_pageSizes.size()); ++page) {
        const QSizeF size = m_pageSizes[size_t(page)];
        const qreal x = qMax<qreal>(pageGap, (width() - size.width()) / 2);
        painter.save();
        painter.translate(x, y);
        painter.fillRect(QRectF(QPointF(3, 3), size), QColor(0, 0, 0, 60)); // the page's shadow
        painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
        m_engine.renderPageStaticPreviewMode(painter, page);
        painter.restore();
        y += size.height() + pageGap;
    }
}
