#pragma once

#include "outside/core/corestring.h"

#include <vector>

/// The process-wide constants the dialogs share. Each is built once, on first
/// use, and lives until the library unloads; building them lazily keeps them
/// independent of the order in which the library's static objects start.
class UIEDITOR_EXPORT ModuleConstants
{
public:
    /// "left", "right", "top", "bottom": the sides of a box, in that order.
    static const std::vector<Core::String>& sideNames();
    /// The display names of the eighteen barcode symbologies, by symbology code 1 to 18.
    static const std::vector<Core::String>& barcodeDisplayNames();
    /// The fifteen descriptions of the barcode symbologies (messages 63015 to 63028 and 63392).
    static const std::vector<Core::String>& barcodeTexts();
    /// Marks an AutoText value that is markup rather than plain text.
    static const Core::String& autoTextMarkupPrefix();
    /// The per-user folder of the AutoText library, ending with a separator.
    static const Core::String& autoTextFolder();
    static const Core::String& dynamicBookmarkElement();
    static const Core::String& bookmarkElement();
    /// The label of the expression editor's root entry (message 63073).
    static const Core::String& xpathEditorRootText();

private:
    ModuleConstants() = delete;
};
