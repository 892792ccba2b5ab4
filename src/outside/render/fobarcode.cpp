#include "outside/render/fobarcode_p.h"

#include "outside/core/coreexception.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <zint.h>

#include <algorithm>
#include <cmath>

namespace Fo {

namespace {

struct SymbolDeleter
{
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

QString digitsOnly(const QString& value)
{
    // Postal and retail codes are often written with blanks and dashes for reading.
    QString out;
    for (QChar c : value) {
        if (c != u' ' && c != u'-') {
            out += c;
        }
    }
    return out;
}

/// The retail symbologies: the check digit is always computed here, so the
/// digit given in its place is not verified.
QString withoutCheckDigit(const QString& digits, int fullLength)
{
    return digits.size() == fullLength ? digits.left(fullLength - 1) : digits;
}

bool isAllDigits(const QString& value)
{
    return std::all_of(value.begin(), value.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QByteArray fromHex(const QString& value)
{
    QByteArray hex;
    for (QChar c : value) {
        if (c.isSpace()) {
            continue;
        }
        if (!isxdigit(c.toLatin1()) || c.unicode() > 127) {
            throw Core::Exception(
                QStringLiteral("The value is not hexadecimal: \"%1\"").arg(value.left(64)));
        }
        hex += c.toLatin1();
    }
    if (hex.size() % 2 != 0) {
        throw Core::Exception(QStringLiteral("The hexadecimal value has an odd number of digits."));
    }
    return QByteArray::fromHex(hex);
}

} // namespace

std::shared_ptr<Barcode> Barcode::encode(const Options& options)
{
    using Xml::BarcodeType;
    auto barcode = std::make_shared<Barcode>();
    const int rotation = ((options.rotation % 360) + 360) % 360 / 90 * 90;

    if (options.type == BarcodeType::OMR) {
        // Optical marks: a row of bars, one per "1", gaps for "0".
        if (options.value.isEmpty()) {
            throw Core::Exception(QStringLiteral("No input data"));
        }
        const int n = int(options.value.size());
        for (int i = 0; i < n; ++i) {
            const QChar c = options.value[i];
            if (c != u'0' && c != u'1') {
                throw Core::Exception(
                    QStringLiteral("Invalid character in data (\"0\" and \"1\" only)"));
            }
            if (c == u'1') {
                barcode->m_rects.emplace_back(i * 4.0, 0.0, 2.0, 40.0);
            }
        }
        barcode->m_size = QSizeF(n * 4.0 - 2.0, 40.0);
        if (rotation != 0) {
            QTransform t;
            t.rotate(rotation);
            const QRectF bounds = t.mapRect(QRectF(QPointF(0, 0), barcode->m_size));
            for (QRectF& r : barcode->m_rects) {
                r = t.mapRect(r).translated(-bounds.topLeft());
            }
            barcode->m_size = bounds.size();
        }
        return barcode;
    }

    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) {
        throw Core::Exception(QStringLiteral("Out of memory"));
    }
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = options.drawText ? 1 : 0;
    QString value = options.value;
    switch (options.type) {
    case BarcodeType::UpcE:
        symbol->symbology = BARCODE_UPCE;
        value = withoutCheckDigit(digitsOnly(value), 8);
        break;
    case BarcodeType::Ean8:
        symbol->symbology = BARCODE_EANX;
        value = withoutCheckDigit(digitsOnly(value), 8);
        if (value.size() != 7 && isAllDigits(value)) {
            throw Core::Exception(QStringLiteral("EAN-8 takes 7 digits and a check digit."));
        }
        break;
    case BarcodeType::UpcA:
        symbol->symbology = BARCODE_UPCA;
        value = withoutCheckDigit(digitsOnly(value), 12);
        break;
    case BarcodeType::Ean13:
        symbol->symbology = BARCODE_EANX;
        value = withoutCheckDigit(digitsOnly(value), 13);
        if (value.size() != 12 && isAllDigits(value)) {
            throw Core::Exception(QStringLiteral("EAN-13 takes 12 digits and a check digit."));
        }
        break;
    case BarcodeType::DataMatrix:
        symbol->symbology = BARCODE_DATAMATRIX;
        break;
    case BarcodeType::Code3of9:
        symbol->symbology = options.extended ? BARCODE_EXCODE39 : BARCODE_CODE39;
        break;
    case BarcodeType::Code2of5:
        symbol->symbology = BARCODE_C25INTER;
        symbol->option_2 = options.checksum ? 1 : 0;
        break;
    case BarcodeType::Postnet:
        symbol->symbology = BARCODE_POSTNET;
        value = digitsOnly(value);
        break;
    case BarcodeType::Planet:
        symbol->symbology = BARCODE_PLANET;
        value = digitsOnly(value);
        break;
    case BarcodeType::Code128:
        symbol->symbology = BARCODE_CODE128;
        break;
    case BarcodeType::Code128Raw:
        // One code set throughout, as written.
        symbol->symbology = BARCODE_CODE128B;
        break;
    case BarcodeType::Code128UCC:
        // GS1 data with its application identifiers in brackets or parentheses;
        // other text is encoded as plain Code 128.
        if (value.startsWith(u'[')) {
            symbol->symbology = BARCODE_GS1_128;
            symbol->input_mode = GS1_MODE;
        } else if (value.startsWith(u'(')) {
            symbol->symbology = BARCODE_GS1_128;
            symbol->input_mode = GS1_MODE | GS1PARENS_MODE;
        } else {
            symbol->symbology = BARCODE_CODE128;
        }
        break;
    case BarcodeType::Pdf417:
        symbol->symbology = BARCODE_PDF417;
        break;
    case BarcodeType::Aztec:
        symbol->symbology = BARCODE_AZTEC;
        break;
    case BarcodeType::Maxicode:
        symbol->symbology = BARCODE_MAXICODE;
        break;
    case BarcodeType::QRBarcode:
        symbol->symbology = BARCODE_QRCODE;
        break;
    case BarcodeType::IntelligentMail:
        symbol->symbology = BARCODE_USPS_IMAIL;
        break;
    case BarcodeType::OMR:
    case BarcodeType::None:
        throw Core::Exception(QStringLiteral("Unknown barcode type"));
    }

    QByteArray data;
    if (options.hexValue) {
        data = fromHex(value);
        symbol->input_mode = DATA_MODE;
    } else {
        data = value.toUtf8();
    }
    if (data.size() > ZINT_MAX_DATA_LEN) {
        throw Core::Exception(QStringLiteral("Input too long"));
    }
    const int result = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()), int(data.size()),
        rotation);
    if (result >= ZINT_ERROR || !symbol->vector) {
        QString message = QString::fromUtf8(symbol->errtxt).trimmed();
        if (message.isEmpty()) {
            message = QStringLiteral("The value cannot be encoded");
        }
        throw Core::Exception(message);
    }
    const zint_vector* vector = symbol->vector;
    barcode->m_size = QSizeF(vector->width, vector->height);
    for (const zint_vector_rect* r = vector->rectangles; r; r = r->next) {
        barcode->m_rects.emplace_back(r->x, r->y, r->width, r->height);
    }
    for (const zint_vector_hexagon* h = vector->hexagons; h; h = h->next) {
        barcode->m_hexagons.push_back({QPointF(h->x, h->y), h->diameter, h->rotation});
    }
    for (const zint_vector_circle* c = vector->circles; c; c = c->next) {
        barcode->m_circles.push_back({QPointF(c->x, c->y), c->diameter, c->width, c->colour != 0});
    }
    for (const zint_vector_string* s = vector->strings; s; s = s->next) {
        barcode->m_texts.push_back(
            {QPointF(s->x, s->y), s->fsize, s->halign, s->rotation,
             QString::fromUtf8(reinterpret_cast<const char*>(s->text), s->length)});
    }
    return barcode;
}

void Barcode::paint(QPainter& painter, const QRectF& target, const QColor& color) const
{
    if (m_size.isEmpty() || target.isEmpty()) {
        return;
    }
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / m_size.width(), target.height() / m_size.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    for (const QRectF& r : m_rects) {
        painter.drawRect(r);
    }
    if (!m_hexagons.empty()) {
        QPainterPath path;
        for (const Hexagon& h : m_hexagons) {
            // Pointy-topped at rotation 0 and 180, flat-topped at 90 and 270.
            const double radius = h.diameter / 2.0;
            const double start = (h.rotation == 90 || h.rotation == 270) ? 0.0 : 30.0;
            QPolygonF polygon;
            for (int i = 0; i < 6; ++i) {
                const double a = (start + 60.0 * i) * M_PI / 180.0;
                polygon << h.center + QPointF(radius * std::cos(a), radius * std::sin(a));
            }
            path.addPolygon(polygon);
            path.closeSubpath();
        }
        painter.drawPath(path);
    }
    for (const Circle& c : m_circles) {
        const double r = c.diameter / 2.0;
        if (c.width > 0) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(c.background ? QColor(Qt::white) : color, c.width));
            painter.drawEllipse(c.center, r, r);
            painter.setPen(Qt::NoPen);
        } else {
            painter.setBrush(c.background ? QColor(Qt::white) : color);
            painter.drawEllipse(c.center, r, r);
        }
        painter.setBrush(color);
    }
    if (!m_texts.empty()) {
        painter.setPen(color);
        for (const Text& t : m_texts) {
            QFont font(QStringLiteral("Liberation Sans"));
            font.setStyleHint(QFont::SansSerif);
            font.setPixelSize(std::max(1, int(std::lround(t.fontSize))));
            painter.setFont(font);
            painter.save();
            painter.translate(t.position);
            painter.rotate(t.rotation);
            const double width = painter.fontMetrics().horizontalAdvance(t.text);
            const double x = t.halign == 1 ? 0.0 : t.halign == 2 ? -width : -width / 2.0;
            painter.drawText(QPointF(x, 0), t.text);
            painter.restore();
        }
    }
    painter.restore();
}

} // namespace Fo
