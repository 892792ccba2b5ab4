#pragma once

// Sample sources written into a scratch folder, as a user's files would be.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

namespace SampleFiles {

/// Writes `content` to `name` below `folder` (making sub-folders) and
/// answers the full path.
inline QString write(const QString& folder, const QString& name, const QByteArray& content)
{
    const QString path = QDir(folder).filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

/// A schema document around `body`, with the usual "xs" prefix.
inline QByteArray schema(const QByteArray& body, const QByteArray& rootAttributes = QByteArray())
{
    return "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" " + rootAttributes + ">\n" +
           body + "\n</xs:schema>\n";
}

} // namespace SampleFiles
