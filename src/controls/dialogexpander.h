#pragma once

#include "frame/dialog.h"

class QAbstractButton;

/// Base of the dialogs that fold away an optional part: everything inside a
/// marker frame. Folded, the frame's controls are hidden, the controls below
/// it move up and the dialog is smaller by the frame's height; unfolded, all
/// of it shows again.
///
/// The form lays itself out with Qt layouts and puts the foldable controls in
/// one container widget, the frame, whose "controlId" is `frameId`; the layout
/// moves the controls below it. The expand button (controlId `buttonId`, 0 for
/// none) is labelled with message 63316 ("More") while folded and 63317
/// ("Less") while unfolded. The class connects nothing itself: a derived
/// dialog routes its button's click, or any other reason to fold, to
/// resizeDialog().
class UIEDITOR_EXPORT DialogExpander : public Dialog
{
    Q_OBJECT

public:
    /// `initiallyExpanded` 0 opens the dialog folded, any other value unfolded.
    DialogExpander(unsigned templateId, unsigned buttonId, unsigned frameId, int initiallyExpanded,
                   QWidget* parent = nullptr);
    ~DialogExpander() override;

    /// Chooses how the dialog opens; read once, when it opens, so it has no
    /// effect on a dialog already shown.
    void setInitiallyExpanded(int initiallyExpanded);
    /// 1 while the part inside the frame shows, 0 while it is folded away.
    int IsExpanded() const { return m_expanded; }
    /// Folds an unfolded dialog and unfolds a folded one: hides or shows the
    /// frame's controls, resizes the dialog and relabels the expand button.
    void resizeDialog();

protected:
    /// Labels the expand button and folds the dialog when it opens folded.
    /// Derived dialogs call it first in their own OnInitDialog.
    bool OnInitDialog() override;

private:
    QWidget* frame() const;
    QAbstractButton* expandButton() const;
    void fold(QWidget* frame);
    void unfold(QWidget* frame);
    void relayout(QWidget* frame);
    bool hasOwnHeight() const;

    int m_initiallyExpanded;
    int m_expanded = 1;
    unsigned m_buttonId;
    unsigned m_frameId;
    // What the dialog lost in height when it last folded, given back when it
    // unfolds (the frame may have been stretched beyond its preferred height).
    int m_foldedHeight = 0;
};
