#pragma once

#include "outside/core/corestring.h"
#include "outside/core/coretextencoding.h"
#include "uieditor_export.h"

#include <QByteArray>

/// The bytes of a stylesheet and the text they hold, with the way back from
/// a character of the text to its bytes, so that one part of a file can be
/// replaced while every other byte stays exactly as it was.
///
/// The encoding is told by the byte-order mark: UTF-8 with or without one,
/// UTF-16 little- or big-endian with one. Bytes that are not UTF-8 read as
/// U+FFFD, one per byte, and are never rewritten; so is a lone last byte of
/// UTF-16.
class UIEDITOR_EXPORT StylesheetText
{
public:
    explicit StylesheetText(QByteArray bytes = QByteArray());

    const QByteArray& bytes() const { return m_bytes; }
    /// The text without the byte-order mark.
    const Core::String& text() const { return m_text; }
    /// Utf8, Utf16LE or Utf16BE.
    Core::IO::TextEncoding encoding() const { return m_encoding; }
    bool hasByteOrderMark() const { return m_bomSize > 0; }
    /// The text's line break: its first one ("\r\n", "\n" or "\r"), "\n" when
    /// it has none.
    const Core::String& lineBreak() const { return m_lineBreak; }

    /// Where character `index` of text() starts in bytes(); the size of bytes()
    /// for index == text().length(). The second half of a surrogate pair has
    /// no bytes of its own: it gives the offset after the pair.
    qint64 byteOffset(int index) const;
    /// `text` in this encoding (no byte-order mark), its "\n" line breaks
    /// turned into lineBreak().
    QByteArray encode(const Core::String& text) const;
    /// The bytes with the characters `first` to `last` (both included; `last`
    /// may be first - 1 to insert) replaced by encode(replacement). Raises
    /// Core::Exception for a range outside the text.
    QByteArray replaced(int first, int last, const Core::String& replacement) const;
    /// The bytes followed by encode(addition).
    QByteArray appended(const Core::String& addition) const;

private:
    QByteArray m_bytes;
    Core::String m_text;
    Core::IO::TextEncoding m_encoding = Core::IO::TextEncoding::Utf8;
    int m_bomSize = 0;
    Core::String m_lineBreak;
};
