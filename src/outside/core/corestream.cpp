#include "outside/core/corestream.h"

namespace Core::IO {

Stream::~Stream() = default;

QByteArray Stream::readAll()
{
    QByteArray data;
    const qint64 remaining = length() - position();
    if (remaining > 0) {
        data.reserve(remaining);
    }
    char buffer[16384];
    for (;;) {
        const qint64 got = read(buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        data.append(buffer, got);
    }
    return data;
}

} // namespace Core::IO
