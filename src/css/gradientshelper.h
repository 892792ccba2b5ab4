#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// Tells the designer's gradients apart from ordinary background images. A
/// gradient is an SVG document whose first comment among the root's children
/// reads "custom svg gradient" or "default svg gradient"; a background-image
/// value carries it as "url(data:,BASE64)" or names its file as "url(PATH)".
class UIEDITOR_EXPORT GradientsHelper
{
public:
    /// Files larger than this are not looked into: a gradient is a small document.
    static constexpr qint64 MaxDocumentSize = 16 * 1024 * 1024;

    /// The text between a leading "url(" and the first ")" after it (the whole
    /// value without "url("), without a leading "data:,". A value in neither
    /// form comes back unchanged.
    static Core::String getGradientData(const Core::String& value);
    /// Whether the value holds a gradient: inline as base64 after "data:,", in
    /// the file named by "url(PATH)", or as bare base64 text. Never raises:
    /// unreadable files, broken base64 and malformed XML all answer false.
    static bool isGradient(const Core::String& value);

private:
    GradientsHelper() = delete;
};
