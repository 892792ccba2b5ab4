// Positional formatting of arbitrary patterns: every input either formats or
// raises Core::Exception; nothing else may happen.
#include "outside/core/coreexception.h"
#include "outside/core/coreformat.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        Core::Format::format(text, "text", 42, -3.25, 1e300, Core::String());
    } catch (const Core::Exception&) {
    }
    // The text as a number format, and as an integer.
    try {
        Core::Format::formatValue(1234.5678, text);
        Core::Format::formatValue(qint64(-98765), text);
    } catch (const Core::Exception&) {
    }
    Core::Format::parseInt(text, 0);
    try {
        Core::Format::parseDouble(text);
    } catch (const Core::Exception&) {
    }
    return 0;
}
