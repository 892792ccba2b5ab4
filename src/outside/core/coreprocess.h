#pragma once

#include "outside/core/corestring.h"

namespace Core {

/// Facts about the running process and its user.
class UIEDITOR_EXPORT Process
{
public:
    /// The user's own data folder (where per-user libraries live), without a
    /// trailing separator.
    static String getUserAppDataFolder();

private:
    Process() = delete;
};

} // namespace Core
