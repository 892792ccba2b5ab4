#include "xml/widgets/xpathexpressionstate_p.h"

#include <QLineEdit>

XPathUndoHistory::State XPathExpressionState::capture(const QLineEdit* edit)
{
    const bool selected = edit->hasSelectedText();
    return {edit->text(), selected ? edit->selectionStart() : edit->cursorPosition(),
            selected ? int(edit->selectedText().size()) : 0, edit->cursorPosition()};
}

void XPathExpressionState::restore(QLineEdit* edit, const XPathUndoHistory::State& state)
{
    edit->setText(state.text);
    if (state.selectionLength <= 0) {
        edit->setCursorPosition(state.cursor);
    } else if (state.cursor == state.selectionStart) {
        edit->setSelection(state.selectionStart + state.selectionLength, -state.selectionLength);
    } else {
        edit->setSelection(state.selectionStart, state.selectionLength);
    }
}
