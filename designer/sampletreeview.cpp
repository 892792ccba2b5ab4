#include "sampletreeview.h"

#include "outside/xmlattribute.h"
#include "outside/xmlelement.h"

#include <QHeaderView>

namespace {

void addElement(QTreeWidgetItem* parent, const Xml::Element& element)
{
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, element.get_name());
    for (const Xml::Attribute& attribute : element.get_attributes()) {
        auto* child = new QTreeWidgetItem(item);
        child->setText(0, QLatin1Char('@') + attribute.get_name().toQString());
        child->setText(1, attribute.get_value());
    }
    const std::vector<Xml::Element> children = element.get_child_elements();
    if (children.empty()) {
        item->setText(1, element.get_content().trimmed());
    }
    for (const Xml::Element& child : children) {
        addElement(item, child);
    }
}

} // namespace

SampleTreeView::SampleTreeView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderLabels({tr("Node"), tr("Value")});
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setUniformRowHeights(true);
}

void SampleTreeView::showSample(const SmartPtr<Xml::XmlDocument>& sample, const QString& problem)
{
    clear();
    if (sample.isNull() || sample->getRootNode().isNull()) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, problem.isEmpty() ? tr("No sample data") : problem);
        item->setDisabled(true);
        return;
    }
    addElement(invisibleRootItem(), sample->getRootNode());
    expandToDepth(1);
}
