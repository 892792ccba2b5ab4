#include "recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const char* const settingsKey = "recentTemplates";

QString normalized(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QStringList RecentFiles::paths()
{
    return QSettings().value(QLatin1String(settingsKey)).toStringList();
}

void RecentFiles::add(const QString& path)
{
    QStringList list = paths();
    const QString full = normalized(path);
    list.removeAll(full);
    list.prepend(full);
    store(list.mid(0, maximumCount));
}

void RecentFiles::remove(const QString& path)
{
    QStringList list = paths();
    list.removeAll(normalized(path));
    store(list);
}

void RecentFiles::clear()
{
    store({});
}

void RecentFiles::store(const QStringList& paths)
{
    QSettings settings;
    if (paths.isEmpty()) {
        settings.remove(QLatin1String(settingsKey));
    } else {
        settings.setValue(QLatin1String(settingsKey), paths);
    }
}
