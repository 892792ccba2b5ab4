#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <vector>

namespace Xml {

/// The barcode symbologies of the km:barcode element, by the codes hosts store.
enum class BarcodeType : int {
    None = 0,
    UpcE = 1,
    Ean8 = 2,
    UpcA = 3,
    Ean13 = 4,
    DataMatrix = 5,
    Code3of9 = 6,
    Code2of5 = 7,
    Postnet = 8,
    Planet = 9,
    Code128 = 10,
    Code128Raw = 11,
    Code128UCC = 12,
    OMR = 13,
    Pdf417 = 14,
    Aztec = 15,
    Maxicode = 16,
    QRBarcode = 17,
    IntelligentMail = 18,
};

/// Names and keywords of the symbologies. Lookups of unknown text or codes
/// answer BarcodeType::None or an empty string; they never raise.
class UIEDITOR_EXPORT BarcodeTypes
{
public:
    /// The eighteen symbologies in code order.
    static std::vector<BarcodeType> all();
    /// The symbology of a stored code; None for a code outside 1 to 18.
    static BarcodeType fromCode(int code);

    /// The km:type keyword written in markup ("Code128"); "" for None.
    static Core::String getKeyword(BarcodeType type);
    /// The name the user picks from ("128"); "" for None.
    static Core::String getDisplayName(BarcodeType type);

    /// The symbology of a km:type keyword. Markup is matched exactly unless told
    /// otherwise; None when no keyword matches.
    static BarcodeType fromKeyword(const Core::String& keyword,
                                   Qt::CaseSensitivity cs = Qt::CaseSensitive);
    /// The symbology of a display name, exactly; None when none matches.
    static BarcodeType fromDisplayName(const Core::String& name);
    /// Display name or keyword, compared in code order with each symbology's
    /// display name and then its keyword; the first match wins, else None. This is
    /// how a type picked or typed in a list is read.
    static BarcodeType fromText(const Core::String& text);

private:
    BarcodeTypes() = delete;
};

} // namespace Xml
