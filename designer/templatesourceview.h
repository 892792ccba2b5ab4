#pragma once

#include <QPlainTextEdit>
#include <QTimer>

class SourceHighlighter;
class SourceSearch;

/// The template's markup as text, highlighted by the syntax catalogue. The
/// user may edit it; once typing pauses (or when the designer asks, before
/// saving) the edited text is handed on with markupEdited(), for the
/// designer to apply to the template. Find and replace work on it.
class TemplateSourceView : public QPlainTextEdit
{
    Q_OBJECT

public:
    /// How long typing must pause before edits are handed on.
    static constexpr int applyDelayMs = 700;

    explicit TemplateSourceView(QWidget* parent = nullptr);
    ~TemplateSourceView() override;

    /// Shows `markup` as the template's text; not an edit. The caret and the
    /// scroll position stay where they were as far as the text allows.
    void showMarkup(const QString& markup);
    /// Changes the text to `markup` as one step of the view's own history,
    /// rewriting only the part that differs; not an edit. The caret stays
    /// on the text around it.
    void updateMarkup(const QString& markup);
    bool hasPendingEdits() const { return m_pending; }
    /// Hands edits waiting for the pause on at once.
    void applyPendingEdits();

    /// Selects the next match in the search's direction, starting again from
    /// the other end when needed; false when there is none.
    bool findNext(const SourceSearch& search);
    /// Replaces the selection when it is a match, then finds the next one;
    /// false when there was nothing to replace.
    bool replaceCurrent(const SourceSearch& search, const QString& with);
    /// Replaces every match in one step the user can undo; answers how many.
    int replaceAll(const SourceSearch& search, const QString& with);

    SourceHighlighter* highlighter() const { return m_highlighter; }

Q_SIGNALS:
    /// The user changed the text; `markup` is all of it.
    void markupEdited(const QString& markup);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onContentsChanged();
    void selectRange(int start, int end);

    SourceHighlighter* m_highlighter;
    QTimer m_applyTimer;
    bool m_showing = false;
    bool m_pending = false;
};
