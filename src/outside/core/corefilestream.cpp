#include "outside/core/corefilestream.h"

#include "outside/core/coreexception.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Core::IO {

FileStream::FileStream(const String& path, int flags) : m_path(path)
{
    if (flags & Atomic) {
        auto file = std::make_unique<QSaveFile>(path.toQString());
        if (!file->open(QIODevice::WriteOnly)) {
            m_file = std::move(file);
            fail(QStringLiteral("Cannot write"));
        }
        m_file = std::move(file);
        return;
    }
    QIODevice::OpenMode mode;
    if (flags & Read) {
        mode |= QIODevice::ReadOnly;
    }
    const bool writing = flags & (Write | Truncate | Append);
    if (writing) {
        if (!(flags & Create) && !QFileInfo::exists(path.toQString())) {
            throw Exception(String(QStringLiteral("Cannot open \"%1\": the file does not exist.").arg(path.toQString())));
        }
        if (flags & Truncate) {
            mode |= QIODevice::WriteOnly | QIODevice::Truncate;
        } else if (flags & Append) {
            mode |= QIODevice::WriteOnly | QIODevice::Append;
        } else {
            // Qt truncates a write-only file; writing in place keeps what is not overwritten.
            mode |= QIODevice::ReadWrite;
        }
    }
    if (mode == QIODevice::NotOpen) {
        throw Exception(String(QStringLiteral("Cannot open \"%1\": no access mode was asked for.").arg(path.toQString())));
    }
    m_file = std::make_unique<QFile>(path.toQString());
    if (QFileInfo(path.toQString()).isDir()) {
        throw Exception(String(QStringLiteral("Cannot open \"%1\": it is a folder.").arg(path.toQString())));
    }
    if (!m_file->open(mode)) {
        fail(writing ? QStringLiteral("Cannot write") : QStringLiteral("Cannot read"));
    }
}

FileStream::~FileStream()
{
    if (auto* save = dynamic_cast<QSaveFile*>(m_file.get())) {
        save->cancelWriting(); // not committed: leave the target as it was
    }
}

void FileStream::fail(const QString& what) const
{
    const QString reason = m_file ? m_file->errorString() : QString();
    throw Exception(String(QStringLiteral("%1 \"%2\": %3").arg(what, m_path.toQString(), reason)));
}

qint64 FileStream::read(char* buffer, qint64 maxBytes)
{
    const qint64 got = m_file->read(buffer, maxBytes);
    if (got < 0) {
        fail(QStringLiteral("Cannot read"));
    }
    return got;
}

void FileStream::write(const char* data, qint64 bytes)
{
    if (bytes > 0 && m_file->write(data, bytes) != bytes) {
        fail(QStringLiteral("Cannot write"));
    }
}

qint64 FileStream::seek(qint64 offset, SeekOrigin origin)
{
    const qint64 base = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? m_file->pos() : m_file->size();
    if (base + offset < 0 || !m_file->seek(base + offset)) {
        fail(QStringLiteral("Cannot move within"));
    }
    return m_file->pos();
}

qint64 FileStream::position() const
{
    return m_file->pos();
}

qint64 FileStream::length() const
{
    return m_file->size();
}

void FileStream::commit()
{
    auto* save = dynamic_cast<QSaveFile*>(m_file.get());
    if (!save) {
        m_file->flush();
        return;
    }
    if (!save->commit()) {
        fail(QStringLiteral("Cannot save"));
    }
}

} // namespace Core::IO
