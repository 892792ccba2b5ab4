#pragma once

#include <QString>
#include <QStringList>

/// Writes the dialog gallery: DIR/<language>/<ClassName>.png for English,
/// German and French, and DIR/index.html that shows them side by side.
///
/// The language of the library is fixed when a process starts, so each
/// language is rendered by a child process of this program with the
/// environment of that language.
class GalleryWriter
{
public:
    explicit GalleryWriter(QString directory);

    /// Renders all languages and the index; false with error() on failure.
    bool writeAll(const QString& program);
    /// Renders the running language into DIR/<language>/ (the child's job).
    bool writeCurrentLanguage();
    QString error() const { return m_error; }

    static QStringList languages() { return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr")}; }

private:
    bool writeIndex();

    QString m_directory;
    QString m_error;
};
