#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

namespace XSLFO {

/// The prefix a template uses for `namespaceUri` ("fo", "kmb", "km", "xsl",
/// "svg", "zc", ...), or "" for a namespace the template language does not know.
UIEDITOR_EXPORT Core::String getDefaultNSPrefix(const Core::String& namespaceUri);

/// The namespace URI of one of the usual prefixes, or "" when the prefix is not one of them.
UIEDITOR_EXPORT Core::String getDefaultNSUri(const Core::String& prefix);

} // namespace XSLFO
