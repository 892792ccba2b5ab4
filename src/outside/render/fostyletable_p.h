#pragma once

#include "outside/render/fostylereaders_p.h"

#include <QString>

namespace Fo {

/// How one property name is read.
struct PropertyEntry
{
    PropertyReader reader = nullptr; ///< none: the property does not change the look
    int side = 0;                    ///< the side a per-side property sets
    int rank = 3;                    ///< shorthands apply before the longhands that refine them
};

/// The entry for a property's local name.
PropertyEntry propertyEntry(const QString& name);

} // namespace Fo
