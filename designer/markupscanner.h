#pragma once

#include <QByteArray>
#include <vector>

/// Where each element and each of its attributes sits in a template's bytes,
/// so that an edit can rewrite one start tag and leave everything else (the
/// user's comments, attribute layout, entity references) as typed.
///
/// Any input is accepted; text that is not well-formed markup (or that this
/// scanner does not follow, such as elements coming from entity references)
/// leaves the scan invalid.
class MarkupScanner
{
public:
    struct Attribute
    {
        QByteArray name;       ///< as typed, with its prefix
        qsizetype start = 0;   ///< first byte of the name
        qsizetype valueStart = 0; ///< first byte after the opening quote
        qsizetype valueEnd = 0;   ///< the closing quote
    };
    struct Element
    {
        QByteArray name;          ///< as typed, with its prefix
        qsizetype start = 0;      ///< the '<' of the start tag
        qsizetype startTagEnd = 0;   ///< after the start tag's '>'
        qsizetype contentEnd = 0;    ///< the '<' of the end tag; startTagEnd for an empty tag
        qsizetype end = 0;           ///< after the element's last byte
        bool empty = false;          ///< written as one tag ("<x/>")
        std::vector<Attribute> attributes;
    };

    explicit MarkupScanner(const QByteArray& text);

    bool isValid() const { return m_valid; }
    /// The elements in document order (the order of their start tags).
    const std::vector<Element>& elements() const { return m_elements; }
    /// The index of the first element whose start tag begins at or after
    /// `offset`; elements().size() when none does.
    qsizetype firstElementFrom(qsizetype offset) const;

private:
    bool scan();
    bool skipPast(const char* terminator);
    bool skipDeclaration();
    bool readStartTag();
    bool readEndTag();
    QByteArray readName();
    void skipSpaces();
    bool at(const char* prefix) const;

    const QByteArray m_text; // shared, not copied
    qsizetype m_pos = 0;
    std::vector<Element> m_elements;
    std::vector<qsizetype> m_open; // indices of the elements not closed yet
    bool m_valid = false;
};
