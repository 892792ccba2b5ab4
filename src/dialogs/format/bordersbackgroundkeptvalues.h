#pragma once

#include "outside/types/bordersandbackgrounddata.h"
#include "outside/types/propertycollection.h"
#include "uieditor_export.h"

#include <functional>
#include <vector>

/// The values of a loaded object that the borders and background record cannot
/// hold exactly: background-position keywords ("center"), "inherit" paddings and
/// border widths, box shadows with a blur, a spread, "inset" or several layers.
/// Writing the record would drop or rewrite them, so each is put back as it was
/// while the user leaves its field alone; an edited field is written as usual.
class UIEDITOR_EXPORT BordersBackgroundKeptValues
{
public:
    /// Remembers which of `properties` (just read into `loaded`) to keep;
    /// forgets those of an object loaded before.
    void remember(const PropertyCollection& properties, const BordersAndBackgroundData& loaded);
    /// Puts the remembered values back into `properties` wherever `record`
    /// still holds what was loaded for their field.
    void restore(const BordersAndBackgroundData& record, PropertyCollection& properties) const;

private:
    using SameField =
        std::function<bool(const BordersAndBackgroundData&, const BordersAndBackgroundData&)>;
    struct Kept
    {
        Core::String name;
        Core::String value;
        SameField sameField;
    };

    std::vector<Kept> m_kept;
    BordersAndBackgroundData m_loaded;
};
