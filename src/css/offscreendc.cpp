#include "css/offscreendc.h"

#include <QPaintDevice>

namespace {

QRect deviceRect(const QPainter& paint)
{
    const QPaintDevice* device = paint.device();
    return device ? QRect(0, 0, device->width(), device->height()) : QRect();
}

QColor fromColorRef(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

} // namespace

OffscreenDC::OffscreenDC(QPainter& paint) : m_paint(paint), m_rect(deviceRect(paint))
{
    start(nullptr);
}

OffscreenDC::OffscreenDC(QPainter& paint, const QRect& rect) : m_paint(paint), m_rect(rect)
{
    start(nullptr);
}

OffscreenDC::OffscreenDC(QPainter& paint, const QRect& rect, COLORREF color)
    : m_paint(paint), m_rect(rect)
{
    const QColor background = fromColorRef(color);
    start(&background);
}

OffscreenDC::OffscreenDC(QPainter& paint, COLORREF color)
    : m_paint(paint), m_rect(deviceRect(paint))
{
    const QColor background = fromColorRef(color);
    start(&background);
}

void OffscreenDC::start(const QColor* background)
{
    m_rect = m_rect.normalized();
    const QPaintDevice* device = m_paint.device();
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    if (m_rect.isEmpty()) {
        return; // nothing to draw for: the painter stays inactive
    }
    m_image = QImage(m_rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    if (m_image.isNull()) {
        return; // too large to allocate: drawing goes nowhere
    }
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(background ? *background : QColor(Qt::transparent));
    begin(&m_image);
    // Drawing uses the target's coordinates.
    translate(-m_rect.topLeft());
}

OffscreenDC::~OffscreenDC()
{
    if (isActive()) {
        end();
    }
    if (m_image.isNull() || !m_paint.isActive()) {
        return;
    }
    m_paint.save();
    m_paint.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_paint.drawImage(m_rect.topLeft(), m_image);
    m_paint.restore();
}
