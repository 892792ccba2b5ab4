#include "templatesourceview.h"

#include "sourcehighlighter.h"
#include "sourcesearch.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>

TemplateSourceView::TemplateSourceView(QWidget* parent)
    : QPlainTextEdit(parent), m_highlighter(new SourceHighlighter(document()))
{
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    m_applyTimer.setSingleShot(true);
    m_applyTimer.setInterval(applyDelayMs);
    connect(&m_applyTimer, &QTimer::timeout, this, &TemplateSourceView::applyPendingEdits);
    connect(document(), &QTextDocument::contentsChanged, this,
            &TemplateSourceView::onContentsChanged);
}

TemplateSourceView::~TemplateSourceView() = default;

void TemplateSourceView::showMarkup(const QString& markup)
{
    if (markup == toPlainText()) {
        return;
    }
    const int position = textCursor().position();
    const int scroll = verticalScrollBar()->value();
    m_showing = true;
    setPlainText(markup);
    m_showing = false;
    m_pending = false;
    m_applyTimer.stop();
    QTextCursor cursor = textCursor();
    cursor.setPosition(qMin(position, int(markup.size())));
    setTextCursor(cursor);
    verticalScrollBar()->setValue(scroll);
}

void TemplateSourceView::updateMarkup(const QString& markup)
{
    const QString shown = toPlainText();
    if (markup == shown) {
        return;
    }
    const qsizetype shorter = qMin(shown.size(), markup.size());
    qsizetype head = 0;
    while (head < shorter && shown.at(head) == markup.at(head)) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < shorter - head && shown.at(shown.size() - 1 - tail) == markup.at(markup.size() - 1 - tail)) {
        ++tail;
    }
    const int scroll = verticalScrollBar()->value();
    m_showing = true;
    QTextCursor change(document());
    change.setPosition(int(head));
    change.setPosition(int(shown.size() - tail), QTextCursor::KeepAnchor);
    change.insertText(markup.mid(head, markup.size() - head - tail));
    m_showing = false;
    m_pending = false;
    m_applyTimer.stop();
    verticalScrollBar()->setValue(scroll);
}

void TemplateSourceView::focusOutEvent(QFocusEvent* event)
{
    // Whatever the user does next elsewhere changes the template: typing
    // waiting here goes first, or the two would overwrite each other.
    applyPendingEdits();
    QPlainTextEdit::focusOutEvent(event);
}

void TemplateSourceView::onContentsChanged()
{
    if (m_showing) {
        return;
    }
    m_pending = true;
    m_applyTimer.start();
}

void TemplateSourceView::applyPendingEdits()
{
    m_applyTimer.stop();
    if (m_pending) {
        m_pending = false;
        Q_EMIT markupEdited(toPlainText());
    }
}

void TemplateSourceView::selectRange(int start, int end)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

bool TemplateSourceView::findNext(const SourceSearch& search)
{
    const QTextCursor cursor = textCursor();
    const auto found = search.find(toPlainText(), {cursor.selectionStart(), cursor.selectionEnd()});
    if (!found) {
        return false;
    }
    selectRange(found->first, found->second);
    return true;
}

bool TemplateSourceView::replaceCurrent(const SourceSearch& search, const QString& with)
{
    QTextCursor cursor = textCursor();
    const QString text = toPlainText();
    const SourceSearch::Range selection(cursor.selectionStart(), cursor.selectionEnd());
    const bool replaced = search.matchesExactly(text, selection);
    if (replaced) {
        cursor.insertText(search.replacement(text, selection, with));
        setTextCursor(cursor);
    }
    findNext(search);
    return replaced;
}

int TemplateSourceView::replaceAll(const SourceSearch& search, const QString& with)
{
    int count = 0;
    const QString replaced = search.replaceAll(toPlainText(), with, &count);
    if (count > 0) {
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(replaced);
        cursor.endEditBlock();
    }
    return count;
}
