#include "controls/cinplaceedit.h"

#include <QKeyEvent>
#include <QStyle>

namespace {

bool isKeptKey(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return true;
    default:
        return key->modifiers().testFlag(Qt::ControlModifier);
    }
}

} // namespace

CInPlaceEdit::CInPlaceEdit(int row, int column, const QString& text, QWidget* parent)
    : QLineEdit(text, parent), m_row(row), m_column(column), m_initialText(text)
{
    setObjectName(QStringLiteral("inPlaceEdit"));
    setProperty("controlId", 12650);
}

CInPlaceEdit::~CInPlaceEdit() = default;

bool CInPlaceEdit::event(QEvent* event)
{
    // Shortcuts of the dialog (its default button, Cancel, accelerators)
    // must not see keys meant for the cell.
    if (event->type() == QEvent::ShortcutOverride && isKeptKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        m_cancelled = true;
        event->accept();
        finish();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        finish();
        return;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
    growToFitText();
    if (isKeptKey(event)) {
        event->accept();
    }
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A window closing under the edit, perhaps to be destroyed with its
    // dialog, must hear of no change any more: the edit is dropped.
    if (window()->isHidden()) {
        m_cancelled = true;
    }
    finish();
}

void CInPlaceEdit::finish()
{
    if (m_finished) {
        return;
    }
    m_finished = true;
    // The list, hearing of the end while this edit still has the focus (Enter,
    // Escape), takes the focus back itself.
    Q_EMIT editEnded(m_row, m_column, m_cancelled ? std::nullopt : std::optional<QString>(text()));
    hide();
    deleteLater();
}

void CInPlaceEdit::growToFitText()
{
    // The frame and the edit's own margins come on top of the text.
    const int chrome = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + 4;
    const int needed = fontMetrics().horizontalAdvance(text()) + 5 + chrome;
    if (needed <= width()) {
        return;
    }
    int wanted = needed;
    if (m_growthLimit > x()) {
        wanted = std::min(wanted, m_growthLimit - x());
    }
    if (wanted > width()) {
        resize(wanted, height());
    }
}
