#pragma once

#include "uieditor_export.h"

/// For hosts that are not Qt applications: makes the library's dialogs
/// showable (creates the application object when there is none, installs the
/// translations) and writes the start-up banner to the debug output.
extern "C" UIEDITOR_EXPORT void InitNonApplicationWindowsUIEditor();
