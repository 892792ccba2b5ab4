#pragma once

// The documents the dialogs hand to their previews, built the way the dialogs
// build them, for the render tests, the preview gallery and the benchmark.

#include <QString>
#include <QStringList>

namespace PreviewSamples {

inline QString rootOpen(const QString& rootAttributes)
{
    return QStringLiteral("<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
                          "xmlns:kmb=\"http://www.varnel.com/kmb/1.0\" "
                          "xmlns:km=\"http://www.varnel.com/km/1.0\" "
                          "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
                          "xmlns:zc=\"http://www.varnel.com/2008/zc\" "
                          "xmlns:svg=\"http://www.w3.org/2000/svg\" %1>\n")
        .arg(rootAttributes);
}

inline QString simpleMaster(int heightPx, int widthPx, const QString& bodyAttributes)
{
    return QStringLiteral("<fo:layout-master-set>\n"
                          "<fo:simple-page-master master-name=\"all-pages\" page-height=\"%1px\" "
                          "page-width=\"%2px\">\n"
                          "<fo:region-body region-name=\"xsl-region-body\" %3/>\n"
                          "</fo:simple-page-master>\n"
                          "</fo:layout-master-set>\n")
        .arg(heightPx)
        .arg(widthPx)
        .arg(bodyAttributes);
}

/// The borders and background preview: attributes on the flow, the block or the inline.
inline QString borders(const QString& flow, const QString& block, const QString& inlineAttributes,
                       const QString& word = QStringLiteral("Sample"))
{
    QString doc = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\"?>\n") +
                  rootOpen(QStringLiteral("fo:font-family=\"Times\" fo:font-size=\"12pt\"")) +
                  simpleMaster(265, 250, QStringLiteral("margin=\"15px\"")) +
                  QStringLiteral("<fo:page-sequence master-reference=\"all-pages\">\n"
                                 "<fo:flow flow-name=\"xsl-region-body\" %1>\n"
                                 "<fo:block %2>%4 <fo:inline %3>%4.</fo:inline> %4.</fo:block>\n")
                      .arg(flow, block, inlineAttributes, word);
    for (int i = 0; i < 9; ++i) {
        doc += QStringLiteral("<fo:block>&#x00A0;</fo:block>\n");
    }
    return doc + QStringLiteral("</fo:flow>\n</fo:page-sequence>\n</fo:root>\n");
}

/// The font dialog's preview: one block of the sample word.
inline QString font(const QString& block, const QString& word = QStringLiteral("Sample"))
{
    return rootOpen(QStringLiteral("font-family=\"Times\" font-size=\"12pt\"")) +
           simpleMaster(120, 660, QStringLiteral("margin=\"15px\"")) +
           QStringLiteral("<fo:page-sequence master-reference=\"all-pages\"><fo:flow "
                          "flow-name=\"xsl-region-body\">"
                          "<fo:block %1>%2</fo:block></fo:flow></fo:page-sequence></fo:root>")
               .arg(block, word);
}

/// The paragraph dialog's preview: the sample word ten times over, no separators.
inline QString paragraph(const QString& block, const QString& word = QStringLiteral("Sample"))
{
    return rootOpen(QStringLiteral("font-family=\"Times\" font-size=\"12pt\"")) +
           simpleMaster(120, 360, QStringLiteral("margin=\"15px\"")) +
           QStringLiteral("<fo:page-sequence master-reference=\"all-pages\"><fo:flow "
                          "flow-name=\"xsl-region-body\">"
                          "<fo:block %1>%2</fo:block></fo:flow></fo:page-sequence></fo:root>")
               .arg(block, word.repeated(10));
}

/// A 3 × 3 table as the table dialog previews a predefined format: header,
/// body and footer rows labelled, proportional columns, collapsed borders.
inline QString table()
{
    QString t = QStringLiteral(
        "<fo:table width=\"100%\" border-collapse=\"collapse\" table-layout=\"fixed\" "
        "border=\"1pt solid rgb(68,84,106)\">");
    for (int n = 1; n <= 3; ++n) {
        t += QStringLiteral("<fo:table-column column-width=\"proportional-column-width(33.333)\" "
                            "column-number=\"%1\"/>")
                 .arg(n);
    }
    const auto section = [](const QString& name, const QString& label, int rows, int& counter,
                            const QString& cellStyle) {
        QString s = QStringLiteral("<fo:table-%1>").arg(name);
        for (int r = 0; r < rows; ++r) {
            s += QStringLiteral("<fo:table-row display-align=\"center\">");
            for (int c = 0; c < 3; ++c) {
                s += QStringLiteral(
                         "<fo:table-cell padding=\"3px\" border=\"0.75pt solid rgb(68,84,106)\" %1>"
                         "<fo:block>%2 %3</fo:block></fo:table-cell>")
                         .arg(cellStyle, label)
                         .arg(counter++);
            }
            s += QStringLiteral("</fo:table-row>");
        }
        return s + QStringLiteral("</fo:table-%1>").arg(name);
    };
    int heading = 1, item = 1, footer = 1;
    t += section(
        QStringLiteral("header"), QStringLiteral("Heading"), 1, heading,
        QStringLiteral("background-color=\"rgb(68,84,106)\" color=\"white\" font-weight=\"bold\""));
    t += section(QStringLiteral("footer"), QStringLiteral("Footer"), 1, footer,
                 QStringLiteral("background-color=\"rgb(221,226,234)\" font-style=\"italic\""));
    t += section(QStringLiteral("body"), QStringLiteral("Item"), 3, item, QString());
    t += QStringLiteral("</fo:table>");
    return rootOpen(QStringLiteral("font-family=\"Times\" font-size=\"10pt\"")) +
           simpleMaster(265, 250, QStringLiteral("margin=\"15px\"")) +
           QStringLiteral("<fo:page-sequence master-reference=\"all-pages\"><fo:flow "
                          "flow-name=\"xsl-region-body\">") +
           t + QStringLiteral("</fo:flow></fo:page-sequence></fo:root>");
}

/// The barcode dialog's preview document.
inline QString barcode(const QString& keyword, const QString& value, bool drawText = true,
                       int rotation = 0, bool hex = false)
{
    QString attributes =
        QStringLiteral("fo:scaling=\"uniform\" fo:height=\"175px\" km:type=\"%1\" km:value=\"%2\" "
                       "km:draw-text=\"%3\" km:rotation=\"%4\"")
            .arg(keyword, value.toHtmlEscaped(),
                 drawText ? QStringLiteral("true") : QStringLiteral("false"))
            .arg(rotation);
    if (keyword == QLatin1String("2of5")) {
        attributes = QStringLiteral("include-checksum=\"false\" ") + attributes;
    } else if (keyword == QLatin1String("3of9")) {
        attributes = QStringLiteral("extended=\"true\" ") + attributes;
    } else {
        attributes += QStringLiteral("  km:value-type=\"%1\"")
                          .arg(hex ? QStringLiteral("hex") : QStringLiteral("text"));
    }
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\n"
               "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" font-family=\"Times\" "
               "font-size=\"12pt\">\n"
               "<fo:layout-master-set>\n"
               "<fo:simple-page-master master-name=\"all-pages\" page-height=\"200px\" "
               "page-width=\"540px\">\n"
               "<fo:region-body region-name=\"xsl-region-body\"/>\n"
               "</fo:simple-page-master>\n"
               "</fo:layout-master-set>\n"
               "<fo:page-sequence master-reference=\"all-pages\">\n"
               "<fo:flow flow-name=\"xsl-region-body\">\n"
               "<fo:block text-align=\"center\" padding=\"10px\">\n"
               "<km:barcode xmlns:km=\"http://www.varnel.com/km/1.0\" %1/>\n"
               "&#x00A0;\n"
               "</fo:block>\n"
               "</fo:flow>\n"
               "</fo:page-sequence>\n"
               "</fo:root>\n")
        .arg(attributes);
}

/// The eighteen symbologies with the values the barcode dialog starts with.
struct BarcodeCase
{
    const char* keyword;
    const char* value;
};
inline constexpr BarcodeCase barcodeCases[] = {
    {"UPC-E", "04252614"},
    {"EAN-8", "04210009"},
    {"UPC-A", "075-67 816 4125"},
    {"EAN-13", "0075676164125"},
    {"DataMatrix", "Hello World!"},
    {"3of9", "EMPTY BARCODE TEXT"},
    {"2of5", "1234"},
    {"Postnet", "12345-6789 01"},
    {"Planet", "1234-6789 01"},
    {"Code128", "Hello World!"},
    {"Code128Raw", "h(ELLO"},
    {"Code128UCC", "Hello World!"},
    {"OMR", "11111111000111111111"},
    {"Pdf417", "Hello World!"},
    {"Aztec", "Hello World!"},
    {"Maxicode", "Hello World!"},
    {"QRBarcode", "Hello World!"},
    {"IntelligentMail", "01234567094987654321-01234567891"},
};

/// A page layout with all five regions, each with its own background, and a
/// header and footer in the before and after regions.
/// `bodyAttributes` go on the body region too; the flow holds `paragraphs` paragraphs.
inline QString pageLayout(const QString& bodyAttributes = QString(), int paragraphs = 4)
{
    return rootOpen(QStringLiteral("font-family=\"Arial\" font-size=\"8pt\"")) +
           QStringLiteral(
               "<fo:layout-master-set>"
               "<fo:simple-page-master master-name=\"layout\" page-width=\"300px\" "
               "page-height=\"400px\" "
               "margin=\"10px\">"
               "<fo:region-body region-name=\"xsl-region-body\" margin=\"50px 40px 40px 40px\" "
               "border=\"1px dashed gray\" padding=\"4px\" column-count=\"2\" "
               "column-gap=\"10px\" ") +
           bodyAttributes +
           QStringLiteral(
               "/><fo:region-before region-name=\"xsl-region-before\" extent=\"40px\" "
               "precedence=\"true\" "
               "background-color=\"rgb(198,217,241)\" display-align=\"center\" border-bottom=\"1px "
               "solid rgb(79,129,189)\"/>"
               "<fo:region-after region-name=\"xsl-region-after\" extent=\"30px\" "
               "precedence=\"false\" "
               "background-color=\"rgb(234,241,221)\" display-align=\"center\"/>"
               "<fo:region-start region-name=\"xsl-region-start\" extent=\"30px\" "
               "background-color=\"rgb(242,220,219)\"/>"
               "<fo:region-end region-name=\"xsl-region-end\" extent=\"30px\" "
               "background-color=\"rgb(229,224,236)\"/>"
               "</fo:simple-page-master></fo:layout-master-set>"
               "<fo:page-sequence master-reference=\"layout\">"
               "<fo:static-content flow-name=\"xsl-region-before\"><fo:block text-align=\"center\" "
               "font-weight=\"bold\" font-size=\"11pt\">Region before "
               "(header)</fo:block></fo:static-content>"
               "<fo:static-content flow-name=\"xsl-region-after\"><fo:block "
               "text-align=\"center\">Page "
               "<fo:page-number/></fo:block></fo:static-content>"
               "<fo:static-content "
               "flow-name=\"xsl-region-start\"><fo:block>start</fo:block></fo:static-content>"
               "<fo:static-content flow-name=\"xsl-region-end\"><fo:block "
               "text-align=\"end\">end</fo:block>"
               "</fo:static-content>"
               "<fo:flow flow-name=\"xsl-region-body\">") +
           QStringLiteral("<fo:block space-after=\"4px\" text-align=\"justify\">The body region "
                          "holds the flow in two "
                          "columns. Its text runs down the first column and goes on in the second "
                          "one when the "
                          "first is full.</fo:block>")
               .repeated(paragraphs) +
           QStringLiteral("</fo:flow></fo:page-sequence></fo:root>");
}

/// Areas of their own: sized, aligned, clipped, turned and placed
/// containers, shifted baselines, a block across two columns and a running
/// header from a marker.
inline QString areas()
{
    return rootOpen(QStringLiteral("font-family=\"Arial\" font-size=\"9pt\"")) +
           QStringLiteral(
               "<fo:layout-master-set><fo:simple-page-master master-name=\"a\" "
               "page-width=\"360px\" page-height=\"420px\" margin=\"10px\">"
               "<fo:region-body margin-top=\"24px\" column-count=\"2\" column-gap=\"12px\"/>"
               "<fo:region-before extent=\"20px\" background-color=\"rgb(198,217,241)\" "
               "display-align=\"center\"/></fo:simple-page-master></fo:layout-master-set>"
               "<fo:page-sequence master-reference=\"a\"><fo:static-content "
               "flow-name=\"xsl-region-before\"><fo:block text-align=\"center\" "
               "font-weight=\"bold\"><fo:retrieve-marker retrieve-class-name=\"chapter\"/>"
               "</fo:block></fo:static-content><fo:flow flow-name=\"xsl-region-body\">"
               "<fo:block span=\"all\" font-size=\"14pt\" text-align=\"center\" "
               "space-after=\"6px\"><fo:marker marker-class-name=\"chapter\">Chapter one: "
               "areas</fo:marker>Areas of their own</fo:block>"
               "<fo:block-container height=\"60px\" display-align=\"center\" border=\"1px solid "
               "rgb(79,129,189)\"><fo:block text-align=\"center\">Centred in 60px</fo:block>"
               "</fo:block-container>"
               "<fo:block-container height=\"30px\" overflow=\"hidden\" space-before=\"6px\" "
               "background-color=\"rgb(242,220,219)\"><fo:block>Hidden overflow: only the lines "
               "that fit in thirty pixels show, the rest is cut off at the "
               "edge.</fo:block></fo:block-container>"
               "<fo:block space-before=\"6px\">E = mc<fo:inline "
               "baseline-shift=\"super\" font-size=\"6pt\">2</fo:inline>, "
               "H<fo:inline baseline-shift=\"sub\" font-size=\"6pt\">2</fo:inline>O</fo:block>"
               "<fo:block-container width=\"110px\" height=\"40px\" reference-orientation=\"90\" "
               "border=\"1px dashed gray\" space-before=\"6px\"><fo:block>Turned a "
               "quarter</fo:block></fo:block-container>"
               "<fo:block span=\"all\" space-before=\"6px\" space-after=\"6px\" "
               "border-top=\"1px solid gray\" text-align=\"center\">Across both "
               "columns</fo:block>"
               "<fo:block text-align=\"justify\">Below the spanning block the columns start "
               "again, filled one after the other, and balanced when another spanning block "
               "follows.</fo:block>"
               "<fo:block-container absolute-position=\"absolute\" bottom=\"0px\" right=\"0px\" "
               "width=\"120px\" height=\"40px\" background-color=\"rgb(234,241,221)\" "
               "display-align=\"after\"><fo:block text-align=\"end\">Absolute, bottom "
               "right</fo:block></fo:block-container>"
               "</fo:flow></fo:page-sequence></fo:root>");
}

/// One block for each of the ten border styles.
inline QString borderStyles()
{
    static const char* styles[] = {"none",   "hidden", "solid", "dotted", "dashed",
                                   "double", "groove", "ridge", "inset",  "outset"};
    QString body;
    for (const char* style : styles) {
        body +=
            QStringLiteral(
                "<fo:block border=\"6px %1 rgb(31,73,125)\" padding=\"3px\" space-after=\"5px\" "
                "background-color=\"rgb(242,242,242)\">%1</fo:block>")
                .arg(QLatin1String(style));
    }
    return rootOpen(QStringLiteral("font-family=\"Arial\" font-size=\"9pt\"")) +
           simpleMaster(420, 200, QStringLiteral("margin=\"10px\"")) +
           QStringLiteral("<fo:page-sequence master-reference=\"all-pages\"><fo:flow "
                          "flow-name=\"xsl-region-body\">") +
           body + QStringLiteral("</fo:flow></fo:page-sequence></fo:root>");
}

/// A base64 SVG gradient in the designer's form ("data:," and base64, marked by its comment).
inline QString gradient()
{
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" "
                           "preserveAspectRatio=\"none\">"
                           "<!-- custom svg gradient --><defs><linearGradient id=\"g\" x1=\"0\" "
                           "y1=\"0\" x2=\"1\" y2=\"1\">"
                           "<stop offset=\"0\" stop-color=\"#fde9d9\"/><stop offset=\"1\" "
                           "stop-color=\"#c0504d\"/></linearGradient>"
                           "</defs><rect width=\"100\" height=\"100\" fill=\"url(#g)\"/></svg>";
    return QStringLiteral("data:,") + QString::fromLatin1(svg.toBase64());
}

} // namespace PreviewSamples
