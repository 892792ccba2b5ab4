#include "dialogs/insert/barcodemarkup.h"

#include "outside/core/namespaces.h"
#include "outside/xslfo/xslforulercontext.h"

#include <array>

namespace {

constexpr double PreviewPageHeight = 200;
constexpr double PreviewPageWidth = 540;
constexpr double PreviewBarcodeHeight = 175;
// Leaves the cell's or container's border and rounding room around the symbol.
constexpr double RulerShare = 0.98;

// Indexed by symbology code - 1.
constexpr std::array<const char16_t*, 18> DefaultValues{{
    u"04252614",
    u"04210009",
    u"075-67 816 4125",
    u"0075676164125",
    u"Hello World!",
    u"EMPTY BARCODE TEXT",
    u"1234",
    u"12345-6789 01",
    u"1234-6789 01",
    u"Hello World!",
    u"h(ELLO",
    u"Hello World!",
    u"11111111000111111111",
    u"Hello World!",
    u"Hello World!",
    u"Hello World!",
    u"Hello World!",
    u"01234567094987654321-01234567891",
}};

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

QString pixels(double value)
{
    return QString::number(value, 'g', 10);
}

} // namespace

Core::String BarcodeMarkup::defaultValue(Xml::BarcodeType type)
{
    const int code = int(type);
    return code >= 1 && code <= int(DefaultValues.size())
               ? Core::String(DefaultValues[size_t(code - 1)])
               : Core::String();
}

Core::String BarcodeMarkup::escapeAttribute(const Core::String& text)
{
    QString out;
    const QString& in = text.toQString();
    out.reserve(in.size());
    for (char32_t c : in.toUcs4()) {
        switch (c) {
        case U'&':
            out += QLatin1String("&amp;");
            break;
        case U'<':
            out += QLatin1String("&lt;");
            break;
        case U'>':
            out += QLatin1String("&gt;");
            break;
        case U'"':
            out += QLatin1String("&quot;");
            break;
        // A parser turns raw line breaks and tabs in attributes into blanks.
        case U'\n':
            out += QLatin1String("&#10;");
            break;
        case U'\r':
            out += QLatin1String("&#13;");
            break;
        case U'\t':
            out += QLatin1String("&#9;");
            break;
        default:
            if (allowedInXml(c)) {
                out += QString::fromUcs4(&c, 1);
            }
        }
    }
    return out;
}

Core::String BarcodeMarkup::previewDocument(const BarcodeSettings& settings)
{
    const Core::String keyword = Xml::BarcodeTypes::getKeyword(settings.type);
    if (keyword.toQString().isEmpty()) {
        return Core::String();
    }
    QString standard =
        QStringLiteral("fo:scaling=\"uniform\" fo:height=\"%1px\" km:type=\"%2\" km:value=\"%3\" "
                       "km:draw-text=\"%4\" km:rotation=\"%5\"");
    standard = standard.arg(pixels(PreviewBarcodeHeight), keyword.toQString(),
                            escapeAttribute(settings.value.getStaticValue()).toQString(),
                            escapeAttribute(settings.drawText).toQString(),
                            QString::number(settings.rotation));
    QString attributes;
    if (settings.type == Xml::BarcodeType::Code2of5) {
        attributes = QStringLiteral("include-checksum=\"false\" ") + standard;
    } else if (settings.type == Xml::BarcodeType::Code3of9) {
        attributes = QStringLiteral("extended=\"true\" ") + standard;
    } else {
        attributes =
            standard + QStringLiteral("  km:value-type=\"%1\"")
                           .arg(settings.hexValue ? QLatin1String("hex") : QLatin1String("text"));
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\n"
                          "<fo:root xmlns:fo=\"%1\" font-family=\"Times\" font-size=\"12pt\">\n"
                          "<fo:layout-master-set>\n"
                          "<fo:simple-page-master master-name=\"all-pages\" page-height=\"%2px\" "
                          "page-width=\"%3px\">\n"
                          "<fo:region-body region-name=\"xsl-region-body\"/>\n"
                          "</fo:simple-page-master>\n"
                          "</fo:layout-master-set>\n"
                          "<fo:page-sequence master-reference=\"all-pages\">\n"
                          "<fo:flow flow-name=\"xsl-region-body\">\n"
                          "<fo:block text-align=\"center\" padding=\"10px\">\n"
                          "<km:barcode xmlns:km=\"%4\" %5/>\n"
                          "&#x00A0;\n"
                          "</fo:block>\n"
                          "</fo:flow>\n"
                          "</fo:page-sequence>\n"
                          "</fo:root>\n")
        .arg(QLatin1String(Xml::Namespaces::FO), pixels(PreviewPageHeight),
             pixels(PreviewPageWidth), QLatin1String(Xml::Namespaces::KM), attributes);
}

Core::String BarcodeMarkup::element(const BarcodeSettings& settings, PropertyCollection& properties,
                                    const XSLFO::RulerContext* ruler)
{
    QString xml =
        QStringLiteral("<km:barcode xmlns:km=\"%1\" ").arg(QLatin1String(Xml::Namespaces::KM));
    properties.removePropertyByName("xmlns:km");

    const QString keyword = Xml::BarcodeTypes::getKeyword(settings.type).toQString();
    const QString valueType = settings.type == Xml::BarcodeType::Pdf417 && settings.hexValue
                                  ? QStringLiteral("km:value-type=\"hex\"")
                                  : QString();

    QString size;
    if (ruler) {
        const int kind = ruler->getKind();
        if ((kind == 6 || kind == 7) && !ruler->getHeights().empty()) {
            size = QStringLiteral(" fo:content-height=\"%1px\"")
                       .arg(pixels(RulerShare * ruler->getHeights().front()));
            properties.removePropertyByName("fo:content-height");
        } else if ((kind == 4 || kind == 5) && !ruler->getWidths().empty()) {
            size = QStringLiteral(" fo:content-width=\"%1px\"")
                       .arg(pixels(RulerShare * ruler->getWidths().front()));
            properties.removePropertyByName("fo:content-width");
        }
    }

    const QString id = settings.value.isStatic()
                           ? QString()
                           : QStringLiteral("fo:id=\"%1\"")
                                 .arg(escapeAttribute(settings.value.getObjectId()).toQString());

    QString body =
        QStringLiteral(
            "km:type=\"%1\" km:value=\"%2\" km:draw-text=\"%3\" km:rotation=\"%4\" %5 %6 %7")
            .arg(keyword, escapeAttribute(settings.value.getStaticValue()).toQString(),
                 escapeAttribute(settings.drawText).toQString(), QString::number(settings.rotation),
                 valueType, id, properties.getPropertiesString().toQString());
    if (settings.type == Xml::BarcodeType::Code2of5 &&
        !body.contains(QLatin1String("include-checksum"))) {
        body += QStringLiteral(" include-checksum=\"false\"");
    }
    xml += body + size + QStringLiteral("/>");
    return xml;
}
