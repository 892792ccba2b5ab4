#pragma once

#include "outside/core/corestring.h"

#include <QByteArray>

namespace Core::IO {

/// Paths and files. Paths use the platform's separators on the way out and
/// accept both "/" and "\\" on the way in.
class UIEDITOR_EXPORT FileSystem
{
public:
    static bool exists(const String& path);
    static bool fileExists(const String& path);
    static bool directoryExists(const String& path);

    /// `base` and `relative` joined with one separator; an absolute `relative` wins.
    static String combine(const String& base, const String& relative);
    static String getDirectoryName(const String& path);
    static String getFileName(const String& path);
    static String getFileNameWithoutExtension(const String& path);
    /// The extension with its dot (".css"), or "" when there is none.
    static String getExtension(const String& path);
    static String getFullPath(const String& path);
    static bool isAbsolute(const String& path);
    /// `path` relative to the folder `baseFolder` when both share a root,
    /// otherwise `path` unchanged (absolute).
    static String makeRelative(const String& path, const String& baseFolder);
    /// The path with native separators, for showing to the user.
    static String toNativeSeparators(const String& path);

    static String getTempPath();
    /// Creates a new empty file with a unique name in the temporary folder and
    /// answers its path; raises Core::Exception when that fails.
    static String createTempFile(const String& prefix, const String& extension);

    static QByteArray readAllBytes(const String& path);
    /// Replaces the file's content atomically (write beside, then rename).
    static void writeAllBytes(const String& path, const QByteArray& content);
    static bool deleteFile(const String& path);
    static void createDirectory(const String& path);

private:
    FileSystem() = delete;
};

} // namespace Core::IO
