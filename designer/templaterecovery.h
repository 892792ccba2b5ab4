#pragma once

#include <QByteArray>
#include <QString>

/// The copy of unsaved work that survives a crash: the template's markup and
/// the path of the file it belongs to, kept apart from the user's own file.
class TemplateRecovery
{
public:
    struct Content
    {
        QByteArray text;
        QString path; ///< the template's own file; empty when untitled
    };

    /// Where the recovery files are kept.
    static QString folder();
    static bool exists();
    /// Writes atomically; false when the folder cannot be written.
    static bool write(const QByteArray& text, const QString& path);
    static Content read();
    static void remove();

private:
    static QString markupFile();
    static QString pathFile();
};
