#pragma once

#include "galleryentry.h"

#include <vector>

/// Every dialog of the library the gallery shows, in menu order.
class GalleryCatalog
{
public:
    static std::vector<GalleryEntry> entries();
};
