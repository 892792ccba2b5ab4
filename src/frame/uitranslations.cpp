#include "frame/uitranslations.h"

#include "outside/core/coreapplication.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool libraryLoaded = false;

void installOnce()
{
    static bool done = false;
    if (done || !QCoreApplication::instance()) {
        return;
    }
    done = true;
    const Core::Language language = Core::Application::getCurrentLanguage();
    // English has a translation of its own: the plural forms of "%n message(s)".
    const QString name = language.getName().toQString();
    // Parented to the application: they live exactly as long as it does.
    auto* library = new QTranslator(QCoreApplication::instance());
    if (library->load(QStringLiteral(":/uieditor/translations/uieditor_%1.qm").arg(name))) {
        QCoreApplication::installTranslator(library);
        libraryLoaded = true;
    }
    if (language == Core::Language::English) {
        return;
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_%1").arg(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installOnce)

void UiTranslations::install()
{
    installOnce();
}

bool UiTranslations::libraryTranslationLoaded()
{
    return libraryLoaded;
}
