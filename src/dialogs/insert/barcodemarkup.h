#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/xmlbarcodetype.h"
#include "outside/types/propertycollection.h"
#include "outside/types/propertyvalueex.h"
#include "uieditor_export.h"

namespace XSLFO {
class RulerContext;
}

/// The settings of one km:barcode element.
struct UIEDITOR_EXPORT BarcodeSettings
{
    Xml::BarcodeType type = Xml::BarcodeType::Code128;
    PropertyValueEx value;
    Core::String drawText = "true";
    int rotation = 0;
    bool hexValue = false;
};

/// Writes km:barcode markup: the element the host pastes, and the small
/// document the dialog's preview renders to find out whether a value can be
/// drawn at all.
class UIEDITOR_EXPORT BarcodeMarkup
{
public:
    /// The value a symbology opens with when none is given; "" for None.
    static Core::String defaultValue(Xml::BarcodeType type);

    /// `text` made safe inside a double-quoted attribute. Characters XML
    /// cannot carry at all (most control characters) are left out.
    static Core::String escapeAttribute(const Core::String& text);

    /// One page holding the barcode with the value's static text. "2 of 5"
    /// is drawn without check digit, "3 of 9" in full ASCII; None gives "".
    static Core::String previewDocument(const BarcodeSettings& settings);

    /// The element. `properties` are the host's further attributes: a
    /// declaration of the km prefix is dropped from them (it is written once),
    /// and so is the content size the ruler context decides.
    static Core::String element(const BarcodeSettings& settings, PropertyCollection& properties,
                                const XSLFO::RulerContext* ruler);

private:
    BarcodeMarkup() = delete;
};
