#include "xml/widgets/xmltreeimages_p.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int side = 16;

const QColor outline(0x2b, 0x3f, 0x5c);
const QColor elementFill(0x4f, 0x86, 0xc6);
const QColor elementBack(0xa9, 0xc6, 0xe8);
const QColor attributeFill(0x5a, 0xa8, 0x4f);
const QColor paper(0xfa, 0xfa, 0xf5);
const QColor ink(0x80, 0x80, 0x80);
const QColor link(0xe0, 0x8a, 0x1e);

QPixmap blank(qreal ratio)
{
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A tag: a rounded box with angle brackets, the sign of an element.
void drawTag(QPainter& painter, const QRectF& box, const QColor& fill)
{
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 2, 2);
    painter.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal midY = box.center().y();
    const qreal arm = box.height() / 4;
    const qreal left = box.left() + box.width() * 0.22;
    const qreal right = box.right() - box.width() * 0.22;
    painter.drawPolyline(QPolygonF(
        {QPointF(left + arm, midY - arm), QPointF(left, midY), QPointF(left + arm, midY + arm)}));
    painter.drawPolyline(QPolygonF({QPointF(right - arm, midY - arm), QPointF(right, midY),
                                    QPointF(right - arm, midY + arm)}));
}

void drawDocument(QPainter& painter)
{
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    painter.setPen(QPen(outline, 1));
    painter.setBrush(paper);
    painter.drawPath(page);
}

void drawAttribute(QPainter& painter)
{
    painter.setPen(QPen(outline, 1));
    painter.setBrush(attributeFill);
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5.5, 6.5), QPointF(10.5, 6.5));
    painter.drawLine(QPointF(5.5, 9.5), QPointF(10.5, 9.5));
}

void drawText(QPainter& painter)
{
    drawDocument(painter);
    painter.setPen(QPen(ink, 1));
    for (qreal y : {5.5, 8.0, 10.5, 13.0}) {
        painter.drawLine(QPointF(5.5, y), QPointF(y < 6 ? 9.5 : 11.5, y));
    }
}

void drawRepeated(QPainter& painter)
{
    drawTag(painter, QRectF(3.5, 1.5, 11, 8), elementBack);
    drawTag(painter, QRectF(1.5, 6.5, 11, 8), elementFill);
}

void drawReference(QPainter& painter)
{
    drawTag(painter, QRectF(0.5, 2.5, 13, 9), elementFill);
    // A bent arrow in the corner: the element takes its content from a type.
    painter.setPen(QPen(outline, 1));
    painter.setBrush(link);
    QPainterPath arrow;
    arrow.moveTo(8.5, 15.5);
    arrow.lineTo(8.5, 12.5);
    arrow.lineTo(11.5, 12.5);
    arrow.lineTo(11.5, 10.5);
    arrow.lineTo(15.5, 13.5);
    arrow.lineTo(11.5, 16.0);
    arrow.lineTo(11.5, 15.5);
    arrow.closeSubpath();
    painter.drawPath(arrow);
}

QIcon makeIcon(int number)
{
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap = blank(ratio);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        switch (number) {
        case 0:
            drawDocument(painter);
            break;
        case 1:
            drawAttribute(painter);
            break;
        case 2:
            drawText(painter);
            break;
        case 3:
        case 4:
            drawTag(painter, QRectF(0.5, 3.5, 15, 9), elementFill);
            break;
        case 5:
            drawTag(painter, QRectF(0.5, 3.5, 15, 9), elementBack);
            break;
        case 6:
            drawRepeated(painter);
            break;
        default:
            drawReference(painter);
            break;
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QList<QIcon> XmlTreeImages::create()
{
    QList<QIcon> images;
    for (int number = 0; number < 8; ++number) {
        images.append(makeIcon(number));
    }
    return images;
}
