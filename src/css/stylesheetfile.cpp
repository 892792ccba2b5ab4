#include "css/stylesheetfile.h"

#include "outside/core/coreexception.h"
#include "outside/core/corefilestream.h"

#include <QFileInfo>

namespace {

QString message(const char* pattern, const Core::String& path)
{
    return QString::fromUtf8(pattern).arg(path.toQString());
}

} // namespace

StylesheetFile::StylesheetFile(const Core::String& path) : m_path(path)
{
    load();
}

void StylesheetFile::create(const Core::String& path, const Core::String& text)
{
    const QFileInfo target(path.toQString());
    // A dangling link counts as existing: writing would replace the link itself.
    if (path.isEmpty() || target.exists() || target.isSymLink()) {
        throw Core::Exception(message("The stylesheet \"%1\" exists already.", path));
    }
    Core::IO::FileStream stream(path, Core::IO::FileStream::Atomic);
    stream.write(StylesheetText().encode(text));
    stream.commit();
}

void StylesheetFile::load()
{
    const QFileInfo before(m_path.toQString());
    if (m_path.isEmpty() || !before.exists()) {
        throw Core::Exception(message("The stylesheet \"%1\" does not exist.", m_path));
    }
    if (before.isDir()) {
        throw Core::Exception(message("\"%1\" is a folder, not a stylesheet file.", m_path));
    }
    if (before.size() > MaxSize) {
        throw Core::Exception(
            message("The stylesheet \"%1\" is larger than 64 MB; it is not read.", m_path));
    }
    {
        Core::IO::FileStream stream(m_path, Core::IO::FileStream::Read);
        m_content = StylesheetText(stream.readAll());
    }
    const QFileInfo after(m_path.toQString());
    if (after.size() != m_content.bytes().size() || after.size() != before.size() ||
        after.lastModified() != before.lastModified()) {
        throw Core::Exception(
            message("The stylesheet \"%1\" changed while it was being read. Try again.", m_path));
    }
    m_size = after.size();
    m_modified = after.lastModified();
}

void StylesheetFile::replace(int first, int last, const Core::String& replacement)
{
    write(m_content.replaced(first, last, replacement));
}

void StylesheetFile::append(const Core::String& addition)
{
    write(m_content.appended(addition));
}

void StylesheetFile::checkUnchanged() const
{
    const QFileInfo now(m_path.toQString());
    bool same = now.exists() && now.size() == m_size && now.lastModified() == m_modified;
    if (same) {
        // Size and time can stay while the content moves on within the clock's
        // resolution; the bytes themselves settle it.
        Core::IO::FileStream stream(m_path, Core::IO::FileStream::Read);
        same = stream.readAll() == m_content.bytes();
    }
    if (!same) {
        throw Core::Exception(message(
            "The stylesheet \"%1\" was changed by another program after it was read. It was "
            "not written, so that those changes are kept; open it again and repeat the edit.",
            m_path));
    }
    // The permission bits themselves, not whether this user may write: root
    // may write anything, but a file nobody may write is not to be rewritten.
    const QFile::Permissions permissions = now.permissions();
    if (!(permissions & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther))) {
        throw Core::Exception(
            message("The stylesheet \"%1\" is read-only; it was not changed.", m_path));
    }
}

void StylesheetFile::write(const QByteArray& content)
{
    checkUnchanged();
    {
        Core::IO::FileStream stream(m_path, Core::IO::FileStream::Atomic);
        stream.write(content);
        stream.commit();
    }
    m_content = StylesheetText(content);
    const QFileInfo written(m_path.toQString());
    m_size = written.size();
    m_modified = written.lastModified();
}
