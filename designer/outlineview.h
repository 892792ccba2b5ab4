#pragma once

#include "outside/dom/xmlelement.h"

#include <QTreeWidget>

/// The template's objects as a tree; picking one makes it the object the
/// dialogs are opened on. Nodes dragged from the sample tree drop onto it.
class OutlineView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit OutlineView(QWidget* parent = nullptr);

    /// Rebuilds the tree from `root`, keeping `selected` selected.
    void showTemplate(const Xml::Element& root, const Xml::Element& selected);
    Xml::Element elementOf(QTreeWidgetItem* item) const;
    /// Selects the item of `element`; false when it is not in the tree.
    bool selectElement(const Xml::Element& element);

Q_SIGNALS:
    void elementSelected(const Xml::Element& element);
    /// The object was double-clicked: open what edits it.
    void elementActivated(const Xml::Element& element);
    /// A node of the sample tree was dropped on the object `target`.
    void sampleNodeDropped(const Xml::Node& node, const Xml::Element& target);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    /// The object a sample node dragged over `position` would go with; null
    /// when the data is no sample node or nothing can go there.
    Xml::Element dropTarget(const QDropEvent* event) const;

    QTreeWidgetItem* addElement(QTreeWidgetItem* parent, const Xml::Element& element, const Xml::Element& selected);

    std::vector<Xml::Element> m_elements;
};
