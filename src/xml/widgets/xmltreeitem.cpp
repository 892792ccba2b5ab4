#include "xml/widgets/xmltreeitem_p.h"

#include "xml/widgets/xmltreechildjob_p.h"
#include "xml/widgets/xmltreectrl.h"
#include "xml/widgets/xmltreerules_p.h"

XmlTreeItem::XmlTreeItem(const Xml::Node& node, int image)
    : QTreeWidgetItem(ItemType), m_node(node), m_image(image)
{
}

XmlTreeItem::~XmlTreeItem()
{
    // The tree owns the job; it skips one whose item has gone.
    if (m_job) {
        m_job->item = nullptr;
    }
}

void XmlTreeItem::setImage(int image)
{
    if (m_image == image) {
        return;
    }
    m_image = image;
    emitDataChanged();
}

QVariant XmlTreeItem::data(int column, int role) const
{
    if (column == 0 && role == XmlTreeCtrl::ImageRole) {
        return m_image;
    }
    // The icon comes from the tree's image list, not stored in every item.
    if (column == 0 && role == Qt::DecorationRole) {
        const auto* tree = qobject_cast<const XmlTreeCtrl*>(treeWidget());
        return tree ? QVariant(tree->m_images.value(m_image)) : QVariant();
    }
    if (column == 0 && role == XmlTreeCtrl::PreviewRole) {
        const auto* tree = qobject_cast<const XmlTreeCtrl*>(treeWidget());
        if (!tree || !m_node.is_element()) {
            return QString();
        }
        return XmlTreeRules(tree->getXmlType() == XmlTreeCtrl::Annotated).preview(m_node.cobj());
    }
    return QTreeWidgetItem::data(column, role);
}

void XmlTreeItem::setData(int column, int role, const QVariant& value)
{
    // Code sets labels as display text; only the in-place editor sets EditRole.
    if (column == 0 && role == Qt::EditRole) {
        auto* tree = qobject_cast<XmlTreeCtrl*>(treeWidget());
        if (!tree || !tree->OnEndLabelEdit(this, value.toString())) {
            return;
        }
        QTreeWidgetItem::setData(column, Qt::DisplayRole, m_node.get_name().toQString());
        return;
    }
    QTreeWidgetItem::setData(column, role, value);
}
