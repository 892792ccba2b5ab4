#include "samplepane.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/coreexception.h"
#include "outside/sharedui/sharedfiledialogs.h"
#include "xml/widgets/xmltreectrl.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Typing pauses this long before a filter runs: a large sample is walked once
// per filter, not once per key.
constexpr int filterDelayMs = 300;

} // namespace

SamplePane::SamplePane(QWidget* parent)
    : QWidget(parent), m_tree(new XmlTreeCtrl), m_filter(new QLineEdit), m_problem(new QLabel),
      m_filterDelay(new QTimer(this))
{
    m_tree->setObjectName(QStringLiteral("sampleTree"));
    m_filter->setObjectName(QStringLiteral("sampleFilter"));
    m_filter->setPlaceholderText(tr("Filter the sample data"));
    m_filter->setClearButtonEnabled(true);
    m_problem->setWordWrap(true);
    m_problem->setVisible(false);
    m_filterDelay->setSingleShot(true);
    m_filterDelay->setInterval(filterDelayMs);

    auto* toolBar = new QToolBar;
    toolBar->setIconSize(QSize(16, 16));
    QStyle* look = style();
    m_insertElement = addCommand(tr("Insert Element..."), QStringLiteral("insertElement"),
                                 &XmlTreeCtrl::insertElement);
    m_insertElement->setIcon(look->standardIcon(QStyle::SP_FileDialogNewFolder));
    m_insertAttribute = addCommand(tr("Insert Attribute..."), QStringLiteral("insertAttribute"),
                                   &XmlTreeCtrl::insertAttribute);
    m_insertAttribute->setIcon(look->standardIcon(QStyle::SP_FileIcon));
    m_edit = addCommand(tr("Edit Node..."), QStringLiteral("editNode"), &XmlTreeCtrl::editNode);
    m_edit->setIcon(look->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_delete =
        addCommand(tr("Delete Node"), QStringLiteral("deleteNode"), &XmlTreeCtrl::deleteNode);
    m_delete->setIcon(look->standardIcon(QStyle::SP_TrashIcon));
    m_delete->setShortcut(QKeySequence::Delete);
    m_delete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_copyXPath = addCommand(tr("Copy XPath"), QStringLiteral("copyXPath"),
                             &XmlTreeCtrl::copyXPathToClipboard);
    m_copyXPath->setIcon(look->standardIcon(QStyle::SP_FileLinkIcon));
    m_save =
        new QAction(look->standardIcon(QStyle::SP_DialogSaveButton), tr("Save Sample Data"), this);
    m_save->setObjectName(QStringLiteral("saveSample"));
    connect(m_save, &QAction::triggered, this, &SamplePane::saveSample);
    for (QAction* action : m_commands) {
        toolBar->addAction(action);
        addAction(action);
    }
    toolBar->addSeparator();
    toolBar->addAction(m_save);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_filter);
    layout->addWidget(toolBar);
    layout->addWidget(m_problem);
    layout->addWidget(m_tree, 1);

    connect(m_filter, &QLineEdit::textChanged, m_filterDelay, qOverload<>(&QTimer::start));
    connect(m_filter, &QLineEdit::returnPressed, this, &SamplePane::applyFilter);
    connect(m_filterDelay, &QTimer::timeout, this, &SamplePane::applyFilter);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &SamplePane::updateActions);
    connect(m_tree, &XmlTreeCtrl::xmlModified, this, [this] {
        if (m_sample) {
            m_sample->setXmlModified(true);
        }
        updateActions();
        Q_EMIT sampleModifiedChanged(true);
    });
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &SamplePane::showContextMenu);
    updateActions();
}

QAction* SamplePane::addCommand(const QString& text, const QString& name,
                                void (XmlTreeCtrl::*command)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setToolTip(QString(text).remove(QStringLiteral("...")));
    connect(action, &QAction::triggered, m_tree, command);
    m_commands.append(action);
    return action;
}

void SamplePane::showSample(const SmartPtr<SampleXml>& sample, const QString& problem)
{
    const SmartPtr<Xml::XmlDocument> document =
        sample ? sample->getXmlDocument() : SmartPtr<Xml::XmlDocument>();
    m_sample = sample;
    if (document.get() != m_tree->getDocument().get()) {
        m_tree->setData(document);
        if (!document.isNull() && !m_filter->text().isEmpty()) {
            m_tree->filterTree(m_filter->text());
        } else if (m_tree->topLevelItemCount() > 0) {
            m_tree->expandItem(m_tree->topLevelItem(0)); // the root alone tells the user little
        }
    }
    m_problem->setText(problem.isEmpty() ? tr("No sample data") : problem);
    m_problem->setVisible(document.isNull());
    updateActions();
}

void SamplePane::applyFilter()
{
    m_filterDelay->stop();
    if (m_tree->getDocument().isNull()) {
        return;
    }
    // Filters narrow the tree: start each from the whole sample, and come
    // back to the node the user had selected.
    m_tree->saveSelectionStack();
    m_tree->refresh();
    if (m_filter->text().isEmpty()) {
        m_tree->restoreSelectionFromStack();
    } else {
        m_tree->filterTree(m_filter->text());
    }
    updateActions();
}

bool SamplePane::isSampleModified() const
{
    return m_tree->isXmlModified();
}

bool SamplePane::saveSample()
{
    if (!m_sample || m_tree->getDocument().isNull()) {
        return false;
    }
    Core::String path = m_sample->getXmlDocumentFilePath();
    // A sample made from a schema or an aggregation file must not overwrite it.
    if (m_sample->getDatasourceType() != DatasourceType::XmlFile) {
        path =
            SharedUI::FileDialogs::getSaveFileName(this, tr("Save Sample Data As"), Core::String(),
                                                   tr("XML files (*.xml);;All files (*)"), ".xml");
        if (path.isEmpty()) {
            return false;
        }
    }
    try {
        m_tree->saveXml(path);
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_ICONERROR);
        return false;
    }
    m_sample->setXmlModified(false);
    updateActions();
    Q_EMIT sampleModifiedChanged(false);
    return true;
}

void SamplePane::updateActions()
{
    const bool node = !m_tree->getSelectedNode().isNull();
    m_insertElement->setEnabled(m_tree->isElementSelected());
    m_insertAttribute->setEnabled(m_tree->isElementSelected());
    m_edit->setEnabled(node);
    m_delete->setEnabled(node && !m_tree->isRootSelected());
    m_copyXPath->setEnabled(node);
    m_save->setEnabled(m_tree->isXmlModified());
}

void SamplePane::showContextMenu(const QPoint& position)
{
    if (QTreeWidgetItem* item = m_tree->itemAt(position)) {
        m_tree->setCurrentItem(item);
    }
    updateActions();
    QMenu menu(this);
    menu.addActions(m_commands);
    menu.addSeparator();
    menu.addAction(m_save);
    menu.exec(m_tree->viewport()->mapToGlobal(position));
}
