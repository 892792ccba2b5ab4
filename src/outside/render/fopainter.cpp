#include "outside/render/fopainter_p.h"

#include "outside/render/fobarcode_p.h"
#include "outside/render/fofont_p.h"
#include "outside/render/foimage_p.h"
#include "outside/render/fotree_p.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <optional>

namespace Fo {

namespace {

QColor shade(const QColor& c, double factor)
{
    return QColor::fromRgbF(float(c.redF() * factor), float(c.greenF() * factor),
                            float(c.blueF() * factor), float(c.alphaF()));
}

QColor tint(const QColor& c, double amount)
{
    return QColor::fromRgbF(float(c.redF() + (1 - c.redF()) * amount),
                            float(c.greenF() + (1 - c.greenF()) * amount),
                            float(c.blueF() + (1 - c.blueF()) * amount), float(c.alphaF()));
}

/// The rectangle a fraction `t` of the way from the outer to the inner edge.
QRectF between(const QRectF& outer, const QRectF& inner, double t)
{
    return QRectF(QPointF(outer.left() + (inner.left() - outer.left()) * t,
                          outer.top() + (inner.top() - outer.top()) * t),
                  QPointF(outer.right() + (inner.right() - outer.right()) * t,
                          outer.bottom() + (inner.bottom() - outer.bottom()) * t));
}

QPolygonF sidePolygon(const QRectF& o, const QRectF& i, int side)
{
    switch (side) {
    case Top:
        return QPolygonF({o.topLeft(), o.topRight(), i.topRight(), i.topLeft()});
    case Right:
        return QPolygonF({o.topRight(), o.bottomRight(), i.bottomRight(), i.topRight()});
    case Bottom:
        return QPolygonF({o.bottomRight(), o.bottomLeft(), i.bottomLeft(), i.bottomRight()});
    default:
        return QPolygonF({o.bottomLeft(), o.topLeft(), i.topLeft(), i.bottomLeft()});
    }
}

void fillBand(QPainter& p, const QRectF& outer, const QRectF& inner, int side, double t0, double t1,
              const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(sidePolygon(between(outer, inner, t0), between(outer, inner, t1), side));
}

void drawSide(QPainter& p, const QRectF& outer, const QRectF& inner, int side,
              const BorderSide& border, const QColor& color)
{
    const double w = border.width;
    // Top and left are lit from above-left; bottom and right are in shadow.
    const bool litSide = side == Top || side == Left;
    const QColor dark = shade(color, 0.5);
    const QColor light = color.lightness() < 40 ? tint(color, 0.55) : color;
    switch (border.style) {
    case BorderStyle::None:
    case BorderStyle::Hidden:
        return;
    case BorderStyle::Solid:
        fillBand(p, outer, inner, side, 0, 1, color);
        return;
    case BorderStyle::Double:
        if (w < 3) {
            fillBand(p, outer, inner, side, 0, 1, color);
        } else {
            fillBand(p, outer, inner, side, 0, 1.0 / 3.0, color);
            fillBand(p, outer, inner, side, 2.0 / 3.0, 1, color);
        }
        return;
    case BorderStyle::Groove:
    case BorderStyle::Ridge: {
        const bool groove = border.style == BorderStyle::Groove;
        const QColor outerColor = (groove == litSide) ? dark : light;
        const QColor innerColor = (groove == litSide) ? light : dark;
        fillBand(p, outer, inner, side, 0, 0.5, outerColor);
        fillBand(p, outer, inner, side, 0.5, 1, innerColor);
        return;
    }
    case BorderStyle::Inset:
        fillBand(p, outer, inner, side, 0, 1, litSide ? dark : light);
        return;
    case BorderStyle::Outset:
        fillBand(p, outer, inner, side, 0, 1, litSide ? light : dark);
        return;
    case BorderStyle::Dotted:
    case BorderStyle::Dashed: {
        // Along the middle of the side, from corner to corner, spaced evenly
        // so that both ends get a whole dot or dash.
        const QRectF mid = between(outer, inner, 0.5);
        const bool horizontal = side == Top || side == Bottom;
        const double fixed = side == Top      ? mid.top()
                             : side == Bottom ? mid.bottom()
                             : side == Left   ? mid.left()
                                              : mid.right();
        if (border.style == BorderStyle::Dotted) {
            const double from = horizontal ? mid.left() : mid.top();
            const double to = horizontal ? mid.right() : mid.bottom();
            const double length = std::max(0.0, to - from);
            const int gaps = std::max(1, int(std::lround(length / (2.0 * w))));
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            for (int k = 0; k <= gaps && k <= 100000; ++k) {
                const double at = from + length * k / gaps;
                p.drawEllipse(horizontal ? QPointF(at, fixed) : QPointF(fixed, at), w / 2.0,
                              w / 2.0);
            }
            return;
        }
        const double from = horizontal ? outer.left() : outer.top();
        const double to = horizontal ? outer.right() : outer.bottom();
        const double length = std::max(0.0, to - from);
        const int dashes = std::max(1, int(std::lround((length + w) / (3.0 * w))));
        const double k = length / (dashes * 2.0 * w + (dashes - 1) * w);
        p.save();
        QPainterPath clip;
        clip.addPolygon(sidePolygon(outer, inner, side));
        p.setClipPath(clip, Qt::IntersectClip);
        QPen pen(color, w);
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({2.0 * k, 1.0 * k});
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawLine(horizontal ? QLineF(from, fixed, to, fixed) : QLineF(fixed, from, fixed, to));
        p.restore();
        return;
    }
    }
}

void drawBorders(QPainter& painter, const QRectF& rect, const std::array<BorderSide, 4>& sides,
                 const std::array<QColor, 4>& colors, unsigned openSides, bool centred)
{
    std::array<double, 4> w{};
    bool any = false;
    for (int s = 0; s < 4; ++s) {
        w[size_t(s)] = (openSides & (1u << s)) ? 0.0 : sides[size_t(s)].effectiveWidth();
        any = any || w[size_t(s)] > 0;
    }
    if (!any) {
        return;
    }
    const QRectF outer =
        centred ? rect.adjusted(-w[Left] / 2, -w[Top] / 2, w[Right] / 2, w[Bottom] / 2) : rect;
    const QRectF inner = outer.adjusted(w[Left], w[Top], -w[Right], -w[Bottom]);
    for (int s = 0; s < 4; ++s) {
        if (w[size_t(s)] > 0) {
            drawSide(painter, outer, inner, s, sides[size_t(s)], colors[size_t(s)]);
        }
    }
}

void drawBackgroundImage(QPainter& painter, const Style& style, const QRectF& box)
{
    const Image* image = style.background.get();
    if (!image || !image->isValid() || box.isEmpty()) {
        return;
    }
    QSizeF size = image->intrinsicSize();
    if (style.backgroundSizeGiven || (image->isSvg() && size.isEmpty())) {
        size = box.size();
    }
    if (size.width() < 0.01 || size.height() < 0.01) {
        return;
    }
    const double x =
        box.left() + (style.backgroundPosH.isPercent
                          ? (box.width() - size.width()) * style.backgroundPosH.value / 100.0
                          : style.backgroundPosH.value);
    const double y =
        box.top() + (style.backgroundPosV.isPercent
                         ? (box.height() - size.height()) * style.backgroundPosV.value / 100.0
                         : style.backgroundPosV.value);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    const bool repeatX =
        style.backgroundRepeat == Repeat::Repeat || style.backgroundRepeat == Repeat::RepeatX;
    const bool repeatY =
        style.backgroundRepeat == Repeat::Repeat || style.backgroundRepeat == Repeat::RepeatY;
    if (!repeatX && !repeatY) {
        image->paint(painter, QRectF(QPointF(x, y), size));
        painter.restore();
        return;
    }
    // Tiles through a texture brush: one draw however many tiles there are.
    const QSize tileSize(std::max(1, int(std::ceil(size.width()))),
                         std::max(1, int(std::ceil(size.height()))));
    if (tileSize.width() > 4096 || tileSize.height() > 4096) {
        image->paint(painter, QRectF(QPointF(x, y), size));
        painter.restore();
        return;
    }
    QImage tile(tileSize, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    {
        QPainter tp(&tile);
        tp.setRenderHint(QPainter::SmoothPixmapTransform);
        image->paint(tp, QRectF(QPointF(0, 0), size));
    }
    QBrush brush(tile);
    brush.setTransform(QTransform::fromTranslate(x, y));
    QRectF area = box;
    if (!repeatX) {
        area.setLeft(x);
        area.setWidth(size.width());
    }
    if (!repeatY) {
        area.setTop(y);
        area.setHeight(size.height());
    }
    painter.fillRect(area.intersected(box), brush);
    painter.restore();
}

void drawShadow(QPainter& painter, const Style& style, const QRectF& border,
                const QRectF& paddingBox)
{
    const Shadow& sh = style.shadow;
    const QColor color = sh.color.isValid() ? sh.color : style.color;
    painter.save();
    painter.setPen(Qt::NoPen);
    if (!sh.inset) {
        const QRectF r =
            border.translated(sh.dx, sh.dy).adjusted(-sh.spread, -sh.spread, sh.spread, sh.spread);
        if (sh.blur <= 0.5) {
            painter.setBrush(color);
            painter.drawRect(r);
        } else {
            // A few translucent layers stand in for a Gaussian blur.
            const int steps = 6;
            QColor layer = color;
            layer.setAlphaF(color.alphaF() / steps * 1.5f);
            painter.setBrush(layer);
            for (int i = 0; i < steps; ++i) {
                const double grow = sh.blur / 2.0 - sh.blur * i / steps;
                painter.drawRoundedRect(r.adjusted(-grow, -grow, grow, grow), sh.blur / 2.0,
                                        sh.blur / 2.0);
            }
        }
    } else {
        QPainterPath path;
        path.addRect(paddingBox);
        QPainterPath hole;
        hole.addRect(paddingBox.translated(sh.dx, sh.dy)
                         .adjusted(sh.spread, sh.spread, -sh.spread, -sh.spread));
        painter.setClipRect(paddingBox, Qt::IntersectClip);
        painter.setBrush(color);
        painter.drawPath(path.subtracted(hole));
    }
    painter.restore();
}

void paintBox(QPainter& painter, const PaintItem& item)
{
    const Style& s = *item.style;
    if (!s.hasBoxDecoration() && !item.borders) {
        return;
    }
    std::array<BorderSide, 4> sides = item.borders ? *item.borders : s.border;
    std::array<QColor, 4> colors;
    for (int i = 0; i < 4; ++i) {
        colors[size_t(i)] =
            item.borders ? (sides[size_t(i)].color.isValid() ? sides[size_t(i)].color : s.color)
                         : s.borderColor(i);
    }
    if (item.noBorders) {
        for (BorderSide& side : sides) {
            side.style = BorderStyle::None;
        }
    }
    const bool centred = item.borders != nullptr;
    QRectF paddingBox = item.rect;
    if (!centred) {
        const auto w = [&](int side) {
            return (item.openSides & (1u << side)) ? 0.0 : sides[size_t(side)].effectiveWidth();
        };
        paddingBox = item.rect.adjusted(w(Left), w(Top), -w(Right), -w(Bottom));
    }
    if (s.shadow.present && !s.shadow.inset) {
        drawShadow(painter, s, item.rect, paddingBox);
    }
    if (s.backgroundColor.isValid() && s.backgroundColor.alpha() > 0) {
        painter.fillRect(paddingBox, s.backgroundColor);
    }
    if (s.background) {
        drawBackgroundImage(painter, s, paddingBox);
    }
    if (s.shadow.present && s.shadow.inset) {
        drawShadow(painter, s, item.rect, paddingBox);
    }
    drawBorders(painter, item.rect, sides, colors, item.openSides, centred);
}

QFont fontFor(const FontInfo& info, double deviceScale, double extraWordSpacing)
{
    QFont font = info.font;
    if (deviceScale != 1.0) {
        font.setPointSizeF(font.pointSizeF() * deviceScale);
    }
    if (extraWordSpacing != 0.0) {
        font.setWordSpacing(font.wordSpacing() + extraWordSpacing * deviceScale);
    }
    return font;
}

void drawDecoration(QPainter& painter, Decoration decoration, double x1, double x2, double y,
                    double thickness, const QColor& color)
{
    if (decoration == Decoration::None || x2 <= x1) {
        return;
    }
    QPen pen(color, thickness);
    pen.setCapStyle(Qt::FlatCap);
    if (decoration == Decoration::Dotted) {
        pen.setDashPattern({1.0, 1.5});
    } else if (decoration == Decoration::Dashed) {
        pen.setDashPattern({4.0, 2.0});
    }
    painter.setPen(pen);
    if (decoration == Decoration::Double) {
        painter.drawLine(QPointF(x1, y - thickness), QPointF(x2, y - thickness));
        painter.drawLine(QPointF(x1, y + thickness), QPointF(x2, y + thickness));
    } else {
        painter.drawLine(QPointF(x1, y), QPointF(x2, y));
    }
}

void paintText(QPainter& painter, const PaintItem& item, double deviceScale)
{
    const Style& s = *item.style;
    const FontInfo& f = *item.font;
    painter.setFont(fontFor(f, deviceScale, item.wordSpacing));
    painter.setPen(s.color);
    painter.drawText(QPointF(item.rect.left(), item.baseline), item.text);
    const double x1 = item.rect.left();
    // Decorations end at the last glyph, not after a trailing blank.
    double x2 = item.rect.right();
    if (item.text.endsWith(u' ')) {
        x2 -= f.spaceWidth + item.wordSpacing;
    }
    const FontInfo& d = item.decorationFont ? *item.decorationFont : f;
    const double t = d.lineWidth;
    drawDecoration(painter, s.underline, x1, x2, item.baseline + d.underlinePos + t / 2, t,
                   s.underlineColor.isValid() ? s.underlineColor : s.color);
    drawDecoration(painter, s.overline, x1, x2, item.baseline - d.ascent + t, t,
                   s.overlineColor.isValid() ? s.overlineColor : s.color);
    drawDecoration(painter, s.lineThrough, x1, x2, item.baseline - d.strikeOutPos, t,
                   s.lineThroughColor.isValid() ? s.lineThroughColor : s.color);
}

void paintLeader(QPainter& painter, const PaintItem& item, double deviceScale)
{
    const Node* node = item.node;
    if (!node || (!node->leaderDots && !node->leaderRule) || item.rect.width() <= 0) {
        return;
    }
    if (node->leaderRule) {
        // A rule of its thickness, its middle at a third of the ascent.
        const double y = item.baseline - item.font->ascent / 3.0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(item.style->color);
        painter.drawRect(QRectF(item.rect.left(), y - node->ruleThickness / 2.0, item.rect.width(),
                                node->ruleThickness));
        painter.setBrush(Qt::NoBrush);
        return;
    }
    // Dots: the font's full stop, repeated every pattern width.
    const QString dot = QStringLiteral(".");
    const double dotWidth = std::max(0.5, item.font->width(dot));
    const double step = std::max(dotWidth, node->leaderPatternWidth);
    const int count = int(std::min(10000.0, std::floor(item.rect.width() / step)));
    painter.setFont(fontFor(*item.font, deviceScale, 0.0));
    painter.setPen(item.style->color);
    if (step == dotWidth) {
        painter.drawText(QPointF(item.rect.left(), item.baseline), dot.repeated(count));
        return;
    }
    for (int i = 0; i < count; ++i) {
        painter.drawText(QPointF(item.rect.left() + i * step, item.baseline), dot);
    }
}

} // namespace

void paintPage(QPainter& painter, const Page& page)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setClipRect(QRectF(QPointF(0, 0), page.size), Qt::IntersectClip);
    // Fonts were measured for 96 dpi; a device of another resolution gets
    // them resized so that the page keeps its size in pixels.
    const QPaintDevice* device = painter.device();
    const int dpi = device ? device->logicalDpiY() : 96;
    const double deviceScale = dpi > 0 ? 96.0 / dpi : 1.0;
    for (const PaintItem& listed : page.items) {
        // Turned and clipped items paint in a frame of their own.
        const bool framed = listed.turns != 0 || !listed.clip.isNull();
        std::optional<PaintItem> turned;
        if (framed) {
            painter.save();
            if (!listed.clip.isNull()) {
                painter.setClipRect(listed.clip, Qt::IntersectClip);
            }
            if (listed.turns != 0) {
                const QPointF centre = listed.rect.center();
                painter.translate(centre);
                painter.rotate(-90.0 * listed.turns);
                painter.translate(-centre);
                turned.emplace(listed);
                turned->rect = listed.unturnedRect();
            }
        }
        const PaintItem& item = turned ? *turned : listed;
        switch (item.kind) {
        case PaintItem::Box:
            if (item.style) {
                paintBox(painter, item);
            }
            break;
        case PaintItem::Text:
            if (item.style && item.font && !item.text.isEmpty()) {
                paintText(painter, item, deviceScale);
            }
            break;
        case PaintItem::Image:
            if (item.node && item.node->image) {
                item.node->image->paint(painter, item.rect);
            }
            break;
        case PaintItem::Barcode:
            if (item.node && item.node->barcode) {
                item.node->barcode->paint(painter, item.rect,
                                          item.style ? item.style->color : QColor(Qt::black));
            }
            break;
        case PaintItem::Leader:
            if (item.style && item.font) {
                paintLeader(painter, item, deviceScale);
            }
            break;
        }
        if (framed) {
            painter.restore();
        }
    }
    painter.restore();
}

} // namespace Fo
