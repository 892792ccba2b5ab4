#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <QString>

/// The display names and groups of the syntax files in the session's
/// language. Templates and the catalogue keep the English texts; lists
/// translate them only where they show them.
class UIEDITOR_EXPORT SyntaxNames
{
public:
    /// `text` translated, or as it stands when no translation has it.
    static QString translated(const Core::String& text);

private:
    SyntaxNames() = delete;
};
