#pragma once

#include "outside/core/corestring.h"

/// The page the formatting dialogs preview their object on.
namespace FormatPreviewPage {

/// A one-page document of `width` × `height` pixels in 12pt Times with a
/// 15px margin, whose flow, carrying `flowAttributes`, holds `content`.
Core::String document(int width, int height, const Core::String& content,
                      const Core::String& flowAttributes = Core::String());

} // namespace FormatPreviewPage
