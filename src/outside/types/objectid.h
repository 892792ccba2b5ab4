#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// Identifiers that tie a template object to the values the host keeps for it:
/// the "fo:id" of an element whose value is dynamic or conditional, the key of
/// its conditional formatting records, a bookmark's "objectId".
class UIEDITOR_EXPORT ObjectId
{
public:
    /// A new identifier, unique across processes and sessions (a random UUID),
    /// usable as an XML ID and attribute value: "id" followed by 32 lower-case
    /// hexadecimal digits.
    static Core::String generate();
};
