#include "outside/core/corelanguage.h"

#include <QtGlobal>

namespace Core {

String Language::getName() const
{
    switch (m_code) {
    case German:
        return "de";
    case French:
        return "fr";
    case English:
        break;
    }
    return "en";
}

unsigned Language::getLCID() const
{
    switch (m_code) {
    case German:
        return 1031;
    case French:
        return 1036;
    case English:
        break;
    }
    return 1033;
}

bool Language::fromLocaleName(const QString& localeName, Language& language)
{
    const QString prefix = localeName.left(2).toLower();
    if (localeName.size() > 2 && localeName.at(2).isLetter()) {
        return false; // "ca", "cs"... only a two-letter language code counts
    }
    if (prefix == QLatin1String("en")) {
        language = English;
    } else if (prefix == QLatin1String("de")) {
        language = German;
    } else if (prefix == QLatin1String("fr")) {
        language = French;
    } else {
        return false;
    }
    return true;
}

Language Language::fromEnvironment()
{
    Language language;
    // LANGUAGE is a priority list; it only counts when a locale is set at all,
    // as gettext does.
    const QString lcAll = qEnvironmentVariable("LC_ALL");
    const QString lcMessages = qEnvironmentVariable("LC_MESSAGES");
    const QString lang = qEnvironmentVariable("LANG");
    const QString effective = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    if (effective != QLatin1String("C") && effective != QLatin1String("POSIX")) {
        const QStringList priorities = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
        for (const QString& entry : priorities) {
            if (fromLocaleName(entry, language)) {
                return language;
            }
        }
    }
    if (fromLocaleName(effective, language)) {
        return language;
    }
    return English;
}

} // namespace Core
