#include "xml/widgets/xpathediticons_p.h"

#include <functional>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int size = 16;

QIcon drawn(const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

// A rounded tile in `color` with a short white text on it.
QIcon tile(const QColor& color, const QString& text, int pointSize = 7)
{
    return drawn([&](QPainter& painter) {
        painter.setPen(color.darker(130));
        painter.setBrush(color);
        painter.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 3, 3);
        QFont font;
        font.setPixelSize(pointSize + 3);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 1, size, 14), Qt::AlignCenter, text);
    });
}

QIcon elementTile(const QColor& color, int layers)
{
    return drawn([&](QPainter& painter) {
        painter.setPen(color.darker(140));
        for (int layer = layers - 1; layer >= 0; --layer) {
            painter.setBrush(layer == 0 ? color : color.lighter(130));
            painter.drawRoundedRect(QRectF(0.5 + 2 * layer, 3.5 - 2 * layer, 12, 11), 2, 2);
        }
        painter.setPen(QPen(Qt::white, 1.4));
        painter.drawPolyline(QPolygonF({QPointF(5, 6.5), QPointF(3, 9), QPointF(5, 11.5)}));
        painter.drawPolyline(QPolygonF({QPointF(8.5, 6.5), QPointF(10.5, 9), QPointF(8.5, 11.5)}));
    });
}

QIcon curvedArrow(bool mirrored)
{
    return drawn([&](QPainter& painter) {
        if (mirrored) {
            painter.translate(size, 0);
            painter.scale(-1, 1);
        }
        painter.setPen(QPen(QColor(0x1f, 0x4e, 0x79), 2));
        QPainterPath arc;
        arc.moveTo(4, 7);
        arc.cubicTo(7, 3, 14, 4, 13, 10);
        arc.lineTo(12, 13);
        painter.drawPath(arc);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1f, 0x4e, 0x79));
        painter.drawPolygon(QPolygonF({QPointF(1, 4), QPointF(7, 5), QPointF(2, 10)}));
    });
}

} // namespace

QIcon XPathEditIcons::node(int image)
{
    static const QIcon icons[] = {
        drawn([](QPainter& painter) {
            painter.setPen(QColor(0x8a, 0x6d, 0x1e));
            painter.setBrush(QColor(0xf2, 0xc9, 0x4c));
            painter.drawRoundedRect(QRectF(0.5, 3.5, 15, 11), 2, 2);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x5a, 0x45, 0x10));
            painter.drawPolygon(QPolygonF({QPointF(8, 4.5), QPointF(12.5, 9), QPointF(3.5, 9)}));
            painter.drawRect(QRectF(6.5, 9, 3, 4));
        }),
        elementTile(QColor(0x2e, 0x6d, 0xb4), 1),
        tile(QColor(0x3c, 0x8d, 0x40), QStringLiteral("@")),
        tile(QColor(0x75, 0x75, 0x75), QStringLiteral("T")),
        elementTile(QColor(0x2e, 0x6d, 0xb4), 2),
        elementTile(QColor(0x8e, 0x44, 0xad), 1),
    };
    return image >= 0 && image < int(std::size(icons)) ? icons[image] : icons[1];
}

QIcon XPathEditIcons::category()
{
    static const QIcon icon = drawn([](QPainter& painter) {
        painter.setPen(QColor(0x8a, 0x6d, 0x1e));
        painter.setBrush(QColor(0xf2, 0xc9, 0x4c));
        painter.drawRoundedRect(QRectF(0.5, 3.5, 15, 11), 2, 2);
        painter.drawLine(QPointF(0.5, 6.5), QPointF(15.5, 6.5));
    });
    return icon;
}

QIcon XPathEditIcons::function()
{
    static const QIcon icon = tile(QColor(0xc0, 0x62, 0x1e), QStringLiteral("f"), 8);
    return icon;
}

QIcon XPathEditIcons::operation()
{
    static const QIcon icon = tile(QColor(0x55, 0x6b, 0x2f), QStringLiteral("\u00b1"), 8);
    return icon;
}

QIcon XPathEditIcons::constant()
{
    static const QIcon icon = tile(QColor(0x6d, 0x4c, 0x41), QStringLiteral("c"), 8);
    return icon;
}

QIcon XPathEditIcons::variable()
{
    static const QIcon icon = tile(QColor(0x00, 0x79, 0x6b), QStringLiteral("$"), 8);
    return icon;
}

QIcon XPathEditIcons::undo()
{
    static const QIcon icon = curvedArrow(false);
    return icon;
}

QIcon XPathEditIcons::redo()
{
    static const QIcon icon = curvedArrow(true);
    return icon;
}

QIcon XPathEditIcons::check()
{
    static const QIcon icon = drawn([](QPainter& painter) {
        painter.setPen(
            QPen(QColor(0x2e, 0x7d, 0x32), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(
            QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    });
    return icon;
}

QIcon XPathEditIcons::backToContext()
{
    static const QIcon icon = drawn([](QPainter& painter) {
        painter.setPen(QPen(QColor(0xb7, 0x1c, 0x1c), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(8, 8), 6, 6);
        painter.setBrush(QColor(0xb7, 0x1c, 0x1c));
        painter.drawEllipse(QPointF(8, 8), 2, 2);
    });
    return icon;
}
