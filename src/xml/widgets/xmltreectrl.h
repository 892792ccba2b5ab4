#pragma once

#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/cssvalues/colorref.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmlelement.h"
#include "uieditor_export.h"

#include <deque>
#include <memory>
#include <QElapsedTimer>
#include <QIcon>
#include <QTreeWidget>
#include <vector>

class QMimeData;
class QTimer;
class XmlTreeFilter;
class XmlTreeItem;
struct XmlTreeChildJob;
struct XmlTreeFilterRun;

/// The sample data as a tree of elements, attributes and texts.
///
/// Items are made when their parent is first expanded, so a sample of any size
/// opens at once; an element with thousands of children, opened or filtered,
/// shows the first of them at once and gets the rest in batches while the
/// user goes on working. Each item carries the node it shows (see getItemNode). The
/// tree filters and highlights by a text, lets the user edit the sample in
/// place (the edit commands ask through EditDatasourceNodeDlg) and starts drags
/// from which a host builds markup with the static helpers below.
class UIEDITOR_EXPORT XmlTreeCtrl : public QTreeWidget
{
    Q_OBJECT

public:
    /// Annotated samples carry km:meta-type, km:ref-type and km:repeated-element
    /// attributes that steer the display and are never shown.
    enum XmlType { Plain = 0, Annotated = 1 };
    /// The item images, by their number in the image list.
    enum Image {
        AttributeImage = 1,
        TextImage = 2,
        ElementImage = 3,
        RepeatedElementImage = 6,
        ReferenceElementImage = 7,
    };
    enum ItemDataRole {
        ImageRole = Qt::UserRole + 1, ///< int: the item's Image
        PreviewRole,                  ///< QString: the run drawn after a collapsed element
    };

    /// Background of the occurrences of the filter text in labels.
    static constexpr COLORREF filterColor = RGB(242, 248, 33);

    explicit XmlTreeCtrl(QWidget* parent = nullptr);
    ~XmlTreeCtrl() override;

    /// Shows `document` (shared, not copied) and rebuilds the tree with only
    /// the root element. `hidePreview` leaves out the run after collapsed elements.
    void setData(const SmartPtr<Xml::XmlDocument>& document, XmlType type = Plain,
                 bool hidePreview = false);
    SmartPtr<Xml::XmlDocument> getDocument() const { return m_document; }
    XmlType getXmlType() const { return m_type; }
    bool isPreviewHidden() const { return m_hidePreview; }

    /// Deletes every item and shows the root element again, bold and
    /// selected; brings back what a filter removed. The filter text stays,
    /// so its occurrences are still highlighted.
    void refresh();

    /// Keeps the items whose name (or text, or attribute value) contains
    /// `text`, without case, and their ancestors, opened; every other item is
    /// deleted. Filters narrow what the tree shows: refresh() first to filter
    /// the whole sample again. An empty text changes nothing. Past the first
    /// few thousand nodes the items that stay are made in batches.
    void filterTree(const Core::String& text);
    /// The lower-cased text of the last filter, whose occurrences are highlighted.
    Core::String getFilterText() const { return m_filterText; }

    /// Whether items of an opened or filtered element are still to be made.
    bool hasPendingItems() const;
    /// Makes every item still pending, before returning.
    void finishPendingItems();

    /// Puts getXPath of the selected node on the clipboard as plain text.
    void copyXPathToClipboard();

    /// Asks for a name and appends a child element to the selected element.
    void insertElement();
    /// Asks for a name and a value and sets that attribute on the selected element.
    void insertAttribute();
    /// Asks for a new name and text (element), text (text item) or name and
    /// value (attribute) of the selected node.
    void editNode();
    /// Removes the selected node from the sample. The root stays.
    void deleteNode();

    /// Writes the sample to `path` (replaced only once completely written) and
    /// clears the modified flag. Raises Core::Exception naming the file.
    void saveXml(const Core::String& path);
    /// Whether the sample was edited since it was set or saved.
    bool isXmlModified() const { return m_modified; }
    bool isElementSelected() const;
    bool isRootSelected() const;

    /// The node of the selected item; null when nothing is selected.
    Xml::Node getSelectedNode() const;
    /// The node an item shows; null for an item the tree did not make.
    static Xml::Node getItemNode(const QTreeWidgetItem* item);

    /// Remember the selected node, to select it again after a refresh.
    void saveSelectionStack();
    /// Walks from the root along the remembered chain, opening items on the
    /// way, and selects the deepest item reached.
    void restoreSelectionFromStack();

    /// The drag format: "VarnelXmlTreeCtrlDragDrop".
    static QString getClipboardFormat();
    /// Whether `data` is a node dragged from a tree of this process.
    static bool isOwnDragData(const QMimeData* data);
    /// The node dragged from a tree of this process, for drop targets; null
    /// when the data is not such a drag or its tree has gone.
    static Xml::Node getDraggedNode(const QMimeData* data);

    /// "/invoice/line/@id": the node's path without positions, so it selects
    /// every node with the same names along the way; "text()" for a text.
    static Core::String getXPath(const Xml::Node& node);
    /// A caption made from a name: "order.total-amount" gives "Order Total Amount".
    static Core::String getDisplayName(const Core::String& name);
    /// Whether the element is one of several siblings of its name, or a data
    /// aggregation sample marks it as a sequence.
    static bool isRepeatedElement(const Xml::Node& node);
    /// A table with a column per attribute, child element and text of
    /// `element`, whose body row repeats for each node `xpath` selects.
    static Core::String getRepeatingTableXml(const Xml::Element& element,
                                             const Core::String& xpath);

Q_SIGNALS:
    /// After each change the user made to the sample (edit commands, renaming in place).
    void xmlModified();

protected:
    /// Adds the children of an element item the first time it opens.
    void OnItemExpanding(QTreeWidgetItem* item);
    /// Renames the node of an item edited in place; false keeps the old label.
    bool OnEndLabelEdit(QTreeWidgetItem* item, const QString& text);

    /// Removes, from `item` and its following siblings on, every item that
    /// neither matches `text` nor has a matching descendant, opening items as it goes.
    void filterItem(QTreeWidgetItem* item, const QString& text);
    /// One step of restoreSelectionFromStack: looks for the node at `position`
    /// of the stack from `item` through its following siblings, then below it.
    QTreeWidgetItem* parseItemFromStack(QTreeWidgetItem* item, int position);

    /// Searches the labels from the selection on, opening items as it goes,
    /// and selects the item found (the search wraps around once).
    bool FindTreeElement(const Core::String& text, bool searchDown, bool matchCase, bool wholeWord);
    /// Depth-first order over the items; children are added as needed.
    QTreeWidgetItem* GetNextTreeItem(QTreeWidgetItem* item);
    QTreeWidgetItem* GetPrevTreeItem(QTreeWidgetItem* item);
    QTreeWidgetItem* GetLastSiblingItem(QTreeWidgetItem* item);
    QTreeWidgetItem* GetLastTreeItemInSubTree(QTreeWidgetItem* item);

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    friend class XmlTreeItem;

    XmlTreeItem* makeItem(const Xml::Node& node, const QString& label, bool repeated) const;
    void populate(QTreeWidgetItem* item);
    /// Populates `item` and makes all of its children now.
    void fillChildren(QTreeWidgetItem* item);
    void deleteFiltered(QTreeWidgetItem* item);
    bool filterExisting(QTreeWidgetItem* item, const std::shared_ptr<XmlTreeFilterRun>& run,
                        QList<QTreeWidgetItem*>& opened);

    /// Queues the children of `item` (with a filter run, those that stay,
    /// breadth first within the run's budget) and answers the job.
    XmlTreeChildJob* queueJob(XmlTreeItem* item, std::shared_ptr<XmlTreeFilterRun> run, bool first);
    /// Makes the items of up to `allowance` children, counting it down; true
    /// once the job is done.
    bool runJob(XmlTreeChildJob& job, std::size_t& allowance);
    /// Runs the queued jobs for `allowance` children, then leaves the rest to the event loop.
    void runJobsNow(std::size_t allowance);
    /// One batch from the event loop.
    void makePendingItems();
    /// Forgets every job; `unmake` also deletes the children they made so
    /// far, so that their items count as never opened.
    void dropJobs(bool unmake);
    int elementImage(const Xml::Element& element, bool repeated) const;
    void updateElementImages(QTreeWidgetItem* parent);
    void updateChildIndicator(QTreeWidgetItem* item);
    /// The item after `item` among its siblings, making the rest of a big element's children.
    QTreeWidgetItem* nextSibling(QTreeWidgetItem* item);
    QTreeWidgetItem* previousSibling(QTreeWidgetItem* item) const;
    QTreeWidgetItem* findChildItem(QTreeWidgetItem* parent, const Xml::Node& node) const;
    void markModified();

    QList<QIcon> m_images;
    SmartPtr<Xml::XmlDocument> m_document;
    XmlType m_type = Plain;
    std::vector<Xml::Node> m_selectionStack;
    bool m_modified = false;
    bool m_hidePreview = false;
    Core::String m_filterText;
    std::deque<std::unique_ptr<XmlTreeChildJob>> m_jobs; // first come first
    QTimer* m_batchTimer = nullptr;
    QElapsedTimer m_sinceBatch; // since the end of the last batch
    bool m_runningJob = false;
    QStringList m_filterChain; // every filter text since the last refresh, oldest first
    mutable Xml::Node m_draggedNode;
    QTreeWidgetItem* m_filterCurrent =
        nullptr; // the selection while a filter runs, null once deleted
};
