#pragma once

#include "outside/xmldocument.h"

#include <QTreeWidget>

/// The template's sample data, element by element, with attribute and text
/// values beside the names.
class SampleTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit SampleTreeView(QWidget* parent = nullptr);

    /// Shows `sample`; with none, a single line says why.
    void showSample(const SmartPtr<Xml::XmlDocument>& sample, const QString& problem);
};
