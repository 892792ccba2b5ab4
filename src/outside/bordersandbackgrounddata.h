#pragma once

#include "outside/corestring.h"
#include "uieditor_export.h"

/// The borders-and-background record the designer hands between its dialogs.
/// So far it carries its style table, which the shorthand helper consults; the
/// record's fields arrive with the borders and background dialog.
class UIEDITOR_EXPORT BordersAndBackgroundData
{
public:
    /// The index of a border style in the style table: "none" 0, "inset" 1,
    /// "groove" 2, "outset" 3, "ridge" 4, "dotted" 5, "dashed" 6, "solid" 7,
    /// "double" 8, "hidden" 9 (the values of Xml::BorderStyle). Names are
    /// compared exactly; a name that is not in the table gives 0, as "none" does.
    static int getStyleIdx(const Core::String& name);
    /// The style name at `index`; "" outside the table.
    static Core::String getStyleName(int index);
    /// The number of entries in the style table.
    static int getStyleCount();
};
