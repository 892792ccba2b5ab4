#include "sampletreeview.h"

#include "outside/xmlattribute.h"

#include <QHeaderView>

namespace {

// Small samples open as far as their second level, as they always did; big
// ones show their root's children only.
constexpr int openSecondLevelUpTo = 200;

} // namespace

SampleTreeView::SampleTreeView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderLabels({tr("Node"), tr("Value")});
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemExpanded, this, &SampleTreeView::addChildren);
}

void SampleTreeView::showSample(const SmartPtr<Xml::XmlDocument>& sample, const QString& problem)
{
    clear();
    m_unexpanded.clear();
    if (sample.isNull() || sample->getRootNode().isNull()) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, problem.isEmpty() ? tr("No sample data") : problem);
        item->setDisabled(true);
        return;
    }
    QTreeWidgetItem* root = addElement(invisibleRootItem(), sample->getRootNode());
    addChildren(root);
    root->setExpanded(true);
    const int elements = root->childCount();
    if (elements <= openSecondLevelUpTo) {
        for (int i = 0; i < elements; ++i) {
            root->child(i)->setExpanded(true); // adds the grandchildren through itemExpanded
        }
    }
}

QTreeWidgetItem* SampleTreeView::addElement(QTreeWidgetItem* parent, const Xml::Element& element)
{
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, element.get_name());
    if (element.get_first_child_element().isNull()) {
        item->setText(1, element.get_content().trimmed());
        for (const Xml::Attribute& attribute : element.get_attributes()) {
            auto* child = new QTreeWidgetItem(item);
            child->setText(0, QLatin1Char('@') + attribute.get_name().toQString());
            child->setText(1, attribute.get_value());
        }
    } else {
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        m_unexpanded.insert(item, element);
    }
    return item;
}

void SampleTreeView::addChildren(QTreeWidgetItem* item)
{
    const Xml::Element element = m_unexpanded.take(item);
    if (element.isNull()) {
        return;
    }
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    for (const Xml::Attribute& attribute : element.get_attributes()) {
        auto* child = new QTreeWidgetItem(item);
        child->setText(0, QLatin1Char('@') + attribute.get_name().toQString());
        child->setText(1, attribute.get_value());
    }
    const std::vector<Xml::Element> children = element.get_child_elements();
    const int shown = std::min(int(children.size()), maxChildren);
    for (int i = 0; i < shown; ++i) {
        addElement(item, children[std::size_t(i)]);
    }
    if (int(children.size()) > shown) {
        auto* more = new QTreeWidgetItem(item);
        more->setText(0, tr("... %n more element(s)", nullptr, int(children.size()) - shown));
        more->setDisabled(true);
    }
}
