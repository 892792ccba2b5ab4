#include "xml/widgets/xmltreectrl.h"

#include "frame/uiapplication.h"
#include "frame/waitcursor.h"
#include "frame/win32constants.h"
#include "outside/core/coreexception.h"
#include "xml/widgets/editdatasourcenodedlg.h"
#include "xml/widgets/repeatingtablemarkup_p.h"
#include "xml/widgets/xmlrepeatedelements_p.h"
#include "xml/widgets/xmltreechildjob_p.h"
#include "xml/widgets/xmltreedelegate_p.h"
#include "xml/widgets/xmltreedragdata_p.h"
#include "xml/widgets/xmltreefilter_p.h"
#include "xml/widgets/xmltreeimages_p.h"
#include "xml/widgets/xmltreeitem_p.h"
#include "xml/widgets/xmltreelabelstyle_p.h"
#include "xml/widgets/xmltreerules_p.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QElapsedTimer>
#include <QHash>
#include <QHeaderView>
#include <QMimeData>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

// A filter makes at most this many items at once, breadth first. Filtering
// opens everything that stays by definition, which for a common text in a
// sample of a hundred megabytes means millions of items and minutes of a
// frozen window; past the budget the items that stay are left closed, with
// their button, and are filtered when the user opens them.
constexpr int filterItemBudget = 100000;

// Children looked at before the first items show: enough to fill a window
// and cheap enough to seem instant on an element of any size.
constexpr std::size_t firstBatch = 500;
// Children looked at between two looks at the clock while batches run from
// the event loop, and how long a batch keeps the user waiting.
constexpr std::size_t batchStep = 256;
constexpr qint64 batchNanoseconds = 15 * 1000 * 1000;
constexpr std::size_t wholeJob = std::numeric_limits<std::size_t>::max();

std::vector<XmlTreeCtrl*>& liveTrees()
{
    static std::vector<XmlTreeCtrl*> trees;
    return trees;
}

XmlTreeRules rulesFor(XmlTreeCtrl::XmlType type)
{
    return XmlTreeRules(type == XmlTreeCtrl::Annotated);
}

bool isElementImage(int image)
{
    return image == XmlTreeCtrl::ElementImage || image == XmlTreeCtrl::RepeatedElementImage ||
           image == XmlTreeCtrl::ReferenceElementImage;
}

bool isInside(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor)
{
    for (; item; item = item->parent()) {
        if (item == ancestor) {
            return true;
        }
    }
    return false;
}

Core::String trimmed(const Core::String& text)
{
    Core::String copy = text;
    copy.trim();
    return copy;
}

// The first text child that the tree shows: the one the edit commands change.
Xml::Node firstShownText(const Xml::Element& element)
{
    for (const Xml::Node& child : element.get_children()) {
        if (child.is_text() && !XmlTreeRules::isBlankText(child.cobj())) {
            return child;
        }
    }
    return {};
}

// A name typed in the node dialog has no prefix: the node keeps its own.
Core::String withOwnPrefix(const Xml::Node& node, const Core::String& name)
{
    const Core::String prefix = node.get_namespace_prefix();
    return prefix.isEmpty() || name.contains(":") ? name : prefix + ":" + name;
}

} // namespace

XmlTreeCtrl::XmlTreeCtrl(QWidget* parent) : QTreeWidget(parent), m_images(XmlTreeImages::create())
{
    setColumnCount(1);
    setHeaderHidden(true);
    header()->setStretchLastSection(true);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::MoveAction);
    setItemDelegate(new XmlTreeDelegate(this));
    auto* look = new XmlTreeLabelStyle;
    look->setParent(this);
    setStyle(look);
    connect(this, &QTreeWidget::itemExpanded, this, &XmlTreeCtrl::OnItemExpanding);
    m_batchTimer = new QTimer(this);
    m_batchTimer->setSingleShot(true);
    m_batchTimer->setInterval(0);
    connect(m_batchTimer, &QTimer::timeout, this, &XmlTreeCtrl::makePendingItems);
    liveTrees().push_back(this);
}

XmlTreeCtrl::~XmlTreeCtrl()
{
    dropJobs(false);
    auto& trees = liveTrees();
    trees.erase(std::remove(trees.begin(), trees.end(), this), trees.end());
}

void XmlTreeCtrl::setData(const SmartPtr<Xml::XmlDocument>& document, XmlType type,
                          bool hidePreview)
{
    m_document = document;
    m_type = type;
    m_hidePreview = hidePreview;
    m_draggedNode = Xml::Node();
    refresh();
}

void XmlTreeCtrl::refresh()
{
    // Every item comes back, but the text stays: its matches remain marked.
    m_filterChain.clear();
    dropJobs(false);
    clear();
    const Xml::Element root = m_document.isNull() ? Xml::Element() : m_document->getRootNode();
    if (root.isNull()) {
        return;
    }
    XmlTreeItem* item = makeItem(root, root.get_name(), false);
    QFont bold = font();
    bold.setBold(true);
    item->setFont(0, bold);
    addTopLevelItem(item);
    setCurrentItem(item);
}

// --- items -----------------------------------------------------------------

int XmlTreeCtrl::elementImage(const Xml::Element& element, bool repeated) const
{
    const bool annotated = m_type == Annotated;
    if (annotated && XmlTreeRules::hasAnnotation(element.cobj(), "ref-type")) {
        return ReferenceElementImage;
    }
    if (repeated ||
        (annotated && XmlTreeRules::hasAnnotation(element.cobj(), "repeated-element"))) {
        return RepeatedElementImage;
    }
    return ElementImage;
}

XmlTreeItem* XmlTreeCtrl::makeItem(const Xml::Node& node, const QString& label, bool repeated) const
{
    int image = TextImage;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (node.is_element()) {
        image = elementImage(Xml::Element(node), repeated);
        flags |= Qt::ItemIsEditable;
    } else if (node.is_attribute()) {
        image = AttributeImage;
        flags |= Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
    } else {
        flags |= Qt::ItemNeverHasChildren;
    }
    auto* item = new XmlTreeItem(node, image);
    item->setText(0, label);
    item->setFlags(flags);
    const bool button = node.is_element() && rulesFor(m_type).hasChildIndicator(node.cobj());
    item->setChildIndicatorPolicy(button ? QTreeWidgetItem::ShowIndicator
                                         : QTreeWidgetItem::DontShowIndicator);
    return item;
}

void XmlTreeCtrl::OnItemExpanding(QTreeWidgetItem* item)
{
    populate(item);
}

void XmlTreeCtrl::populate(QTreeWidgetItem* item)
{
    if (m_runningJob || !item || item->type() != XmlTreeItem::ItemType) {
        return;
    }
    auto* xmlItem = static_cast<XmlTreeItem*>(item);
    if (XmlTreeChildJob* job = xmlItem->job()) {
        if (job->started) {
            // Opened while its batches run: they go first.
            const auto found =
                std::find_if(m_jobs.begin(), m_jobs.end(),
                             [job](const auto& queued) { return queued.get() == job; });
            if (found != m_jobs.end() && found != m_jobs.begin()) {
                std::unique_ptr<XmlTreeChildJob> moved = std::move(*found);
                m_jobs.erase(found);
                m_jobs.push_front(std::move(moved));
            }
            runJobsNow(firstBatch);
            return;
        }
        // Queued by a filter that has not reached it yet: the user asks for it now.
        job->item = nullptr;
        xmlItem->setJob(nullptr);
    } else if (xmlItem->isPopulated() || item->childCount() > 0 ||
               !isElementImage(xmlItem->image())) {
        return;
    }
    std::shared_ptr<XmlTreeFilterRun> run;
    if (!m_filterChain.isEmpty()) {
        // Left closed by a filter that ran out of budget: open it filtered,
        // with a budget of its own.
        run = std::make_shared<XmlTreeFilterRun>(
            XmlTreeFilterRun{XmlTreeFilter(m_filterChain, rulesFor(m_type)), 0});
        scheduleDelayedItemsLayout();
    }
    queueJob(xmlItem, std::move(run), true);
    runJobsNow(firstBatch);
}

void XmlTreeCtrl::fillChildren(QTreeWidgetItem* item)
{
    populate(item);
    auto* xmlItem = dynamic_cast<XmlTreeItem*>(item);
    if (XmlTreeChildJob* job = xmlItem ? xmlItem->job() : nullptr) {
        std::size_t all = wholeJob;
        runJob(*job, all);
    }
}

// --- batches ------------------------------------------------------------------

XmlTreeChildJob* XmlTreeCtrl::queueJob(XmlTreeItem* item, std::shared_ptr<XmlTreeFilterRun> run,
                                       bool first)
{
    auto job = std::make_unique<XmlTreeChildJob>();
    job->item = item;
    job->run = std::move(run);
    item->setJob(job.get());
    XmlTreeChildJob* queued = job.get();
    if (first) {
        m_jobs.push_front(std::move(job));
    } else {
        m_jobs.push_back(std::move(job));
    }
    return queued;
}

bool XmlTreeCtrl::runJob(XmlTreeChildJob& job, std::size_t& allowance)
{
    XmlTreeItem* item = job.item;
    if (!item) {
        return true;
    }
    const QScopedValueRollback<bool> running(m_runningJob, true);
    const auto finish = [&] {
        item->setJob(nullptr);
        job.item = nullptr;
        return true;
    };
    XmlTreeFilterRun* run = job.run.get();
    XmlTreeFilter* filter = run ? &run->filter : nullptr;
    const Xml::Element element(item->node());
    QList<QTreeWidgetItem*> made;
    if (!job.started) {
        if (run && run->made >= filterItemBudget) {
            // Past the budget: closed with its button, filtered when opened.
            item->setPopulated(false);
            item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            return finish();
        }
        job.started = true;
        item->setPopulated(true);
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
        const XmlTreeRules rules = rulesFor(m_type);
        if (rules.showsAttributes(element.cobj())) {
            for (const Xml::Attribute& attribute : element.get_attributes()) {
                const auto* raw = reinterpret_cast<const xmlAttr*>(attribute.cobj());
                if (rules.isShownAttribute(raw) && (!filter || filter->stays(attribute.cobj()))) {
                    made.append(makeItem(attribute, attribute.get_name(), false));
                }
            }
        }
        job.next = element.cobj()->children;
        job.names.emplace(element.cobj());
    }
    // Straight over libxml2's children: handles only for the items made.
    for (; job.next && allowance > 0; job.next = job.next->next, --allowance) {
        xmlNode* raw = job.next;
        if (!XmlTreeRules::isShownChild(raw) || (filter && !filter->stays(raw))) {
            continue;
        }
        const Xml::Node child = element.handleOf(raw);
        if (!child.is_element()) {
            made.append(makeItem(child, child.get_content(), false));
            continue;
        }
        XmlTreeItem* childItem =
            makeItem(child, XmlTreeRules::qualifiedName(raw),
                     job.names->isShared(raw) || XmlRepeatedElements::isSequence(raw));
        made.append(childItem);
        if (filter) {
            // Below a filter, what stays is made breadth first.
            if (filter->keepsChild(raw)) {
                queueJob(childItem, job.run, false);
            } else {
                childItem->setPopulated(true);
                childItem->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
            }
        }
    }
    if (!made.isEmpty()) {
        item->addChildren(made);
        if (run) {
            run->made += int(made.size());
            item->setExpanded(true);
        }
    }
    return job.next ? false : finish();
}

void XmlTreeCtrl::runJobsNow(std::size_t allowance)
{
    while (!m_jobs.empty() && allowance > 0) {
        if (!runJob(*m_jobs.front(), allowance)) {
            break; // the allowance is spent
        }
        m_jobs.pop_front();
        if (allowance > 0) {
            --allowance; // one without children counts too, so that the loop ends
        }
    }
    if (!m_jobs.empty()) {
        m_batchTimer->start();
    }
}

void XmlTreeCtrl::makePendingItems()
{
    // Each batch lays out the whole view again: a batch works at least as
    // long as the event loop took since the last one, so that making items
    // keeps half of the time however long the lists grow.
    const qint64 budget =
        m_sinceBatch.isValid()
            ? std::clamp(m_sinceBatch.nsecsElapsed(), batchNanoseconds, 4 * batchNanoseconds)
            : batchNanoseconds;
    QElapsedTimer clock;
    clock.start();
    while (!m_jobs.empty() && clock.nsecsElapsed() < budget) {
        std::size_t step = batchStep;
        if (runJob(*m_jobs.front(), step)) {
            m_jobs.pop_front();
        }
    }
    if (!m_jobs.empty()) {
        m_batchTimer->start();
        m_sinceBatch.start();
    } else {
        m_sinceBatch.invalidate();
    }
}

bool XmlTreeCtrl::hasPendingItems() const
{
    return std::any_of(m_jobs.begin(), m_jobs.end(), [](const auto& job) { return job->item; });
}

void XmlTreeCtrl::finishPendingItems()
{
    while (!m_jobs.empty()) {
        std::size_t all = wholeJob;
        if (runJob(*m_jobs.front(), all)) {
            m_jobs.pop_front();
        }
    }
    m_batchTimer->stop();
    m_sinceBatch.invalidate();
}

void XmlTreeCtrl::dropJobs(bool unmake)
{
    for (const std::unique_ptr<XmlTreeChildJob>& job : m_jobs) {
        XmlTreeItem* item = job->item;
        if (!item) {
            continue;
        }
        item->setJob(nullptr);
        job->item = nullptr;
        if (unmake && job->started) {
            for (QTreeWidgetItem* child : item->takeChildren()) {
                deleteFiltered(child);
            }
            item->setPopulated(false);
            updateChildIndicator(item);
        }
    }
    m_jobs.clear();
    if (m_batchTimer) {
        m_batchTimer->stop();
    }
    m_sinceBatch.invalidate();
}

Xml::Node XmlTreeCtrl::getItemNode(const QTreeWidgetItem* item)
{
    if (!item || item->type() != XmlTreeItem::ItemType) {
        return {};
    }
    return static_cast<const XmlTreeItem*>(item)->node();
}

Xml::Node XmlTreeCtrl::getSelectedNode() const
{
    return getItemNode(currentItem());
}

bool XmlTreeCtrl::isElementSelected() const
{
    return getSelectedNode().is_element();
}

bool XmlTreeCtrl::isRootSelected() const
{
    const QTreeWidgetItem* item = currentItem();
    return item && !item->parent() && !m_document.isNull() && !getItemNode(item).isNull() &&
           getItemNode(item) == m_document->getRootNode();
}

void XmlTreeCtrl::updateElementImages(QTreeWidgetItem* parent)
{
    // Children made later would take their image from the names before the edit.
    fillChildren(parent);
    if (!parent) {
        for (int i = 0; i < topLevelItemCount(); ++i) {
            if (auto* item = dynamic_cast<XmlTreeItem*>(topLevelItem(i));
                item && item->node().is_element()) {
                item->setImage(
                    elementImage(Xml::Element(item->node()), isRepeatedElement(item->node())));
            }
        }
        return;
    }
    const Xml::Element element(getItemNode(parent));
    if (element.isNull()) {
        return;
    }
    const std::vector<Xml::Node> children = element.get_children();
    std::vector<QString> names;
    const std::vector<bool> repeated = XmlRepeatedElements::flags(children, names);
    QHash<const void*, bool> byNode;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].is_element()) {
            byNode.insert(children[i].identity(), repeated[i]);
        }
    }
    for (int i = 0; i < parent->childCount(); ++i) {
        auto* item = dynamic_cast<XmlTreeItem*>(parent->child(i));
        if (item && item->node().is_element()) {
            item->setImage(
                elementImage(Xml::Element(item->node()), byNode.value(item->node().identity())));
        }
    }
}

void XmlTreeCtrl::updateChildIndicator(QTreeWidgetItem* item)
{
    auto* xmlItem = dynamic_cast<XmlTreeItem*>(item);
    if (!xmlItem || !xmlItem->node().is_element()) {
        return;
    }
    if (xmlItem->isPopulated()) {
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    } else {
        const bool button = rulesFor(m_type).hasChildIndicator(xmlItem->node().cobj());
        item->setChildIndicatorPolicy(button ? QTreeWidgetItem::ShowIndicator
                                             : QTreeWidgetItem::DontShowIndicator);
    }
}

QTreeWidgetItem* XmlTreeCtrl::findChildItem(QTreeWidgetItem* parent, const Xml::Node& node) const
{
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        if (getItemNode(parent->child(i)) == node) {
            return parent->child(i);
        }
    }
    return nullptr;
}

QTreeWidgetItem* XmlTreeCtrl::nextSibling(QTreeWidgetItem* item)
{
    // The model remembers each item's row: no search through long sibling lists.
    const int row = indexFromItem(item).row();
    QTreeWidgetItem* parent = item->parent();
    if (parent && row + 1 >= parent->childCount()) {
        fillChildren(parent); // the rest of a big element's children
    }
    return parent ? parent->child(row + 1) : topLevelItem(row + 1);
}

QTreeWidgetItem* XmlTreeCtrl::previousSibling(QTreeWidgetItem* item) const
{
    const int row = indexFromItem(item).row();
    if (row <= 0) {
        return nullptr;
    }
    QTreeWidgetItem* parent = item->parent();
    return parent ? parent->child(row - 1) : topLevelItem(row - 1);
}

// --- filtering ---------------------------------------------------------------

void XmlTreeCtrl::filterTree(const Core::String& text)
{
    m_filterText = text.toLower();
    if (m_filterText.isEmpty() || topLevelItemCount() == 0) {
        return;
    }
    filterItem(topLevelItem(0), m_filterText);
}

void XmlTreeCtrl::filterItem(QTreeWidgetItem* item, const QString& text)
{
    if (!item || text.isEmpty()) {
        return;
    }
    if (m_filterChain.isEmpty() || m_filterChain.constLast() != text) {
        m_filterChain.append(text);
    }
    const WaitCursor wait;
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    // Items are taken out and put back; the view lays itself out once at the end.
    scheduleDelayedItemsLayout();
    m_filterCurrent = currentItem();
    // Elements still getting their children are filtered from the document
    // again, as if never opened.
    dropJobs(true);

    const auto run = std::make_shared<XmlTreeFilterRun>(
        XmlTreeFilterRun{XmlTreeFilter(m_filterChain, rulesFor(m_type)), 0});
    QList<QTreeWidgetItem*> opened;
    const auto decide = [&](QList<QTreeWidgetItem*> items, int keepFirst) {
        QList<QTreeWidgetItem*> kept = items.mid(0, keepFirst);
        for (qsizetype i = keepFirst; i < items.size(); ++i) {
            if (filterExisting(items[i], run, opened)) {
                kept.append(items[i]);
            } else {
                deleteFiltered(items[i]);
            }
        }
        return kept;
    };
    if (QTreeWidgetItem* parent = item->parent()) {
        const int first = parent->indexOfChild(item);
        parent->addChildren(decide(parent->takeChildren(), first));
    } else {
        const int first = indexOfTopLevelItem(item);
        QList<QTreeWidgetItem*> all;
        while (topLevelItemCount() > 0) {
            all.append(takeTopLevelItem(0));
        }
        addTopLevelItems(decide(all, first));
    }
    for (QTreeWidgetItem* open : opened) {
        open->setExpanded(true);
    }
    runJobsNow(firstBatch);
    if (m_filterCurrent) {
        setCurrentItem(m_filterCurrent);
        m_filterCurrent = nullptr;
    }
    setUpdatesEnabled(updates);
    viewport()->update();
}

void XmlTreeCtrl::deleteFiltered(QTreeWidgetItem* item)
{
    // The selected item may sit deep inside: forget it before it goes.
    if (m_filterCurrent && isInside(m_filterCurrent, item)) {
        m_filterCurrent = nullptr;
    }
    delete item;
}

bool XmlTreeCtrl::filterExisting(QTreeWidgetItem* item,
                                 const std::shared_ptr<XmlTreeFilterRun>& run,
                                 QList<QTreeWidgetItem*>& opened)
{
    const Xml::Node node = getItemNode(item);
    if (node.isNull()) {
        return false;
    }
    auto* xmlItem = static_cast<XmlTreeItem*>(item);
    const bool matched = run->filter.matches(node.cobj());
    if (!node.is_element()) {
        return matched;
    }
    if (xmlItem->isPopulated() || item->childCount() > 0) {
        QList<QTreeWidgetItem*> kept;
        for (QTreeWidgetItem* child : item->takeChildren()) {
            if (filterExisting(child, run, opened)) {
                kept.append(child);
            } else {
                deleteFiltered(child);
            }
        }
        xmlItem->setPopulated(true);
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
        item->addChildren(kept);
        if (kept.isEmpty()) {
            return matched;
        }
        opened.append(item);
        return true;
    }
    // Children never made: decide on the document and make only what stays.
    if (run->filter.keepsChild(node.cobj())) {
        queueJob(xmlItem, run, false);
        return true;
    }
    xmlItem->setPopulated(true);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    return matched;
}

// --- edit commands -------------------------------------------------------------

void XmlTreeCtrl::markModified()
{
    m_modified = true;
    viewport()->update();
    Q_EMIT xmlModified();
}

void XmlTreeCtrl::insertElement()
{
    QTreeWidgetItem* item = currentItem();
    const Xml::Element parent(getItemNode(item));
    if (parent.isNull()) {
        return;
    }
    EditDatasourceNodeDlg dialog(EditDatasourceNodeDlg::InsertElement, Core::String(),
                                 Core::String(), true, false, this);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    auto* xmlItem = static_cast<XmlTreeItem*>(item);
    if (xmlItem->job()) {
        fillChildren(item); // before the document changes under the batches
    }
    Xml::Element child;
    try {
        child = Xml::Element(parent).add_child(dialog.getName(), parent.get_namespace_prefix());
    } catch (const Core::Exception&) {
        return; // a name the XML library refuses: nothing changed
    }
    if (xmlItem->isPopulated() || item->childCount() > 0) {
        xmlItem->setPopulated(true);
        item->addChild(makeItem(child, child.get_name(), false));
    } else {
        fillChildren(item);
    }
    QTreeWidgetItem* childItem = findChildItem(item, child);
    if (!childItem) {
        // Hidden from a filtered parent: the user asked for it, so it shows.
        childItem = makeItem(child, child.get_name(), false);
        item->addChild(childItem);
    }
    updateChildIndicator(item);
    updateElementImages(item);
    item->setExpanded(true);
    setCurrentItem(childItem);
    scrollToItem(childItem);
    markModified();
}

void XmlTreeCtrl::insertAttribute()
{
    QTreeWidgetItem* item = currentItem();
    Xml::Element element(getItemNode(item));
    if (element.isNull()) {
        return;
    }
    EditDatasourceNodeDlg dialog(EditDatasourceNodeDlg::InsertAttribute, Core::String(),
                                 Core::String(), true, true, this);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    Xml::Attribute attribute;
    try {
        attribute = element.set_attribute(dialog.getName(), dialog.getValue(),
                                          element.get_namespace_prefix());
    } catch (const Core::Exception&) {
        return;
    }
    const XmlTreeRules rules = rulesFor(m_type);
    const bool shown = rules.showsAttributes(element.cobj()) &&
                       rules.isShownAttribute(reinterpret_cast<const xmlAttr*>(attribute.cobj()));
    auto* xmlItem = static_cast<XmlTreeItem*>(item);
    if (!xmlItem->isPopulated() && item->childCount() == 0) {
        fillChildren(item);
    } else if (shown && !findChildItem(item, attribute)) {
        // After the attributes already shown, before the children.
        int row = 0;
        while (row < item->childCount() && getItemNode(item->child(row)).is_attribute()) {
            ++row;
        }
        xmlItem->setPopulated(true);
        item->insertChild(row, makeItem(attribute, attribute.get_name(), false));
    }
    updateChildIndicator(item);
    item->setExpanded(true);
    markModified();
}

void XmlTreeCtrl::editNode()
{
    QTreeWidgetItem* item = currentItem();
    Xml::Node node = getItemNode(item);
    if (node.isNull()) {
        return;
    }
    Xml::Node target = node; // the node that is renamed (null: none)
    Xml::Node textNode;      // the text whose content changes (null: none)
    EditDatasourceNodeDlg::DialogType type = EditDatasourceNodeDlg::EditElement;
    Core::String name;
    Core::String value;
    bool nameEnabled = true;
    if (node.is_element()) {
        name = node.get_name();
        textNode = firstShownText(Xml::Element(node));
        value = textNode.isNull() ? Core::String() : trimmed(textNode.get_content());
    } else if (node.is_attribute()) {
        type = EditDatasourceNodeDlg::EditAttribute;
        name = node.get_name();
        value = node.get_content();
        textNode = node;
    } else if (node.is_text()) {
        target = Xml::Node();
        textNode = node;
        name = node.get_parent().isNull() ? Core::String() : node.get_parent().get_name();
        value = trimmed(node.get_content());
        nameEnabled = false;
    } else {
        return;
    }
    EditDatasourceNodeDlg dialog(type, name, value, nameEnabled, !textNode.isNull(), this);
    if (dialog.DoModal() != Win32::IDOK) {
        return;
    }
    try {
        if (!textNode.isNull() && textNode.get_content() != dialog.getValue()) {
            textNode.set_content(dialog.getValue());
        }
        if (!target.isNull() && nameEnabled) {
            const Core::String newName = withOwnPrefix(target, dialog.getName());
            if (newName != target.get_name()) {
                target.set_name(newName);
            }
        }
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_OK | Win32::MB_ICONERROR);
    }
    // Labels follow the document, whatever part of the change went through;
    // a text emptied to blanks is hidden like any blank text.
    const auto updateText = [](QTreeWidgetItem* textItem, const Xml::Node& text) {
        if (XmlTreeRules::isBlankText(text.cobj())) {
            delete textItem;
        } else {
            textItem->setText(0, text.get_content());
        }
    };
    if (node.is_text()) {
        updateText(item, node);
    } else {
        item->setText(0, node.get_name());
        if (node.is_element() && !textNode.isNull()) {
            if (QTreeWidgetItem* textItem = findChildItem(item, textNode)) {
                updateText(textItem, textNode);
            }
        }
        if (node.is_element()) {
            updateElementImages(item->parent());
        }
    }
    markModified();
}

void XmlTreeCtrl::deleteNode()
{
    QTreeWidgetItem* item = currentItem();
    const Xml::Node node = getItemNode(item);
    if (node.isNull()) {
        return;
    }
    Xml::Element parent = node.get_parent();
    if (parent.isNull()) {
        return; // the root element stays
    }
    // Children still to be made are read from the document as it is now.
    fillChildren(item->parent());
    try {
        if (node.is_attribute()) {
            parent.remove_attribute(node.get_local_name(), node.get_namespace_uri());
        } else {
            parent.remove_child(node);
        }
    } catch (const Core::Exception& e) {
        UIApplication::MessageBoxW(e.getMessage(), Win32::MB_OK | Win32::MB_ICONERROR);
        return;
    }
    QTreeWidgetItem* parentItem = item->parent();
    delete item;
    if (parentItem) {
        updateChildIndicator(parentItem);
        updateElementImages(parentItem);
    }
    markModified();
}

bool XmlTreeCtrl::OnEndLabelEdit(QTreeWidgetItem* item, const QString& text)
{
    Xml::Node node = getItemNode(item);
    if (node.isNull() || !(node.is_element() || node.is_attribute())) {
        return false;
    }
    const QString name = text.trimmed();
    if (name == node.get_name().toQString()) {
        return false;
    }
    const QStringList parts = name.split(u':');
    const bool valid = (parts.size() == 1 && EditDatasourceNodeDlg::isValidName(parts[0])) ||
                       (parts.size() == 2 && EditDatasourceNodeDlg::isValidName(parts[0]) &&
                        EditDatasourceNodeDlg::isValidName(parts[1]));
    if (!valid) {
        return false;
    }
    try {
        node.set_name(name);
    } catch (const Core::Exception&) {
        return false;
    }
    if (node.is_element()) {
        updateElementImages(item->parent());
    }
    markModified();
    return true;
}

void XmlTreeCtrl::saveXml(const Core::String& path)
{
    if (m_document.isNull()) {
        return;
    }
    // Not pretty-printed: the sample keeps the layout its author gave it.
    m_document->writeToFile(path, false);
    m_modified = false;
}

void XmlTreeCtrl::copyXPathToClipboard()
{
    const Xml::Node node = getSelectedNode();
    if (!node.isNull()) {
        QGuiApplication::clipboard()->setText(getXPath(node));
    }
}

// --- selection stack ---------------------------------------------------------

void XmlTreeCtrl::saveSelectionStack()
{
    m_selectionStack.clear();
    Xml::Node node = getSelectedNode();
    while (!node.isNull()) {
        m_selectionStack.push_back(node);
        node = node.get_parent();
    }
}

void XmlTreeCtrl::restoreSelectionFromStack()
{
    if (m_selectionStack.empty() || topLevelItemCount() == 0) {
        return;
    }
    if (QTreeWidgetItem* found =
            parseItemFromStack(topLevelItem(0), int(m_selectionStack.size()) - 1)) {
        setCurrentItem(found);
        scrollToItem(found);
    }
}

QTreeWidgetItem* XmlTreeCtrl::parseItemFromStack(QTreeWidgetItem* item, int position)
{
    if (position < 0 || position >= int(m_selectionStack.size())) {
        return nullptr;
    }
    const Xml::Node& wanted = m_selectionStack[std::size_t(position)];
    for (; item; item = nextSibling(item)) {
        if (getItemNode(item) != wanted) {
            continue;
        }
        if (position == 0) {
            return item;
        }
        populate(item);
        item->setExpanded(true);
        QTreeWidgetItem* deeper =
            item->childCount() > 0 ? parseItemFromStack(item->child(0), position - 1) : nullptr;
        return deeper ? deeper : item;
    }
    return nullptr;
}

// --- searching ---------------------------------------------------------------

QTreeWidgetItem* XmlTreeCtrl::GetNextTreeItem(QTreeWidgetItem* item)
{
    if (!item) {
        return nullptr;
    }
    populate(item);
    if (item->childCount() > 0) {
        return item->child(0);
    }
    for (QTreeWidgetItem* up = item; up; up = up->parent()) {
        if (QTreeWidgetItem* next = nextSibling(up)) {
            return next;
        }
    }
    return nullptr;
}

QTreeWidgetItem* XmlTreeCtrl::GetPrevTreeItem(QTreeWidgetItem* item)
{
    if (!item) {
        return nullptr;
    }
    if (QTreeWidgetItem* previous = previousSibling(item)) {
        return GetLastTreeItemInSubTree(previous);
    }
    return item->parent();
}

QTreeWidgetItem* XmlTreeCtrl::GetLastSiblingItem(QTreeWidgetItem* item)
{
    if (!item) {
        return nullptr;
    }
    QTreeWidgetItem* parent = item->parent();
    fillChildren(parent);
    return parent ? parent->child(parent->childCount() - 1) : topLevelItem(topLevelItemCount() - 1);
}

QTreeWidgetItem* XmlTreeCtrl::GetLastTreeItemInSubTree(QTreeWidgetItem* item)
{
    while (item) {
        fillChildren(item);
        if (item->childCount() == 0) {
            return item;
        }
        item = item->child(item->childCount() - 1);
    }
    return nullptr;
}

bool XmlTreeCtrl::FindTreeElement(const Core::String& text, bool searchDown, bool matchCase,
                                  bool wholeWord)
{
    if (text.isEmpty() || topLevelItemCount() == 0) {
        return false;
    }
    const Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(text)),
                                  matchCase ? QRegularExpression::NoPatternOption
                                            : QRegularExpression::CaseInsensitiveOption);
    const auto matches = [&](const QTreeWidgetItem* item) {
        const QString label = item->text(0);
        return wholeWord ? word.match(label).hasMatch()
                         : label.contains(text.toQString(), sensitivity);
    };
    const WaitCursor wait;
    QTreeWidgetItem* start = currentItem();
    QTreeWidgetItem* item = start;
    bool wrapped = false;
    while (true) {
        QTreeWidgetItem* next = searchDown ? GetNextTreeItem(item) : GetPrevTreeItem(item);
        if (!next) {
            if (wrapped) {
                return false;
            }
            wrapped = true;
            next = searchDown ? topLevelItem(0)
                              : GetLastTreeItemInSubTree(topLevelItem(topLevelItemCount() - 1));
        }
        item = next;
        if (matches(item)) {
            setCurrentItem(item);
            scrollToItem(item);
            return true;
        }
        if (item == start) {
            return false;
        }
    }
}

// --- drag and drop -------------------------------------------------------------

QString XmlTreeCtrl::getClipboardFormat()
{
    return XmlTreeDragData::format();
}

QStringList XmlTreeCtrl::mimeTypes() const
{
    return {getClipboardFormat()};
}

QMimeData* XmlTreeCtrl::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    const Xml::Node node = items.isEmpty() ? Xml::Node() : getItemNode(items.first());
    if (node.isNull()) {
        return nullptr;
    }
    auto* mime = new QMimeData;
    mime->setData(getClipboardFormat(), XmlTreeDragData::encode(node));
    mime->setText(getXPath(node)); // for targets that only take text
    m_draggedNode = node;
    return mime;
}

void XmlTreeCtrl::startDrag(Qt::DropActions)
{
    QTreeWidgetItem* item = currentItem();
    QMimeData* mime = item ? mimeData({item}) : nullptr;
    if (!mime) {
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(item->icon(0).pixmap(iconSize()));
    // Nothing is removed here, whatever the target answers.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

bool XmlTreeCtrl::isOwnDragData(const QMimeData* data)
{
    return XmlTreeDragData::isOwn(data);
}

Xml::Node XmlTreeCtrl::getDraggedNode(const QMimeData* data)
{
    if (!isOwnDragData(data)) {
        return {};
    }
    const quint64 address = XmlTreeDragData::nodeAddress(data);
    // The node comes from the tree that handed it out, which keeps its
    // document alive.
    for (const XmlTreeCtrl* tree : liveTrees()) {
        if (!tree->m_draggedNode.isNull() &&
            quint64(quintptr(tree->m_draggedNode.identity())) == address) {
            return tree->m_draggedNode;
        }
    }
    return {};
}

// --- static helpers -----------------------------------------------------------

Core::String XmlTreeCtrl::getXPath(const Xml::Node& node)
{
    if (node.isNull()) {
        return {};
    }
    Core::String step;
    switch (node.getType()) {
    case Xml::Node::Type::Attribute:
        step = "@" + node.get_name();
        break;
    case Xml::Node::Type::Element:
        step = node.get_name();
        break;
    case Xml::Node::Type::Text:
        step = "text()";
        break;
    case Xml::Node::Type::Comment:
        step = "comment()";
        break;
    default:
        step = "node()";
        break;
    }
    const Xml::Element parent = node.get_parent();
    return parent.isNull() ? "/" + step : getXPath(parent) + "/" + step;
}

Core::String XmlTreeCtrl::getDisplayName(const Core::String& name)
{
    if (name.isEmpty()) {
        return name;
    }
    QString text = name.toQString();
    text.replace(u'.', u' ').replace(u'-', u' ');
    text = text.toLower();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == 0 || text[i - 1] == u' ') {
            text[i] = text[i].toUpper();
        }
    }
    return text;
}

bool XmlTreeCtrl::isRepeatedElement(const Xml::Node& node)
{
    return XmlRepeatedElements::isRepeated(node);
}

Core::String XmlTreeCtrl::getRepeatingTableXml(const Xml::Element& element,
                                               const Core::String& xpath)
{
    return RepeatingTableMarkup::build(element, xpath);
}
