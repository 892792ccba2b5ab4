#pragma once

#include "uieditor_export.h"

/// Installs the German or French translations of the library's forms and
/// texts (and Qt's own) on the application, as the start-up language asks.
class UIEDITOR_EXPORT UiTranslations
{
public:
    /// Idempotent; needs a QCoreApplication. Runs by itself when the
    /// application object is created.
    static void install();
    /// Whether the library's translation for a non-English language is active.
    static bool libraryTranslationLoaded();

private:
    UiTranslations() = delete;
};
