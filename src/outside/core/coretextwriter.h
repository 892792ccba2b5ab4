#pragma once

#include "outside/core/corestream.h"
#include "outside/core/coretextencoding.h"
#include "outside/core/smartptr.h"

namespace Core::IO {

/// Writes text to a stream in a given encoding, optionally starting with a
/// byte-order mark (Detect writes UTF-8).
class UIEDITOR_EXPORT TextWriter
{
public:
    TextWriter(SmartPtr<Stream> stream, TextEncoding encoding, bool writeByteOrderMark = false);

    void write(const String& text);
    void writeLine(const String& text);

private:
    void writeMarkOnce();

    SmartPtr<Stream> m_stream;
    TextEncoding m_encoding;
    bool m_markPending;
};

} // namespace Core::IO
