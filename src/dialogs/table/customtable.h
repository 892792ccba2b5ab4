#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// A table made from the settings of the insert-table dialog's custom mode:
/// the same borders, padding and alignment on every cell.
struct UIEDITOR_EXPORT CustomTable
{
    int rows = 1;
    int columns = 3;
    bool header = true;
    bool footer = false;
    bool collapseBorders = true;
    bool hasBorders = true;
    float borderWidth = 1.0f; ///< points
    Core::String borderStyle = "solid";
    Core::String borderColor = "rgb(0,0,0)";
    float padding = 2.0f; ///< points
    Core::String horizontalAlign = "left";
    Core::String verticalAlign = "top";

    /// The fo:table: columns of equal proportional width, then the header
    /// row, the body rows and the footer row, each cell holding a
    /// non-breaking space.
    Core::String markup() const;
};
