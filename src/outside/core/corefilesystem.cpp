#include "outside/core/corefilesystem.h"

#include "outside/core/coreexception.h"
#include "outside/core/corefilestream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace Core::IO {

namespace {

QString normalized(const String& path)
{
    return QDir::fromNativeSeparators(QString(path.toQString()).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

} // namespace

bool FileSystem::exists(const String& path)
{
    return !path.isEmpty() && QFileInfo::exists(normalized(path));
}

bool FileSystem::fileExists(const String& path)
{
    return !path.isEmpty() && QFileInfo(normalized(path)).isFile();
}

bool FileSystem::directoryExists(const String& path)
{
    return !path.isEmpty() && QFileInfo(normalized(path)).isDir();
}

String FileSystem::combine(const String& base, const String& relative)
{
    const QString rel = normalized(relative);
    if (base.isEmpty() || QDir::isAbsolutePath(rel)) {
        return rel;
    }
    if (rel.isEmpty()) {
        return normalized(base);
    }
    return QDir::cleanPath(normalized(base) + QLatin1Char('/') + rel);
}

String FileSystem::getDirectoryName(const String& path)
{
    const QString p = normalized(path);
    const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
        return String();
    }
    return slash == 0 ? QStringLiteral("/") : p.left(slash);
}

String FileSystem::getFileName(const String& path)
{
    const QString p = normalized(path);
    return p.mid(p.lastIndexOf(QLatin1Char('/')) + 1);
}

String FileSystem::getFileNameWithoutExtension(const String& path)
{
    const String name = getFileName(path);
    const int dot = name.findLast(QLatin1Char('.'));
    return dot <= 0 ? name : name.left(dot);
}

String FileSystem::getExtension(const String& path)
{
    const String name = getFileName(path);
    const int dot = name.findLast(QLatin1Char('.'));
    return dot <= 0 ? String() : name.subString(dot);
}

String FileSystem::getFullPath(const String& path)
{
    return QFileInfo(normalized(path)).absoluteFilePath();
}

bool FileSystem::isAbsolute(const String& path)
{
    return QDir::isAbsolutePath(normalized(path));
}

String FileSystem::makeRelative(const String& path, const String& baseFolder)
{
    if (path.isEmpty() || baseFolder.isEmpty()) {
        return path;
    }
    const QString absolute = QFileInfo(normalized(path)).absoluteFilePath();
    const QDir base(normalized(baseFolder));
    const QString relative = base.relativeFilePath(absolute);
    // relativeFilePath() gives an absolute path back when the roots differ.
    return QDir::isAbsolutePath(relative) ? String(absolute) : String(relative);
}

String FileSystem::toNativeSeparators(const String& path)
{
    return QDir::toNativeSeparators(normalized(path));
}

String FileSystem::getTempPath()
{
    return QDir::tempPath();
}

String FileSystem::createTempFile(const String& prefix, const String& extension)
{
    QTemporaryFile file(QDir::tempPath() + QLatin1Char('/') + prefix.toQString() + QStringLiteral("XXXXXX") +
                        extension.toQString());
    file.setAutoRemove(false);
    if (!file.open()) {
        throw Exception(String(QStringLiteral("Cannot create a temporary file in \"%1\": %2")
                                   .arg(QDir::tempPath(), file.errorString())));
    }
    return file.fileName();
}

QByteArray FileSystem::readAllBytes(const String& path)
{
    FileStream stream(normalized(path), FileStream::Read);
    return stream.readAll();
}

void FileSystem::writeAllBytes(const String& path, const QByteArray& content)
{
    FileStream stream(normalized(path), FileStream::Atomic);
    stream.write(content);
    stream.commit();
}

bool FileSystem::deleteFile(const String& path)
{
    return QFile::remove(normalized(path));
}

void FileSystem::createDirectory(const String& path)
{
    if (!QDir().mkpath(normalized(path))) {
        throw Exception(String(QStringLiteral("Cannot create the folder \"%1\".").arg(normalized(path))));
    }
}

} // namespace Core::IO
