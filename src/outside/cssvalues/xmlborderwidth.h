#pragma once

#include "outside/cssvalues/xmllength.h"

#include <QStringView>
#include <optional>

namespace Xml {

/// A border width: a length that may also be written as thin, medium or thick.
/// It is a Length, so controls and records that exchange lengths take it as one.
/// The keywords resolve when read: thin 1pt, medium 3pt, thick 5pt, the sizes the
/// borders dialog gives them, so that reading a keyword through either path agrees.
class UIEDITOR_EXPORT BorderWidth : public Length
{
public:
    /// 0px: no border width given.
    BorderWidth() = default;
    BorderWidth(const Length& length) : Length(length) {}

    static BorderWidth thin() { return BorderWidth(Length(1.0, Pt)); }
    static BorderWidth medium() { return BorderWidth(Length(3.0, Pt)); }
    static BorderWidth thick() { return BorderWidth(Length(5.0, Pt)); }

    /// The width "thin", "medium" or "thick" (in any case) stands for; nothing
    /// for other text. The one place the keywords are read, so the dialogs and
    /// the previews agree.
    static std::optional<BorderWidth> fromKeyword(QStringView text);

    /// Reads "thin", "medium" or "thick" in any case, or a length that is not
    /// negative (CSS forbids negative border widths; a bare "0" is fine). On
    /// failure answers false and leaves `value` as it was.
    static bool parseBorderWidth(BorderWidth& value, const Core::String& text);
};

} // namespace Xml
