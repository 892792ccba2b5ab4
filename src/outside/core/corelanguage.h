#pragma once

#include "outside/core/corestring.h"

namespace Core {

/// One of the three languages the library speaks.
class UIEDITOR_EXPORT Language
{
public:
    enum Code { English, German, French };

    constexpr Language(Code code = English) : m_code(code) {}

    Code code() const { return m_code; }
    /// Two-letter name: "en", "de" or "fr".
    String getName() const;
    /// The Windows language identifier the forms were originally keyed by: 1033, 1031, 1036.
    unsigned getLCID() const;

    /// The language a locale name such as "de_AT.UTF-8", "fr" or "C" asks for;
    /// false when it names none of the three.
    static bool fromLocaleName(const QString& localeName, Language& language);
    /// The language the environment asks for: the first usable entry of
    /// LANGUAGE, then LC_ALL, LC_MESSAGES and LANG; English when none helps.
    static Language fromEnvironment();

    friend bool operator==(Language a, Language b) { return a.m_code == b.m_code; }

private:
    Code m_code;
};

} // namespace Core
