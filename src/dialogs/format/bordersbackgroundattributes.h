#pragma once

#include "outside/types/bordersandbackgrounddata.h"
#include "outside/types/propertycollection.h"
#include "uieditor_export.h"

/// How the borders and background dialog turns an object's properties into its
/// working record and back. Reading takes the longhands ("fo:border-left-style")
/// and falls back on the family shorthands ("fo:border-style") where a side has
/// none; writing sets or removes longhands only, so a caller that expanded the
/// shorthands must not write them back beside the longhands.
class UIEDITOR_EXPORT BordersBackgroundAttributes
{
public:
    /// Resets `data` (its element name stays) and reads every field from
    /// `properties`. Values that do not parse leave the reset value.
    static void load(const PropertyCollection& properties, BordersAndBackgroundData& data);
    /// Sets each longhand the record gives a value and removes the ones it
    /// clears, in the order sides (left, top, right, bottom; style, width,
    /// colour), shadow, background, positions, paddings. Properties the record
    /// has no field for stay as they are.
    static void store(const BordersAndBackgroundData& data, PropertyCollection& properties);

private:
    BordersBackgroundAttributes() = delete;
};
