#pragma once

#include "outside/core/corestream.h"

namespace Core::IO {

/// A stream over bytes held in memory; it grows as it is written.
class UIEDITOR_EXPORT MemoryStream : public Stream
{
public:
    MemoryStream() = default;
    explicit MemoryStream(const QByteArray& data) : m_data(data) {}

    qint64 read(char* buffer, qint64 maxBytes) override;
    using Stream::write;
    void write(const char* data, qint64 bytes) override;
    qint64 seek(qint64 offset, SeekOrigin origin = SeekOrigin::Begin) override;
    qint64 position() const override { return m_position; }
    qint64 length() const override { return m_data.size(); }

    const QByteArray& data() const { return m_data; }

private:
    QByteArray m_data;
    qint64 m_position = 0;
};

} // namespace Core::IO
