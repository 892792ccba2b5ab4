#pragma once

#include "markupscanner.h"

#include <optional>
#include <utility>
#include <vector>

/// Rewrites one start tag of a template: changes the values of attributes in
/// place (keeping their quotes and the spaces around them), removes
/// attributes with the space before them, and appends new ones after the last
/// attribute, so the rest of the tag's layout stays as typed.
class StartTagRewriter
{
public:
    StartTagRewriter(const QByteArray& text, const MarkupScanner::Element& element, bool asciiOnly);

    /// Sets attribute `name` (qualified as it is to be typed) to `value`, or
    /// removes it when `value` is empty.
    void set(const QByteArray& name, const std::optional<QString>& value);
    /// Makes an empty tag ("<x/>") a start tag ("<x>"), for content to follow.
    void open() { m_open = true; }
    /// The start tag with every change made.
    QByteArray result() const;

    /// `value` as the text of an attribute quoted with `quote`; characters
    /// beyond ASCII become references when `asciiOnly`.
    static QByteArray escaped(const QString& value, char quote, bool asciiOnly);
    /// ` name="value"`, escaped as escaped() does, for a tag being written.
    static QByteArray attributeText(const char* name, const QString& value, bool asciiOnly);

private:
    QByteArray m_text;
    MarkupScanner::Element m_element;
    bool m_asciiOnly;
    bool m_open = false;
    std::vector<std::pair<QByteArray, std::optional<QString>>> m_changes;
};
