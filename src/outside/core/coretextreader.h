#pragma once

#include "outside/core/corestream.h"
#include "outside/core/coretextencoding.h"
#include "outside/core/smartptr.h"

namespace Core::IO {

/// Reads text from a stream in a given encoding. With TextEncoding::Detect a
/// UTF-8 or UTF-16 byte-order mark decides, and encoding() tells what was found.
class UIEDITOR_EXPORT TextReader
{
public:
    explicit TextReader(SmartPtr<Stream> stream, TextEncoding encoding = TextEncoding::Detect);

    /// All the remaining text. Invalid bytes become U+FFFD rather than failing.
    String readToEnd();
    /// The encoding in use; after readToEnd() with Detect, the one detected.
    TextEncoding encoding() const { return m_encoding; }
    /// Whether the text started with a byte-order mark.
    bool hadByteOrderMark() const { return m_hadBom; }

private:
    SmartPtr<Stream> m_stream;
    TextEncoding m_encoding;
    bool m_hadBom = false;
};

} // namespace Core::IO
