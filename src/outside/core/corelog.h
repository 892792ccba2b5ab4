#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <functional>
#include <vector>

namespace Core {

/// The core runtime's log: warnings that do not stop an operation and are not
/// worth a message box (a schema reference that cannot be resolved...). The
/// lines are kept for the host to read, and listeners hear each line as it
/// is written, so a host can show them among its own messages.
class UIEDITOR_EXPORT Log
{
public:
    using Listener = std::function<void(const String& line)>;

    /// Only the newest lines are kept; a log is no place for megabytes.
    static constexpr int maxLines = 1000;

    /// Writes one warning line and tells the listeners.
    static void warning(const String& line);
    /// The lines written so far (at most maxLines, oldest first).
    static std::vector<String> lines();
    static void clear();

    /// `listener` hears every line written from now on, on the writer's
    /// thread, until removeListener is called with the answered id.
    static int addListener(Listener listener);
    static void removeListener(int id);

private:
    Log() = delete;
};

} // namespace Core
