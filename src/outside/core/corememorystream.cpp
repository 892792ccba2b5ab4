#include "outside/core/corememorystream.h"

#include "outside/core/coreexception.h"

#include <cstring>

namespace Core::IO {

qint64 MemoryStream::read(char* buffer, qint64 maxBytes)
{
    const qint64 count = qBound<qint64>(0, qMin(maxBytes, m_data.size() - m_position), maxBytes);
    if (count > 0) {
        std::memcpy(buffer, m_data.constData() + m_position, size_t(count));
        m_position += count;
    }
    return count;
}

void MemoryStream::write(const char* data, qint64 bytes)
{
    if (bytes <= 0) {
        return;
    }
    if (m_position > m_data.size()) {
        m_data.resize(m_position, '\0');
    }
    const qint64 overlap = qMin(bytes, m_data.size() - m_position);
    std::memcpy(m_data.data() + m_position, data, size_t(overlap));
    m_data.append(data + overlap, bytes - overlap);
    m_position += bytes;
}

qint64 MemoryStream::seek(qint64 offset, SeekOrigin origin)
{
    const qint64 base = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? m_position : m_data.size();
    const qint64 target = base + offset;
    if (target < 0) {
        throw Exception(String("Cannot move before the start of a memory stream."));
    }
    m_position = target;
    return m_position;
}

} // namespace Core::IO
