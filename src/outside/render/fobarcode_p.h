#pragma once

#include "outside/cssvalues/xmlbarcodetype.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

namespace Fo {

/// One encoded barcode symbol, kept as vector shapes so it paints sharply at
/// any size. Encoding is done by zint's C library; OMR marks are drawn here.
class Barcode
{
public:
    struct Options
    {
        Xml::BarcodeType type = Xml::BarcodeType::None;
        QString value;
        bool hexValue = false; ///< the value is hexadecimal bytes (PDF417)
        bool drawText = true;  ///< human-readable text under linear symbols
        int rotation = 0;      ///< 0, 90, 180 or 270, clockwise
        bool checksum = false; ///< 2 of 5: add a check digit
        bool extended = false; ///< 3 of 9: full ASCII
    };

    /// Encodes the value. Raises Core::Exception with zint's message when the
    /// symbology cannot encode it (letters in EAN-13, too long, empty...).
    static std::shared_ptr<Barcode> encode(const Options& options);

    /// The symbol's size in its own units, after rotation; only its proportions matter.
    QSizeF naturalSize() const { return m_size; }
    /// Paints the symbol stretched into `target` in `color`.
    void paint(QPainter& painter, const QRectF& target, const QColor& color) const;

private:
    struct Text
    {
        QPointF position;
        double fontSize = 0;
        int halign = 0; ///< 0 centre, 1 left, 2 right
        int rotation = 0;
        QString text;
    };
    struct Hexagon
    {
        QPointF center;
        double diameter = 0;
        int rotation = 0;
    };
    struct Circle
    {
        QPointF center;
        double diameter = 0;
        double width = 0;
        bool background = false;
    };

    QSizeF m_size;
    std::vector<QRectF> m_rects;
    std::vector<Hexagon> m_hexagons;
    std::vector<Circle> m_circles;
    std::vector<Text> m_texts;
};

} // namespace Fo
