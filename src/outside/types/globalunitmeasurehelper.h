#pragma once

#include "outside/types/unitmeasurehelper.h"
#include "uieditor_export.h"

/// The unit the user measures in, shared by every length field and page
/// dialog. It lives in the user's settings (organisation "Varnel", application
/// "Designer", value "Units/Global") as the unit's CSS name. It is read once
/// per process; GlobalUnitMeasureNotifier tells of changes.
class UIEDITOR_EXPORT GlobalUnitMeasureHelper
{
public:
    /// The stored unit; Point when nothing, something unreadable or an em is
    /// stored, or when the settings cannot be read.
    static UnitMeasure getGlobalUnitMeasure();
    /// Stores the unit for every later getGlobalUnitMeasure, in this process and
    /// the next. An em, or a number that is no unit, is refused (false): an em
    /// depends on a font, and sizes such as a page's need an absolute unit. False
    /// also when the settings cannot be written.
    static bool setGlobalUnitMeasure(UnitMeasure unit);
    /// Reads the stored unit again, for a change made by another process.
    static void reloadGlobalUnitMeasure();
};
