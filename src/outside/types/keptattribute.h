#pragma once

#include "outside/core/corestring.h"

/// An attribute of a page layout or region that the page dialogs do not edit,
/// kept as read so that writing the layout back does not lose it.
struct KeptAttribute
{
    Core::String qualifiedName; ///< as written ("region-name", "kmb:note")
    Core::String namespaceUri;  ///< "" for a plain attribute
    Core::String value;

    friend bool operator==(const KeptAttribute&, const KeptAttribute&) = default;
};
