#pragma once

#include <QStyledItemDelegate>

class XmlTreeCtrl;

/// Paints the rows of the XML tree: the image, the label on its own
/// background (highlight when the tree has the focus, button face when it has
/// not), the occurrences of the filter text marked, and after a collapsed
/// element the preview run of its attributes or text.
class XmlTreeDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit XmlTreeDelegate(XmlTreeCtrl* tree);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QString previewOf(const QModelIndex& index) const;

    XmlTreeCtrl* m_tree;
};
