#include "bundledsamples.h"
#include "designerwindow.h"
#include "gallerywriter.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

QtMessageHandler defaultMessageHandler = nullptr;

// The offscreen platform, on which the gallery is drawn, warns each time a
// window is shown that it has no use for size hints. That says nothing to the
// user; every other message goes through as before.
void quietOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg &&
        message == QLatin1String("This plugin does not support propagateSizeHints()")) {
        return;
    }
    defaultMessageHandler(type, context, message);
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int writeGallery(const QString& directory)
{
    GalleryWriter writer(directory);
    if (!writer.writeAll(QCoreApplication::applicationFilePath())) {
        QTextStream(stderr) << writer.error() << '\n';
        return 1;
    }
    QTextStream(stdout) << "The dialog gallery is in " << QDir(directory).absoluteFilePath(QStringLiteral("index.html"))
                        << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    const bool childRun = args.value(0) == QLatin1String("--gallery-language");
    const bool galleryRun = args.value(0) == QLatin1String("--gallery");
    // Without a display there is nothing to open windows on: write the gallery instead.
    const bool headless = !hasDisplay();
    if (headless || galleryRun || childRun) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (QByteArray(qgetenv("QT_QPA_PLATFORM")).startsWith("offscreen")) {
        defaultMessageHandler = qInstallMessageHandler(quietOffscreenNoise);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("uieditor designer"));
    QApplication::setOrganizationName(QStringLiteral("Varnel"));

    if (childRun) {
        GalleryWriter writer(args.value(1));
        if (!writer.writeCurrentLanguage()) {
            QTextStream(stderr) << writer.error() << '\n';
            return 1;
        }
        return 0;
    }
    if (galleryRun || headless) {
        const QString directory = galleryRun && args.size() > 1 ? args.at(1) : QStringLiteral("gallery");
        if (headless && !galleryRun) {
            QTextStream(stdout) << "No display found: writing the dialog gallery instead of opening the designer.\n";
        }
        return writeGallery(directory);
    }
    DesignerWindow window;
    window.show();
    // Work a crash left unsaved comes before the template the designer would open.
    if (!window.offerRecovery()) {
        const QString path = args.isEmpty() ? BundledSamples::install(BundledSamples::defaultFolder()) : args.first();
        if (!path.isEmpty()) {
            window.openTemplate(path);
        }
    }
    return QApplication::exec();
}
