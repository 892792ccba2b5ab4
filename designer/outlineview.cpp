#include "outlineview.h"

#include "sampledropmarkup.h"
#include "xml/widgets/xmltreectrl.h"

#include <QDropEvent>
#include <QHeaderView>

namespace {
constexpr int elementRole = Qt::UserRole + 1;
}

OutlineView::OutlineView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderLabels({tr("Object"), tr("Identifier")});
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setUniformRowHeights(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        Q_EMIT elementActivated(elementOf(item));
    });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) {
            Q_EMIT elementSelected(elementOf(current));
        }
    });
}

void OutlineView::showTemplate(const Xml::Element& root, const Xml::Element& selected)
{
    const QSignalBlocker blocker(this);
    clear();
    m_elements.clear();
    if (!root.isNull()) {
        addElement(nullptr, root, selected);
    }
    expandToDepth(3);
}

QTreeWidgetItem* OutlineView::addElement(QTreeWidgetItem* parent, const Xml::Element& element,
                                         const Xml::Element& selected)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, element.get_name());
    item->setText(1, element.get_attribute_value("id"));
    item->setData(0, elementRole, qulonglong(m_elements.size()));
    m_elements.push_back(element);
    if (element == selected) {
        setCurrentItem(item);
    }
    for (const Xml::Element& child : element.get_child_elements()) {
        addElement(item, child, selected);
    }
    return item;
}

Xml::Element OutlineView::elementOf(QTreeWidgetItem* item) const
{
    if (!item) {
        return {};
    }
    const size_t index = item->data(0, elementRole).toULongLong();
    return index < m_elements.size() ? m_elements[index] : Xml::Element();
}

bool OutlineView::selectElement(const Xml::Element& element)
{
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (elementOf(*it) == element) {
            setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

Xml::Element OutlineView::dropTarget(const QDropEvent* event) const
{
    const Xml::Node node = XmlTreeCtrl::getDraggedNode(event->mimeData());
    const Xml::Element target = elementOf(itemAt(event->position().toPoint()));
    return SampleDropMarkup(node, target).isValid() ? target : Xml::Element();
}

void OutlineView::dragEnterEvent(QDragEnterEvent* event)
{
    // Only nodes of this process's sample trees: the data carries an address.
    if (XmlTreeCtrl::isOwnDragData(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void OutlineView::dragMoveEvent(QDragMoveEvent* event)
{
    if (dropTarget(event).isNull()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void OutlineView::dropEvent(QDropEvent* event)
{
    const Xml::Element target = dropTarget(event);
    if (target.isNull()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    Q_EMIT sampleNodeDropped(XmlTreeCtrl::getDraggedNode(event->mimeData()), target);
}
