#pragma once

#include "outside/core/corestring.h"
#include "outside/types/propertyvalueex.h"
#include "uieditor_export.h"

/// Writes fo:basic-link markup and reads back what a link held: its
/// address as a stylesheet writes it and its display text.
class UIEDITOR_EXPORT HyperlinkMarkup
{
public:
    /// What a link's display text is made of.
    struct Title
    {
        enum class Kind { Plain, Field, Complex };
        Kind kind = Kind::Plain;
        /// The plain text, or the field's expression; empty for a complex title.
        Core::String text;
    };

    /// The address as the user reads it: "http://" for none; without the
    /// "url(...)" wrapper, then without enclosing single quotes; without a
    /// trailing double quote.
    static Core::String processAddress(const Core::String& address);
    /// Text alone is plain; one kmb:field with nothing but its expression is
    /// a field; anything else (more elements, markup that does not parse) is
    /// complex and stays as it came.
    static Title classifyTitle(const Core::String& markup);

    /// external-destination for a static address ("" when it is empty), the
    /// id of the value for any other.
    static Core::String referencePart(const PropertyValueEx& address);
    /// The static text, a kmb:field for a dynamic value, "" for a conditional one.
    static Core::String titlePart(const PropertyValueEx& title);
    static Core::String element(const Core::String& reference, const Core::String& title);

private:
    HyperlinkMarkup() = delete;
};
