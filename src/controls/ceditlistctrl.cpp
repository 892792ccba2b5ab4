#include "controls/ceditlistctrl.h"

#include "controls/cinplaceedit.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

constexpr int kNarrowestEditableColumn = 5;

} // namespace

CEditListCtrl::CEditListCtrl(QWidget* parent) : CEditListCtrl(false, parent) {}

CEditListCtrl::CEditListCtrl(bool firstColumnEditable, QWidget* parent)
    : QTreeWidget(parent), m_firstColumnEditable(firstColumnEditable)
{
    setColumnCount(0); // columns come from InsertColumn
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setMinimumSectionSize(1);
}

CEditListCtrl::~CEditListCtrl()
{
    // Losing the focus while the list goes, the edit would report its end
    // into a list whose members are already destroyed: cut it off first.
    if (m_edit) {
        disconnect(m_edit, nullptr, this, nullptr);
        delete m_edit.data();
    }
}

void CEditListCtrl::setModifiedState(bool modified)
{
    m_modified = modified;
    Q_EMIT editListModified();
}

int CEditListCtrl::HitTestEx(const QPoint& point, int* column) const
{
    const QTreeWidgetItem* item = itemAt(point);
    if (!item) {
        return -1;
    }
    const int logical = header()->logicalIndexAt(point.x());
    if (logical < 0) {
        return -1;
    }
    if (column) {
        *column = logical;
    }
    return indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

int CEditListCtrl::focusedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CEditListCtrl::mousePressEvent(QMouseEvent* event)
{
    // What was focused before the click decides: the default handling
    // focuses the clicked row.
    const int rowFocusedBefore = focusedRow();
    QTreeWidget::mousePressEvent(event);
    if (!m_editEnabled || event->button() != Qt::LeftButton) {
        return;
    }
    int column = -1;
    const int row = HitTestEx(event->position().toPoint(), &column);
    if (row < 0) {
        return;
    }
    if (row != rowFocusedBefore || (column == 0 && !m_firstColumnEditable)) {
        QTreeWidgetItem* item = topLevelItem(row);
        setCurrentItem(item);
        item->setSelected(true);
    } else if (m_editLabels) {
        EditSubLabel(row, column);
    }
}

CInPlaceEdit* CEditListCtrl::EditSubLabel(int row, int column)
{
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    if (column == 0 && !m_firstColumnEditable) {
        return nullptr;
    }
    if (columnWidth(column) < kNarrowestEditableColumn || header()->isSectionHidden(column)) {
        return nullptr;
    }
    if (m_edit) {
        setFocus(); // ends the edit that is open
    }
    scrollToItem(item);

    // Bring the cell into view horizontally.
    QScrollBar* horizontal = horizontalScrollBar();
    const int cellLeft = header()->sectionPosition(column);
    const int cellRight = cellLeft + columnWidth(column);
    if (cellLeft < horizontal->value() || cellRight > horizontal->value() + viewport()->width()) {
        horizontal->setValue(cellLeft);
    }

    const QRect rowRect = visualItemRect(item);
    const int left = header()->sectionViewportPosition(column) + 4;
    const int right = std::min(left - 4 + columnWidth(column) - 3, viewport()->width());
    const QRect editRect(QPoint(left, rowRect.top() - 2), QPoint(right, rowRect.bottom() + 2));

    if (!m_modified) {
        m_textBeforeEdit = item->text(column);
    }

    auto* edit = new CInPlaceEdit(row, column, item->text(column), viewport());
    const Qt::Alignment alignment = Qt::Alignment(headerItem()->textAlignment(column));
    edit->setAlignment((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    edit->setFont(font());
    edit->setGeometry(editRect);
    edit->setGrowthLimit(viewport()->width());
    connect(edit, &CInPlaceEdit::editEnded, this,
            [this, edit](int r, int c, const std::optional<QString>& text) {
                OnEndLabelEdit(edit, r, c, text);
            });
    m_edit = edit;
    edit->show();
    edit->setFocus();
    edit->selectAll();
    return edit;
}

void CEditListCtrl::OnEndLabelEdit(CInPlaceEdit* edit, int row, int column,
                                   const std::optional<QString>& text)
{
    if (m_edit == edit) {
        m_edit = nullptr;
    }
    if (edit->hasFocus()) {
        setFocus();
    }
    if (!text) {
        return;
    }
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item) {
        return;
    }
    if (!m_modified && *text != m_textBeforeEdit) {
        m_modified = true;
        Q_EMIT editListModified();
    }
    item->setText(column, *text);
}

void CEditListCtrl::scrollContentsBy(int dx, int dy)
{
    // An open edit would float over the wrong cell: end it first.
    if (m_edit) {
        setFocus();
    }
    QTreeWidget::scrollContentsBy(dx, dy);
}

void CEditListCtrl::InsertColumn(int column, const QString& heading, Qt::Alignment alignment,
                                 int width)
{
    const int count = columnCount();
    QStringList headings;
    QList<int> widths;
    QList<int> alignments;
    for (int i = 0; i < count; ++i) {
        headings << headerItem()->text(i);
        widths << columnWidth(i);
        alignments << headerItem()->textAlignment(i);
    }
    const int at = std::clamp(column, 0, int(count));
    headings.insert(at, heading);
    widths.insert(at, width);
    alignments.insert(at, int(alignment | Qt::AlignVCenter));
    setColumnCount(count + 1);
    setHeaderLabels(headings);
    for (int i = 0; i <= count; ++i) {
        setColumnWidth(i, widths.at(i));
        headerItem()->setTextAlignment(i, Qt::Alignment(alignments.at(i)));
    }
}

int CEditListCtrl::InsertItem(int row, const QString& text)
{
    const int at = std::clamp(row, 0, topLevelItemCount());
    auto* item = new QTreeWidgetItem(QStringList{text});
    insertTopLevelItem(at, item);
    return at;
}

void CEditListCtrl::SetItemText(int row, int column, const QString& text)
{
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        item->setText(column, text);
        item->setTextAlignment(column, Qt::Alignment(headerItem()->textAlignment(column)));
    }
}

QString CEditListCtrl::GetItemText(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}
