#include "gallerywriter.h"

#include "dialogregistry.h"
#include "outside/core/coreapplication.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QSaveFile>
#include <QWidget>

namespace {

QString localeFor(const QString& language)
{
    if (language == QLatin1String("de")) {
        return QStringLiteral("de_DE.UTF-8");
    }
    if (language == QLatin1String("fr")) {
        return QStringLiteral("fr_FR.UTF-8");
    }
    return QStringLiteral("en_US.UTF-8");
}

// Offscreen windows have no frame: draw the caption above the client area so
// the screenshot shows the title a user would see.
QImage withCaption(const QPixmap& client, const QString& title)
{
    const int captionHeight = 28;
    QImage image(client.width(), client.height() + captionHeight, QImage::Format_ARGB32);
    image.fill(QColor(0x3c, 0x5a, 0x8c));
    QPainter painter(&image);
    painter.drawPixmap(0, captionHeight, client);
    painter.setPen(Qt::white);
    QFont font = QApplication::font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(10, 0, image.width() - 20, captionHeight), Qt::AlignVCenter | Qt::AlignLeft, title);
    return image;
}

// Every picture of the gallery, in the registry's order.
std::vector<GalleryShot> allShots()
{
    std::vector<GalleryShot> shots;
    for (DialogEntry& entry : DialogRegistry::all()) {
        std::move(entry.shots.begin(), entry.shots.end(), std::back_inserter(shots));
    }
    return shots;
}

// The title as the window manager shows it: "[*]" marks where a modified
// window shows its asterisk.
QString shownTitle(const QWidget& widget)
{
    return widget.windowTitle().replace(QLatin1String("[*]"),
                                        widget.isWindowModified() ? QStringLiteral("*") : QString());
}

} // namespace

GalleryWriter::GalleryWriter(QString directory) : m_directory(std::move(directory)) {}

bool GalleryWriter::writeAll(const QString& program)
{
    for (const QString& language : languages()) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), localeFor(language));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(program, {QStringLiteral("--gallery-language"), m_directory});
        if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            m_error = QStringLiteral("The %1 gallery could not be written.").arg(language);
            return false;
        }
    }
    return writeIndex();
}

bool GalleryWriter::writeCurrentLanguage()
{
    const QString language = Core::Application::getCurrentLanguage().getName().toQString();
    const QDir folder(QDir(m_directory).filePath(language));
    if (!QDir().mkpath(folder.path())) {
        m_error = QStringLiteral("Cannot create the folder %1.").arg(folder.path());
        return false;
    }
    for (const GalleryShot& shot : allShots()) {
        std::unique_ptr<QWidget> widget = shot.create();
        widget->show();
        QApplication::processEvents();
        const QString path = folder.filePath(shot.name + QStringLiteral(".png"));
        if (!withCaption(widget->grab(), shownTitle(*widget)).save(path, "PNG")) {
            m_error = QStringLiteral("Cannot write %1.").arg(path);
            return false;
        }
        widget->close();
    }
    return true;
}

bool GalleryWriter::writeIndex()
{
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>uieditor dialog gallery</title>\n"
        "<style>body{font-family:sans-serif} td{vertical-align:top;padding:8px} img{max-width:100%}</style>\n"
        "</head><body>\n<h1>uieditor dialog gallery</h1>\n<table>\n<tr><th></th>");
    for (const QString& language : languages()) {
        html += QStringLiteral("<th>%1</th>").arg(language);
    }
    html += QStringLiteral("</tr>\n");
    for (const GalleryShot& shot : allShots()) {
        html += QStringLiteral("<tr><td>%1</td>").arg(shot.name.toHtmlEscaped());
        for (const QString& language : languages()) {
            html += QStringLiteral("<td><img src=\"%1/%2.png\" alt=\"%2 (%1)\"></td>").arg(language, shot.name);
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n</body></html>\n");
    QSaveFile index(QDir(m_directory).filePath(QStringLiteral("index.html")));
    if (!index.open(QIODevice::WriteOnly) || index.write(html.toUtf8()) < 0 || !index.commit()) {
        m_error = QStringLiteral("Cannot write %1: %2").arg(index.fileName(), index.errorString());
        return false;
    }
    return true;
}
