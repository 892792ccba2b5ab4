#include "dialogs/table/customtable.h"

#include "outside/core/corestringformatstream.h"

Core::String CustomTable::markup() const
{
    Core::StringFormatStream opening("<fo:table border-collapse=\"{0}\" table-layout=\"fixed\">");
    opening << (collapseBorders ? "collapse" : "separate");
    QString out = opening.toString().toQString();

    const float width = 100.0f / float(columns);
    for (int n = 1; n <= columns; ++n) {
        Core::StringFormatStream column(
            "<fo:table-column column-width=\"proportional-column-width({0})\" "
            "column-number=\"{1}\"/>");
        column << width << n;
        out += column.toString().toQString();
    }

    Core::StringFormatStream rowStream("<fo:table-row display-align=\"{0}\">");
    rowStream << verticalAlign;
    const QString row = rowStream.toString().toQString();
    QString borders;
    if (hasBorders) {
        Core::StringFormatStream stream(
            "border-width=\"{0}pt\" border-style=\"{1}\" border-color=\"{2}\" ");
        // The colour is typed text: it must not break the attribute.
        stream << borderWidth << borderStyle << borderColor.toQString().toHtmlEscaped();
        borders = stream.toString().toQString();
    }
    Core::StringFormatStream cellStream(
        "<fo:table-cell {0}padding=\"{1}pt\" "
        "text-align=\"{2}\"><fo:block>&#x00A0;</fo:block></fo:table-cell>");
    cellStream << borders << padding << horizontalAlign;
    const QString cell = cellStream.toString().toQString();
    const QString cells = row + cell.repeated(columns) + QLatin1String("</fo:table-row>");

    if (header) {
        out += QLatin1String("<fo:table-header>") + cells + QLatin1String("</fo:table-header>");
    }
    out +=
        QLatin1String("<fo:table-body>") + cells.repeated(rows) + QLatin1String("</fo:table-body>");
    if (footer) {
        out += QLatin1String("<fo:table-footer>") + cells + QLatin1String("</fo:table-footer>");
    }
    out += QLatin1String("</fo:table>");
    return out;
}
