#include "templaterecovery.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

bool writeAtomically(const QString& file, const QByteArray& bytes)
{
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

QByteArray readAll(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace

QString TemplateRecovery::folder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

QString TemplateRecovery::markupFile()
{
    return QDir(folder()).filePath(QStringLiteral("template.fo"));
}

QString TemplateRecovery::pathFile()
{
    return QDir(folder()).filePath(QStringLiteral("template.path"));
}

bool TemplateRecovery::exists()
{
    return QFile::exists(markupFile());
}

bool TemplateRecovery::write(const QByteArray& text, const QString& path)
{
    // The path first: a markup file is only ever found with its own path beside it.
    return QDir().mkpath(folder()) && writeAtomically(pathFile(), path.toUtf8()) &&
           writeAtomically(markupFile(), text);
}

TemplateRecovery::Content TemplateRecovery::read()
{
    return {readAll(markupFile()), QString::fromUtf8(readAll(pathFile()))};
}

void TemplateRecovery::remove()
{
    QFile::remove(markupFile());
    QFile::remove(pathFile());
}
