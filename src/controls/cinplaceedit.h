#pragma once

#include "uieditor_export.h"

#include <optional>
#include <QLineEdit>

/// The small edit a CEditListCtrl lays over one cell. It keeps Enter,
/// Escape, Delete and Ctrl shortcuts to itself, so a dialog's default button
/// or Cancel never fires while a cell is edited. Escape cancels; Enter gives
/// the focus back to the list. When it loses the focus it reports the text
/// (none when cancelled, or when its window is closing) through `editEnded`
/// and deletes itself.
class UIEDITOR_EXPORT CInPlaceEdit : public QLineEdit
{
    Q_OBJECT

public:
    CInPlaceEdit(int row, int column, const QString& text, QWidget* parent);
    ~CInPlaceEdit() override;

    int row() const { return m_row; }
    int column() const { return m_column; }
    bool isCancelled() const { return m_cancelled; }

    /// The edit may grow to this x position (in its parent's coordinates)
    /// while the text no longer fits.
    void setGrowthLimit(int right) { m_growthLimit = right; }

Q_SIGNALS:
    /// The edit ended: the text typed, or no text when it was cancelled.
    void editEnded(int row, int column, const std::optional<QString>& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void finish();
    void growToFitText();

    int m_row;
    int m_column;
    QString m_initialText;
    bool m_cancelled = false;
    bool m_finished = false;
    int m_growthLimit = 0;
};
