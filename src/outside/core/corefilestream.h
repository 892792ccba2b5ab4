#pragma once

#include "outside/core/corestream.h"

#include <memory>

class QFileDevice;

namespace Core::IO {

/// A stream over a file on disk.
///
/// With `Atomic`, writing goes to a temporary file beside the target and
/// replaces the target only on commit(): a stream destroyed without commit()
/// leaves the old file untouched, so an interrupted rewrite never loses data.
class UIEDITOR_EXPORT FileStream : public Stream
{
public:
    enum OpenFlag {
        Read = 0x01,
        Write = 0x02,
        Create = 0x04,   ///< create the file when it does not exist (with Write)
        Truncate = 0x08, ///< start empty (with Write)
        Append = 0x10,   ///< write at the end (with Write)
        Atomic = 0x20,   ///< replace the whole file on commit() (implies Write)
    };

    /// Opens `path`; raises Core::Exception naming the file and the reason.
    FileStream(const String& path, int flags);
    ~FileStream() override;

    qint64 read(char* buffer, qint64 maxBytes) override;
    using Stream::write;
    void write(const char* data, qint64 bytes) override;
    qint64 seek(qint64 offset, SeekOrigin origin = SeekOrigin::Begin) override;
    qint64 position() const override;
    qint64 length() const override;

    /// Atomic streams: puts the written content in place. Raises on failure.
    void commit();
    const String& path() const { return m_path; }

private:
    [[noreturn]] void fail(const QString& what) const;

    String m_path;
    std::unique_ptr<QFileDevice> m_file;
};

} // namespace Core::IO
