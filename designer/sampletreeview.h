#pragma once

#include "outside/xmldocument.h"
#include "outside/xmlelement.h"

#include <QHash>
#include <QTreeWidget>

/// The template's sample data, element by element, with attribute and text
/// values beside the names. Samples run to hundreds of megabytes: elements
/// get their items when first expanded, and no element shows more than
/// maxChildren children.
class SampleTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr int maxChildren = 1000;

    explicit SampleTreeView(QWidget* parent = nullptr);

    /// Shows `sample`; with none, a single line says why.
    void showSample(const SmartPtr<Xml::XmlDocument>& sample, const QString& problem);

private:
    QTreeWidgetItem* addElement(QTreeWidgetItem* parent, const Xml::Element& element);
    void addChildren(QTreeWidgetItem* item);

    /// Items whose element has children not yet shown.
    QHash<QTreeWidgetItem*, Xml::Element> m_unexpanded;
};
