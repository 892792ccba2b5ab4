#pragma once

#include "outside/core/corestring.h"

#include <vector>

/// Temporary files to delete when the library unloads (or the process exits).
/// The library keeps one instance; hosts and dialogs register through addFile().
class UIEDITOR_EXPORT TmpFileToDeleteAtExit
{
public:
    TmpFileToDeleteAtExit() = default;
    TmpFileToDeleteAtExit(const TmpFileToDeleteAtExit&) = default;
    TmpFileToDeleteAtExit& operator=(const TmpFileToDeleteAtExit&) = default;
    /// Deletes every registered file in registration order; failures are ignored.
    virtual ~TmpFileToDeleteAtExit();

    /// Registers `path` with the library's instance.
    static void addFile(Core::String path);
    static TmpFileToDeleteAtExit& instance();

    void add(Core::String path) { m_files.push_back(std::move(path)); }
    const std::vector<Core::String>& files() const { return m_files; }

private:
    std::vector<Core::String> m_files;
};
