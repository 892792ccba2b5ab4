#pragma once

#include "outside/core/corestring.h"

/// An attribute of a page layout or region that the page dialogs do not edit,
/// kept as read so that writing the layout back does not lose it.
struct KeptAttribute
{
    Core::String qualifiedName; ///< as written ("region-name", "kmb:note")
    Core::String namespaceUri;  ///< "" for a plain attribute
    Core::String value;

    /// The name without its prefix.
    Core::String localName() const
    {
        const int colon = qualifiedName.find(QChar(u':'));
        return colon < 0 ? qualifiedName : qualifiedName.subString(colon + 1);
    }
    /// The same attribute: its prefix is only how one document spelled it.
    friend bool operator==(const KeptAttribute& a, const KeptAttribute& b)
    {
        return a.namespaceUri == b.namespaceUri && a.localName() == b.localName() &&
               a.value == b.value;
    }
};
