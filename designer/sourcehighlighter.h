#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

/// Colours the template's markup by what the syntax catalogue knows: element
/// and attribute names of each vocabulary in its colour, names the vocabulary
/// does not define underlined in red, and attributes it defines but the
/// element does not take underlined in orange. Names without a known prefix
/// (sample data, other namespaces) are shown plainly, neither right nor wrong.
class SourceHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    /// What a name turned out to be, as tests and tool tips ask.
    enum class Verdict { Neutral, Known, Unknown, NotTaken };

    explicit SourceHighlighter(QTextDocument* document);

    /// The verdict behind a format this highlighter applied.
    static Verdict verdictOf(const QTextCharFormat& format);

protected:
    void highlightBlock(const QString& text) override;

private:
    enum State {
        Text = 0,
        InTag = 1,
        InDoubleQuoted = 2,
        InSingleQuoted = 3,
        InComment = 4,
        InCData = 5,
        InDeclaration = 6
    };

    int elementName(const QString& text, int from, QString* name);
    void markElement(int start, const QString& name);
    void markAttribute(int start, const QString& name, const QString& element);
    QTextCharFormat nameFormat(QColor color, Verdict verdict, bool bold) const;

    QTextCharFormat m_punctuation;
    QTextCharFormat m_value;
    QTextCharFormat m_comment;
    QTextCharFormat m_declaration;
    QTextCharFormat m_neutral;
};
