#include "outside/core/coreapplication.h"

#include "outside/core/coreexception.h"
#include "outside/core/corememorystream.h"

#include <QFile>

namespace Core {

namespace {

QString resourcePath(const String& name, const String& category)
{
    QString path = QStringLiteral(":/uieditor/");
    if (!category.isEmpty()) {
        path += category.toQString().toLower() + QLatin1Char('/');
    }
    return path + name.toQString();
}

} // namespace

SmartPtr<IO::Stream> Application::loadFileFromResources(const String& name, const String& category)
{
    QFile file(resourcePath(name, category));
    if (name.isEmpty() || name.contains("..") || !file.open(QIODevice::ReadOnly)) {
        throw Exception(String(QStringLiteral("The resource \"%1\" (%2) is not part of the library.")
                                   .arg(name.toQString(), category.toQString())));
    }
    return makeSmart<IO::MemoryStream>(file.readAll());
}

bool Application::hasResource(const String& name, const String& category)
{
    return !name.isEmpty() && QFile::exists(resourcePath(name, category));
}

Language Application::getCurrentLanguage()
{
    // Read once, on first use (possibly during static start-up): the language
    // must not change while dialogs are open.
    static const Language language = Language::fromEnvironment();
    return language;
}

} // namespace Core
