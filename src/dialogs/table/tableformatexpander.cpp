#include "dialogs/table/tableformatexpander.h"

#include "outside/core/coreexception.h"
#include "outside/core/corestringformatstream.h"

#include <QCoreApplication>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(InsertTableDlg)
};

const QString TableStart = QStringLiteral("<fo:table");
const QString TableEnd = QStringLiteral("</fo:table>");
const QString CellStart = QStringLiteral("<fo:table-cell");
const QString CellEnd = QStringLiteral("</fo:table-cell>");

[[noreturn]] void refuse(const Core::String& formatName, const QString& section)
{
    throw Core::Exception(Core::String(Tr::tr("The table format \"%1\" cannot be used: its %2 "
                                              "section does not start with a row of three cells.")
                                           .arg(formatName.toQString(), section)));
}

QString labelOf(const QString& section)
{
    if (section == QLatin1String("header")) {
        return QStringLiteral("Heading");
    }
    if (section == QLatin1String("footer")) {
        return QStringLiteral("Footer");
    }
    return QStringLiteral("Item");
}

} // namespace

QString TableFormatExpander::tableOf(const QString& text)
{
    const qsizetype start = text.indexOf(TableStart);
    const qsizetype end = start < 0 ? -1 : text.indexOf(TableEnd, start);
    return end < 0 ? QString() : text.mid(start, end + TableEnd.size() - start);
}

Core::String TableFormatExpander::expand(const Core::String& templateText, const Shape& shape,
                                         const Core::String& formatName)
{
    const QString table = tableOf(templateText.toQString());
    const qsizetype tagEnd = table.indexOf(QLatin1Char('>'));
    if (table.isEmpty() || tagEnd < 0 || table.at(tagEnd - 1) == QLatin1Char('/')) {
        throw Core::Exception(Core::String(
            Tr::tr("The table format \"%1\" holds no table.").arg(formatName.toQString())));
    }
    QString opening = table.left(tagEnd);
    // The inserted table fills its container and keeps the widths it is given,
    // unless the format says otherwise.
    if (!opening.contains(QLatin1String("width="))) {
        opening += QLatin1String(" width=\"100%\"");
    }
    if (!opening.contains(QLatin1String("border-collapse="))) {
        opening += QLatin1String(" border-collapse=\"collapse\"");
    }
    if (!opening.contains(QLatin1String("table-layout="))) {
        opening += QLatin1String(" table-layout=\"fixed\"");
    }
    QString out = opening + QLatin1Char('>');
    const float width = 100.0f / float(shape.columns);
    for (int n = 1; n <= shape.columns; ++n) {
        Core::StringFormatStream column(
            "<fo:table-column column-width=\"proportional-column-width({0:0.###})\" "
            "column-number=\"{1}\"/>");
        column << width << n;
        out += column.toString().toQString();
    }
    if (shape.header) {
        out +=
            processTemplateSection(QStringLiteral("header"), table, shape, formatName).toQString();
    }
    if (shape.footer) {
        out +=
            processTemplateSection(QStringLiteral("footer"), table, shape, formatName).toQString();
    }
    out += processTemplateSection(QStringLiteral("body"), table, shape, formatName).toQString();
    out += TableEnd;
    return out;
}

Core::String TableFormatExpander::processTemplateSection(const QString& section,
                                                         const QString& table, const Shape& shape,
                                                         const Core::String& formatName)
{
    const QString sectionTag = QStringLiteral("<fo:table-%1>").arg(section);
    const qsizetype sectionStart = table.indexOf(sectionTag);
    const qsizetype rowStart =
        sectionStart < 0 ? -1 : table.indexOf(QLatin1String("<fo:table-row"), sectionStart);
    const qsizetype rowEnd =
        rowStart < 0 ? -1 : table.indexOf(QLatin1String("</fo:table-row>"), rowStart);
    if (rowEnd < 0) {
        refuse(formatName, section);
    }
    // A format whose first row has fewer cells would lend cells of the next row.
    QString cells[3];
    qsizetype from = rowStart;
    qsizetype firstCell = -1;
    for (QString& cell : cells) {
        const qsizetype start = table.indexOf(CellStart, from);
        const qsizetype end = start < 0 ? -1 : table.indexOf(CellEnd, start);
        if (end < 0 || end > rowEnd) {
            refuse(formatName, section);
        }
        if (firstCell < 0) {
            firstCell = start;
        }
        from = end + CellEnd.size();
        cell = table.mid(start, from - start);
    }
    const QString rowOpening = table.mid(rowStart, firstCell - rowStart);
    const QString label = shape.labels ? labelOf(section) : QString();
    const int rows = section == QLatin1String("body") ? shape.rows : 1;

    QString out = sectionTag;
    int counter = 1;
    for (int row = 0; row < rows; ++row) {
        out += rowOpening;
        for (int column = 1; column <= shape.columns; ++column) {
            const QString& cell = column == 1               ? cells[0]
                                  : column == shape.columns ? cells[2]
                                                            : cells[1];
            out += processTemplateCell(cell, label, counter++).toQString();
        }
        out += QLatin1String("</fo:table-row>");
    }
    out += QStringLiteral("</fo:table-%1>").arg(section);
    return out;
}

Core::String TableFormatExpander::processTemplateCell(const QString& cell, const QString& label,
                                                      int counter)
{
    static const QString BlockStart = QStringLiteral("<fo:block>");
    static const QString BlockEnd = QStringLiteral("</fo:block>");
    const QString text = label.isEmpty() ? QStringLiteral("&#x00A0;")
                                         : QStringLiteral("%1 %2").arg(label).arg(counter);
    const qsizetype start = cell.indexOf(BlockStart);
    const qsizetype end = cell.lastIndexOf(BlockEnd);
    if (start < 0 || end < start + BlockStart.size()) {
        return cell;
    }
    QString out = cell;
    out.replace(start + BlockStart.size(), end - start - BlockStart.size(), text);
    return out;
}
