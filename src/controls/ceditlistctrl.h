#pragma once

#include "controls/cinplaceedit.h" // QPointer needs the whole type
#include "uieditor_export.h"

#include <optional>
#include <QPointer>
#include <QTreeWidget>

/// A report list whose cells are edited in place. With editing on, a click
/// on a cell of the focused row opens a CInPlaceEdit over that cell (a click
/// on another row, or on column 0 of a list whose first column is not
/// editable, only selects and focuses the row); the edit's text is written
/// back when it loses the focus, and the first real change marks the list
/// modified. Column 0 is edited only when the list was built with
/// `firstColumnEditable`. A list destroyed while a cell is edited drops the edit.
class UIEDITOR_EXPORT CEditListCtrl : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CEditListCtrl(QWidget* parent = nullptr);
    explicit CEditListCtrl(bool firstColumnEditable, QWidget* parent = nullptr);
    ~CEditListCtrl() override;

    /// In-place editing on or off; off for a new list.
    bool getEditState() const { return m_editEnabled; }
    void setEditState(bool enabled) { m_editEnabled = enabled; }

    /// Whether a cell was changed. Setting it always notifies, as hosts
    /// expect when they reset the list after saving.
    bool getModifiedState() const { return m_modified; }
    void setModifiedState(bool modified);

    /// Forms build the list with the default; dialogs that rename rows turn
    /// column 0 editing on here.
    void setFirstColumnEditable(bool editable) { m_firstColumnEditable = editable; }

    /// Whether a click on the focused row's cell edits it (the list's
    /// edit-labels style); on for a new list.
    bool editLabels() const { return m_editLabels; }
    void setEditLabels(bool editLabels) { m_editLabels = editLabels; }

    /// The row under `point` (viewport coordinates) and, through `column`,
    /// the column; -1 outside every cell.
    int HitTestEx(const QPoint& point, int* column) const;
    /// Opens the in-place edit over a cell; null when the cell cannot be
    /// edited (no such row or column, a column 4 pixels wide or less, or
    /// column 0 of a list whose first column is not editable).
    CInPlaceEdit* EditSubLabel(int row, int column);
    /// The edit now open, if any.
    CInPlaceEdit* inPlaceEdit() const { return m_edit; }

    /// Adds a column with its heading, width and alignment (the edit follows
    /// it). Columns are laid out before rows are added.
    void InsertColumn(int column, const QString& heading, Qt::Alignment alignment = Qt::AlignLeft,
                      int width = 100);
    /// Adds a row whose first cell holds `text`; answers its index.
    int InsertItem(int row, const QString& text);
    void SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const;
    int GetItemCount() const { return topLevelItemCount(); }

Q_SIGNALS:
    /// The list became modified, or setModifiedState was called.
    void editListModified();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void OnEndLabelEdit(CInPlaceEdit* edit, int row, int column,
                        const std::optional<QString>& text);
    int focusedRow() const;

    QString m_textBeforeEdit;
    bool m_modified = false;
    bool m_editEnabled = false;
    bool m_firstColumnEditable = false;
    bool m_editLabels = true;
    QPointer<CInPlaceEdit> m_edit;
};
