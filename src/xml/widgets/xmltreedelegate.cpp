#include "xml/widgets/xmltreedelegate_p.h"

#include "xml/widgets/xmltreectrl.h"

#include <QPainter>

namespace {

constexpr int iconGap = 4;
constexpr int labelPadding = 2;

// Labels are drawn on one line: a text item may hold line breaks.
QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t') {
            c = u' ';
        }
    }
    return text;
}

} // namespace

XmlTreeDelegate::XmlTreeDelegate(XmlTreeCtrl* tree) : QStyledItemDelegate(tree), m_tree(tree) {}

QString XmlTreeDelegate::previewOf(const QModelIndex& index) const
{
    if (m_tree->isPreviewHidden() || m_tree->isExpanded(index)) {
        return {};
    }
    return index.data(XmlTreeCtrl::PreviewRole).toString();
}

void XmlTreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QPalette& palette = opt.palette;
    painter->save();
    painter->setClipRect(opt.rect);

    QRect rest = opt.rect;
    const QSize iconSize = opt.decorationSize;
    if (!opt.icon.isNull()) {
        const QRect iconRect(rest.left() + labelPadding,
                             rest.top() + (rest.height() - iconSize.height()) / 2, iconSize.width(),
                             iconSize.height());
        opt.icon.paint(painter, iconRect);
        rest.setLeft(iconRect.right() + 1 + iconGap);
    }

    const QString label = oneLine(opt.text);
    painter->setFont(opt.font);
    // The painter's metrics: a pixmap may have another resolution than the screen.
    const QFontMetrics metrics = painter->fontMetrics();
    const int labelWidth = metrics.horizontalAdvance(label) + 2 * labelPadding + 1;
    const QRect labelRect(rest.left(), rest.top(), qMin(labelWidth, qMax(0, rest.width())),
                          rest.height());

    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    QColor text = palette.color(QPalette::Text);
    if (selected && m_tree->hasFocus()) {
        painter->fillRect(labelRect, palette.color(QPalette::Highlight));
        text = palette.color(QPalette::HighlightedText);
    } else if (selected) {
        painter->fillRect(labelRect, palette.color(QPalette::Button));
        text = palette.color(QPalette::ButtonText);
    }

    const QString filter = m_tree->getFilterText();
    if (!filter.isEmpty()) {
        const COLORREF mark = XmlTreeCtrl::filterColor;
        const QColor markColor(GetRValue(mark), GetGValue(mark), GetBValue(mark));
        for (qsizetype at = label.indexOf(filter, 0, Qt::CaseInsensitive); at >= 0;
             at = label.indexOf(filter, at + filter.size(), Qt::CaseInsensitive)) {
            const int x =
                labelRect.left() + labelPadding + metrics.horizontalAdvance(label.left(at));
            const int width = metrics.horizontalAdvance(label.mid(at, filter.size()));
            painter->fillRect(QRect(x, labelRect.top() + 1, width, labelRect.height() - 2),
                              markColor);
        }
        if (selected) {
            text = palette.color(QPalette::Text); // readable on the yellow marks as well
        }
    }

    painter->setPen(text);
    const QRect textRect = labelRect.adjusted(labelPadding, 0, -labelPadding, 0);
    const bool fits = labelWidth <= rest.width();
    painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                      fits ? label : metrics.elidedText(label, Qt::ElideRight, textRect.width()));

    const QString preview = previewOf(index);
    if (!preview.isEmpty()) {
        QRect previewRect = rest;
        previewRect.setLeft(labelRect.right() + 1 + labelPadding);
        QFont plain = opt.font; // the root's label is bold, its preview is not
        plain.setBold(false);
        painter->setFont(plain);
        painter->setPen(palette.color(QPalette::PlaceholderText));
        painter->drawText(previewRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                          painter->fontMetrics().elidedText(oneLine(preview), Qt::ElideRight,
                                                            previewRect.width()));
    }
    painter->restore();
}

QSize XmlTreeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString preview = previewOf(index);
    if (!preview.isEmpty()) {
        size.rwidth() +=
            QFontMetrics(option.font).horizontalAdvance(oneLine(preview)) + labelPadding;
    }
    return size;
}
