#pragma once

#include "uieditor_export.h"

namespace Xml {

/// Prepares libxml2 for the process, once and from any thread: initialises
/// the parser and installs an external entity loader that refuses everything
/// but local files. DTDs, schema includes and imports, XSLT document() calls
/// then never reach the network, whatever options a caller passes. Every
/// parser of this library calls it; code that calls libxml2 or libxslt on its
/// own should call it first.
UIEDITOR_EXPORT void installSafeEntityLoader();

/// Whether the loader would hand out `url`: a local path or a file: URL
/// without a host; no other scheme and no network share.
UIEDITOR_EXPORT bool isLocalEntityUrl(const char* url);

} // namespace Xml
