#pragma once

#include "css/stylesheettext.h"
#include "outside/core/corestring.h"
#include "outside/core/coretextencoding.h"
#include "uieditor_export.h"

#include <QDateTime>

/// A stylesheet file read whole, in its own encoding (see StylesheetText), so
/// that CssHelper can look into it and change one part while every other byte
/// stays as it was.
///
/// Rewrites replace the file atomically (QSaveFile: an interrupted write leaves
/// the old file), keep the byte-order mark, the encoding and the file's line
/// breaks, and are refused when the file changed on disk since it was read
/// (size, modification time or content) or is read-only (no write permission
/// for anybody, whoever runs the program). Errors are Core::Exception with a
/// message that names the file.
class UIEDITOR_EXPORT StylesheetFile
{
public:
    /// Larger files are refused: a stylesheet is text that people write.
    static constexpr qint64 MaxSize = 64 * 1024 * 1024;

    /// Reads `path` (a symbolic link is followed). Raises when the file is
    /// missing, a folder, unreadable, too large, or changes while being read.
    explicit StylesheetFile(const Core::String& path);

    /// Writes a new stylesheet `path` holding `text`: UTF-8 without a mark,
    /// "\n" line breaks. Raises when something exists there already or the
    /// file cannot be written (a missing folder is not made).
    static void create(const Core::String& path, const Core::String& text);

    const Core::String& path() const { return m_path; }
    /// The text without the byte-order mark.
    const Core::String& text() const { return m_content.text(); }
    Core::IO::TextEncoding encoding() const { return m_content.encoding(); }
    bool hasByteOrderMark() const { return m_content.hasByteOrderMark(); }
    const Core::String& lineBreak() const { return m_content.lineBreak(); }

    /// Replaces the characters `first` to `last` (both included) of text() by
    /// `replacement`, whose "\n" line breaks become the file's, and writes the
    /// file back.
    void replace(int first, int last, const Core::String& replacement);
    /// Adds `addition` (line breaks as for replace) at the end and writes the
    /// file back.
    void append(const Core::String& addition);

private:
    void load();
    void checkUnchanged() const;
    void write(const QByteArray& content);

    Core::String m_path;
    StylesheetText m_content;
    qint64 m_size = 0;
    QDateTime m_modified;
};
