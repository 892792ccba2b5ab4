#pragma once

#include "outside/core/smartptr.h"
#include "xml/model/samplexml.h"

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QTimer;
class XmlTreeCtrl;

/// The data pane: the template's sample as the library's XML tree, a filter
/// field above it and the commands that edit and save the sample. Nodes are
/// dragged from here onto the outline.
class SamplePane : public QWidget
{
    Q_OBJECT

public:
    explicit SamplePane(QWidget* parent = nullptr);

    /// Shows `sample`; with none, `problem` (or a plain note) says why. The
    /// tree is rebuilt only when the document changed, so that what the user
    /// opened stays open while the template is edited.
    void showSample(const SmartPtr<SampleXml>& sample, const QString& problem);

    XmlTreeCtrl* tree() const { return m_tree; }
    QLineEdit* filterField() const { return m_filter; }
    /// Whether the sample was edited and not saved yet.
    bool isSampleModified() const;
    /// Writes the edited sample to its file (an XML sample) or to a file the
    /// user picks (a sample made from a schema or data aggregation file).
    /// False when the user cancelled or the file could not be written.
    bool saveSample();

Q_SIGNALS:
    /// The user edited the sample, or saved it.
    void sampleModifiedChanged(bool modified);

private:
    void applyFilter();
    void updateActions();
    void showContextMenu(const QPoint& position);
    QAction* addCommand(const QString& text, const QString& name, void (XmlTreeCtrl::*command)());

    SmartPtr<SampleXml> m_sample;
    XmlTreeCtrl* m_tree;
    QLineEdit* m_filter;
    QLabel* m_problem;
    QTimer* m_filterDelay;
    QList<QAction*> m_commands;
    QAction* m_insertElement = nullptr;
    QAction* m_insertAttribute = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_copyXPath = nullptr;
    QAction* m_save = nullptr;
};
