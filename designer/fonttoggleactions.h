#pragma once

#include <QObject>

class DesignerWindow;
class QAction;

/// Format > Bold, Italic and Underline, also on the toolbar (Ctrl+B, I, U).
/// Each switches one font setting of the selected object the way the Font
/// dialog writes it (only that property, "normal" or "none" only over a
/// value that is there), as one undoable step. They are checked when the
/// selected object has the setting, and disabled, saying why, when the
/// selection is no object of a flow.
class FontToggleActions : public QObject
{
    Q_OBJECT

public:
    enum class Setting { Bold, Italic, Underline };

    explicit FontToggleActions(DesignerWindow& window);

    QAction* action(Setting setting) const;
    QList<QAction*> actions() const { return m_actions; }
    /// Follows the selection and the template: enabling, check marks, status tips.
    void update();
    /// Switches `setting` on the selected object.
    void toggle(Setting setting);

private:
    DesignerWindow& m_window;
    QList<QAction*> m_actions;
};
