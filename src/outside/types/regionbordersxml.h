#pragma once

#include "outside/types/attributeset.h"
#include "outside/types/bordersandbackgrounddata.h"

#include <utility>
#include <vector>

/// The borders, box shadow and background of a page region as attributes of
/// its element. Reading takes the longhands and falls back on the side and
/// family shorthands ("border-top", "border-style", "border"); a value that
/// does not parse stays with the element's kept attributes. Writing gives
/// longhands only.
class RegionBordersXml
{
public:
    using Attributes = std::vector<std::pair<Core::String, Core::String>>;

    /// Resets `data` (its element name stays) and fills it from `attributes`.
    static void read(AttributeSet& attributes, BordersAndBackgroundData& data);
    /// Appends the attributes that give `data`, none for a value left unset.
    static void write(const BordersAndBackgroundData& data, Attributes& attributes);

private:
    RegionBordersXml() = delete;
};
