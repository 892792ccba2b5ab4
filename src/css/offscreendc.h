#pragma once

#include "outside/cssvalues/colorref.h"
#include "uieditor_export.h"

#include <QImage>
#include <QPainter>
#include <QRect>

/// Flicker-free painting: an OffscreenDC is a painter that draws into an
/// off-screen image covering the paint rectangle, in the target's own
/// coordinates, and copies that image onto the target painter when it is
/// destroyed. Typical use, in a paint handler:
///
///     QPainter paint(this);
///     OffscreenDC dc(paint, event->rect(), RGB(255, 255, 255));
///     dc.drawLine(...); // nothing reaches the window until dc goes out of scope
///
/// The image has the target's device pixel ratio, so drawing stays sharp on
/// high-density screens. Without a background colour the image starts
/// transparent, and what is not drawn leaves the target as it was.
class UIEDITOR_EXPORT OffscreenDC : public QPainter
{
public:
    /// Draws for `paint` over its whole device.
    explicit OffscreenDC(QPainter& paint);
    /// Draws for `paint` over `rect` (target coordinates).
    OffscreenDC(QPainter& paint, const QRect& rect);
    /// As above, the rectangle first filled with `color` (a COLORREF, 0x00BBGGRR).
    OffscreenDC(QPainter& paint, const QRect& rect, COLORREF color);
    OffscreenDC(QPainter& paint, COLORREF color);
    OffscreenDC(const OffscreenDC&) = delete;
    OffscreenDC& operator=(const OffscreenDC&) = delete;
    /// Ends drawing and copies the image to the target at the rectangle's
    /// top-left corner.
    virtual ~OffscreenDC();

    /// The rectangle drawn for, in target coordinates.
    const QRect& paintRect() const { return m_rect; }

private:
    void start(const QColor* background);

    QPainter& m_paint;
    QRect m_rect;
    QImage m_image;
};
