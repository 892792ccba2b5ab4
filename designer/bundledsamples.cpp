#include "bundledsamples.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString BundledSamples::install(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        return QString();
    }
    for (const QString& name : {QStringLiteral("invoice-template.fo"), QStringLiteral("invoice.xml"),
                                QStringLiteral("invoice.xsd"), QStringLiteral("invoice.lfa")}) {
        const QString target = QDir(folder).filePath(name);
        if (QFile::exists(target)) {
            continue;
        }
        if (!QFile::copy(QStringLiteral(":/designer/samples/") + name, target)) {
            return QString();
        }
        // Resource files are read-only; the user's copy must not be.
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return QDir(folder).filePath(QStringLiteral("invoice-template.fo"));
}

QString BundledSamples::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("samples"));
}
