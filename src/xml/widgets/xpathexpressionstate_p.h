#pragma once

#include "xml/widgets/xpathundohistory_p.h"

class QLineEdit;

/// Text, selection and caret of the expression edit as undo steps keep them.
class XPathExpressionState
{
public:
    /// What `edit` shows now.
    static XPathUndoHistory::State capture(const QLineEdit* edit);
    /// Shows `state` in `edit`, the caret at the end of the selection it had.
    static void restore(QLineEdit* edit, const XPathUndoHistory::State& state);
};
