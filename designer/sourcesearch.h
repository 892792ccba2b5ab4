#pragma once

#include <optional>
#include <QRegularExpression>
#include <QString>
#include <utility>

/// One request of the find window as a pattern over the template's markup:
/// the text found literally or as a regular expression, with the case and
/// whole-word options (FR_* flags). Works on plain text, so the source view
/// and its tests share it.
class SourceSearch
{
public:
    using Range = std::pair<int, int>; ///< first position, position after the last

    SourceSearch(const QString& findWhat, unsigned flags, bool regularExpression);

    /// False for a regular expression that does not compile; errorText() says why.
    bool isValid() const { return m_pattern.isValid(); }
    QString errorText() const;
    bool searchDown() const { return m_down; }

    /// The next match after `selection` (before it, searching up), starting
    /// again from the other end when there is none; empty matches do not count.
    std::optional<Range> find(const QString& text, Range selection) const;
    /// Whether `range` is exactly a match, as a found occurrence is.
    bool matchesExactly(const QString& text, Range range) const;
    /// `range`, a match, replaced by `with`: for a regular expression \1 to \99
    /// stand for the captured groups and \\ for a backslash; plain text is
    /// put in as it stands.
    QString replacement(const QString& text, Range range, const QString& with) const;
    /// Every match replaced; `count` gets how many there were.
    QString replaceAll(const QString& text, const QString& with, int* count) const;

private:
    QString expand(const QRegularExpressionMatch& match, const QString& with) const;

    QRegularExpression m_pattern;
    bool m_regularExpression;
    bool m_down;
};
