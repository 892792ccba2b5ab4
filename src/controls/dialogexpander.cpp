#include "controls/dialogexpander.h"

#include "outside/core/corestring.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLayout>

#include <algorithm>

namespace {

constexpr unsigned FoldedButtonText = 63316;
constexpr unsigned ExpandedButtonText = 63317;

bool isInside(const QWidget* widget, const QWidget* frame)
{
    return widget == frame || frame->isAncestorOf(widget);
}

bool takesKeyboardFocus(const QWidget* widget, const QWidget* dialog)
{
    return widget->isEnabled() && widget->isVisibleTo(dialog) &&
           (widget->focusPolicy() & Qt::TabFocus);
}

} // namespace

DialogExpander::DialogExpander(unsigned templateId, unsigned buttonId, unsigned frameId,
                               int initiallyExpanded, QWidget* parent)
    : Dialog(templateId, parent), m_initiallyExpanded(initiallyExpanded), m_buttonId(buttonId),
      m_frameId(frameId)
{
}

DialogExpander::~DialogExpander() = default;

void DialogExpander::setInitiallyExpanded(int initiallyExpanded)
{
    m_initiallyExpanded = initiallyExpanded;
}

bool DialogExpander::OnInitDialog()
{
    Dialog::OnInitDialog();
    if (m_expanded == 0) {
        resizeDialog(); // an earlier run ended folded: each run starts open
    }
    m_expanded = 1;
    m_foldedHeight = 0;
    // A plain frame only marks the foldable part in the form; users never see it.
    if (auto* marker = qobject_cast<QFrame*>(frame());
        marker && marker->metaObject() == &QFrame::staticMetaObject) {
        marker->setFrameShape(QFrame::NoFrame);
    }
    if (QAbstractButton* button = expandButton()) {
        button->setText(Core::String::formatS(ExpandedButtonText));
    }
    if (m_initiallyExpanded == 0) {
        resizeDialog();
    }
    return true;
}

void DialogExpander::resizeDialog()
{
    const bool folding = m_expanded != 0;
    if (QAbstractButton* button = expandButton()) {
        button->setText(Core::String::formatS(folding ? FoldedButtonText : ExpandedButtonText));
    }
    if (QWidget* foldable = frame()) {
        if (folding) {
            fold(foldable);
        } else {
            unfold(foldable);
        }
    }
    m_expanded = folding ? 0 : 1;
}

QWidget* DialogExpander::frame() const
{
    return control(int(m_frameId));
}

QAbstractButton* DialogExpander::expandButton() const
{
    return m_buttonId > 0 ? control<QAbstractButton>(int(m_buttonId)) : nullptr;
}

bool DialogExpander::hasOwnHeight() const
{
    // Until it is shown or sized by hand, the dialog takes the size its layout
    // asks for when it first shows, folded or not.
    return isVisible() || testAttribute(Qt::WA_Resized);
}

void DialogExpander::relayout(QWidget* foldable)
{
    for (QWidget* widget = foldable->parentWidget(); widget; widget = widget->parentWidget()) {
        if (widget->layout()) {
            widget->layout()->invalidate();
        }
        if (widget == this) {
            break;
        }
        widget->updateGeometry();
    }
    if (layout()) {
        layout()->activate();
    }
}

void DialogExpander::fold(QWidget* foldable)
{
    // Keyboard focus must not stay on a control that disappears: it goes to
    // the button the user folded with, else to the next control that shows.
    if (QWidget* focus = focusWidget(); focus && isInside(focus, foldable)) {
        QWidget* target = expandButton();
        if (target && (isInside(target, foldable) || !takesKeyboardFocus(target, this))) {
            target = nullptr;
        }
        for (QWidget* next = focus->nextInFocusChain(); !target && next != focus;
             next = next->nextInFocusChain()) {
            if (isAncestorOf(next) && !isInside(next, foldable) && takesKeyboardFocus(next, this)) {
                target = next;
            }
        }
        if (target) {
            target->setFocus(Qt::OtherFocusReason);
        } else {
            focus->clearFocus();
        }
    }

    // Lay out at the present size first: a dialog sized before it opens has
    // not been laid out yet.
    if (hasOwnHeight() && layout()) {
        layout()->invalidate();
        layout()->activate();
    }
    const int heightBefore = height();
    const int hintBefore = sizeHint().height();
    // A frame stretched beyond its preferred height gives all of it back.
    const int stretched = foldable->isVisibleTo(this)
                              ? std::max(0, foldable->height() - foldable->sizeHint().height())
                              : 0;
    foldable->hide();
    relayout(foldable);
    m_foldedHeight = 0;
    if (!hasOwnHeight()) {
        return;
    }
    const int hintAfter = sizeHint().height();
    const int lost = hintBefore > hintAfter ? hintBefore - hintAfter + stretched : 0;
    resize(width(), heightBefore - lost);
    m_foldedHeight = std::max(0, heightBefore - height());
}

void DialogExpander::unfold(QWidget* foldable)
{
    const int heightBefore = height();
    const int hintBefore = sizeHint().height();
    foldable->show();
    relayout(foldable);
    if (!hasOwnHeight()) {
        return;
    }
    const int gained = std::max(sizeHint().height() - hintBefore, m_foldedHeight);
    resize(width(), heightBefore + gained);
}
