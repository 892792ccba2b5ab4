#include "outside/sharedui/sharedfiledialogs.h"

#include <QFileDialog>

namespace SharedUI {

namespace {
FileDialogHandler* currentHandler = nullptr;
}

FileDialogHandler::~FileDialogHandler() = default;

void FileDialogs::setHandler(FileDialogHandler* handler)
{
    currentHandler = handler;
}

FileDialogHandler* FileDialogs::handler()
{
    return currentHandler;
}

Core::String FileDialogs::toQtFilter(const Core::String& filter)
{
    const QString& text = filter.toQString();
    if (!text.contains(QLatin1Char('|'))) {
        return filter;
    }
    QStringList parts = text.split(QLatin1Char('|'));
    while (!parts.isEmpty() && parts.last().isEmpty()) {
        parts.removeLast();
    }
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*"); // files without an extension count too
            }
        }
        QString description = parts.at(i).trimmed();
        // Descriptions often repeat their patterns in parentheses already.
        const qsizetype paren = description.indexOf(QLatin1Char('('));
        if (paren > 0) {
            description = description.left(paren).trimmed();
        }
        entries << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

Core::String FileDialogs::choose(QWidget* parent, const FileDialogRequest& request)
{
    if (currentHandler) {
        return currentHandler->choose(parent, request);
    }
    switch (request.kind) {
    case FileDialogRequest::Kind::Folder:
        return QFileDialog::getExistingDirectory(parent, request.caption, request.directory);
    case FileDialogRequest::Kind::Save: {
        QFileDialog dialog(parent, request.caption, request.directory, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QString(request.defaultExtension.toQString()).remove(QLatin1Char('.')));
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? Core::String(dialog.selectedFiles().constFirst())
                   : Core::String();
    }
    case FileDialogRequest::Kind::Open:
        break;
    }
    return QFileDialog::getOpenFileName(parent, request.caption, request.directory, request.filter);
}

Core::String FileDialogs::getOpenFileName(QWidget* parent, const Core::String& caption,
                                          const Core::String& directory, const Core::String& filter)
{
    return choose(parent, {FileDialogRequest::Kind::Open, caption, directory, toQtFilter(filter), {}});
}

Core::String FileDialogs::getSaveFileName(QWidget* parent, const Core::String& caption,
                                          const Core::String& directory, const Core::String& filter,
                                          const Core::String& defaultExtension)
{
    return choose(parent, {FileDialogRequest::Kind::Save, caption, directory, toQtFilter(filter), defaultExtension});
}

Core::String FileDialogs::getExistingDirectory(QWidget* parent, const Core::String& caption,
                                               const Core::String& directory)
{
    return choose(parent, {FileDialogRequest::Kind::Folder, caption, directory, {}, {}});
}

} // namespace SharedUI
