#pragma once

#include "outside/core/coreobject.h"
#include "outside/core/corestring.h"

#include <QByteArray>
#include <QtGlobal>

namespace Core::IO {

/// A sequence of bytes that can be read, written and positioned. Failures
/// raise Core::Exception with a message naming the file where there is one.
class UIEDITOR_EXPORT Stream : public Core::Object
{
public:
    enum class SeekOrigin { Begin, Current, End };

    ~Stream() override;

    /// Reads up to `maxBytes` into `buffer`; answers how many were read (0 at the end).
    virtual qint64 read(char* buffer, qint64 maxBytes) = 0;
    virtual void write(const char* data, qint64 bytes) = 0;
    /// Moves to `offset` from `origin`; answers the new position.
    virtual qint64 seek(qint64 offset, SeekOrigin origin = SeekOrigin::Begin) = 0;
    virtual qint64 position() const = 0;
    virtual qint64 length() const = 0;

    void write(const QByteArray& data) { write(data.constData(), data.size()); }
    /// Everything from the current position to the end.
    QByteArray readAll();
};

} // namespace Core::IO
