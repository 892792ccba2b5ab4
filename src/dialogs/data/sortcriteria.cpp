#include "dialogs/data/sortcriteria.h"

#include <QStringList>

namespace {

// The word after `marker` in `piece`, searched from `from`, up to the next
// blank or, with `toEnd`, to the end of the piece.
QString wordAfter(const QString& piece, const QString& marker, qsizetype from, bool toEnd)
{
    const qsizetype at = piece.indexOf(marker, from);
    if (at < 0) {
        return {};
    }
    const qsizetype start = at + marker.size();
    if (toEnd) {
        return piece.mid(start);
    }
    const qsizetype blank = piece.indexOf(QLatin1Char(' '), start);
    return blank < 0 ? piece.mid(start) : piece.mid(start, blank - start);
}

} // namespace

Core::String SortCriteria::orderWord(int order)
{
    return order == Descending ? "descending" : "ascending";
}

Core::String SortCriteria::dataTypeWord(int dataType)
{
    return dataType == Number ? "number" : "text";
}

Core::String SortCriteria::caseOrderWord(int caseOrder)
{
    return caseOrder == LowerFirst ? "lower-first" : "upper-first";
}

std::vector<SortCriteria> SortCriteria::fromString(const Core::String& sortString)
{
    std::vector<SortCriteria> criteria;
    const QStringList pieces = sortString.toQString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        SortCriteria criterion;
        const qsizetype selectMarker = piece.indexOf(QLatin1String("s:"));
        qsizetype afterSelect = 0;
        if (selectMarker < 0) {
            criterion.select = piece;
        } else {
            // The select ends at a blank; without one it is empty.
            const qsizetype start = selectMarker + 2;
            const qsizetype blank = piece.indexOf(QLatin1Char(' '), start);
            criterion.select = blank < 0 ? QString() : piece.mid(start, blank - start);
            afterSelect = blank < 0 ? piece.size() : blank;
            criterion.dataType =
                wordAfter(piece, QStringLiteral("dt:"), afterSelect, false) == QLatin1String("number") ? Number : Text;
            criterion.order = wordAfter(piece, QStringLiteral("or:"), afterSelect, false) == QLatin1String("descending")
                                  ? Descending
                                  : Ascending;
            criterion.caseOrder =
                wordAfter(piece, QStringLiteral("co:"), afterSelect, true) == QLatin1String("lower-first") ? LowerFirst
                                                                                                            : UpperFirst;
        }
        if (!criterion.select.isEmpty()) {
            criteria.push_back(criterion);
        }
    }
    return criteria;
}

Core::String SortCriteria::toString(const std::vector<SortCriteria>& criteria)
{
    QStringList pieces;
    for (const SortCriteria& criterion : criteria) {
        pieces << QStringLiteral("s:%1 dt:%2 or:%3 co:%4")
                      .arg(criterion.select.toQString(), dataTypeWord(criterion.dataType).toQString(),
                           orderWord(criterion.order).toQString(), caseOrderWord(criterion.caseOrder).toQString());
    }
    return pieces.join(QLatin1Char(';'));
}

bool SortCriteria::isStorableSelect(const Core::String& select)
{
    const QString text = select.toQString();
    return !text.isEmpty() && !text.contains(QLatin1Char(' ')) && !text.contains(QLatin1Char(';'));
}
