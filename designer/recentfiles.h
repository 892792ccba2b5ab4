#pragma once

#include <QStringList>

/// The templates opened last, most recent first, kept in the user's settings.
class RecentFiles
{
public:
    static constexpr int maximumCount = 8;

    static QStringList paths();
    /// Puts `path` first, dropping the oldest beyond maximumCount.
    static void add(const QString& path);
    static void remove(const QString& path);
    static void clear();

private:
    static void store(const QStringList& paths);
};
