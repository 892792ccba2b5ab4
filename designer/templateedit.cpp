#include "templateedit.h"

#include "templatedocument.h"

TemplateEdit::TemplateEdit(TemplateDocument& document, const QString& name, const QByteArray& before,
                           const QByteArray& after, int selectedBefore, int selectedAfter)
    : QUndoCommand(name), m_document(document), m_selectedBefore(selectedBefore), m_selectedAfter(selectedAfter)
{
    // Only the part that differs is kept: a large template edited many times
    // does not fill the history with copies of itself.
    const qsizetype shorter = qMin(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head)) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < shorter - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail)) {
        ++tail;
    }
    m_offset = head;
    m_removed = before.mid(head, before.size() - head - tail);
    m_inserted = after.mid(head, after.size() - head - tail);
}

void TemplateEdit::undo()
{
    QByteArray text = m_document.text();
    text.replace(m_offset, m_inserted.size(), m_removed);
    m_document.restore(text, m_selectedBefore);
}

void TemplateEdit::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    QByteArray text = m_document.text();
    text.replace(m_offset, m_removed.size(), m_inserted);
    m_document.restore(text, m_selectedAfter);
}
