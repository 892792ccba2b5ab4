#pragma once

namespace Core::IO {

/// How text is stored in bytes. `Detect` reads a byte-order mark and falls
/// back to UTF-8.
enum class TextEncoding { Detect, Utf8, Utf16LE, Utf16BE, Latin1 };

} // namespace Core::IO
