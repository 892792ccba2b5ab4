#pragma once

#include "outside/dom/xmlnode.h"

#include <QTreeWidgetItem>

struct XmlTreeChildJob;

/// One item of the XML tree: the node it shows (owned by the document, the
/// handle only keeps the document alive), its image and whether its children
/// were added yet.
class XmlTreeItem : public QTreeWidgetItem
{
public:
    static constexpr int ItemType = QTreeWidgetItem::UserType + 42;

    XmlTreeItem(const Xml::Node& node, int image);
    ~XmlTreeItem() override;

    const Xml::Node& node() const { return m_node; }
    int image() const { return m_image; }
    void setImage(int image);
    /// Set once the children were added, by expansion or by a filter; an item
    /// whose children were all filtered away stays populated and childless.
    bool isPopulated() const { return m_populated; }
    void setPopulated(bool populated) { m_populated = populated; }
    /// The batches of children still to be made; null when none are pending.
    XmlTreeChildJob* job() const { return m_job; }
    void setJob(XmlTreeChildJob* job) { m_job = job; }

    /// The image number and the preview run come from the node on demand,
    /// so that they follow edits and cost nothing for rows never painted.
    QVariant data(int column, int role) const override;
    /// An edit of the label by the user renames the node; refused names keep the old label.
    void setData(int column, int role, const QVariant& value) override;

private:
    Xml::Node m_node;
    int m_image;
    bool m_populated = false;
    XmlTreeChildJob* m_job = nullptr;
};
