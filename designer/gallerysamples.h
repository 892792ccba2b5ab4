#pragma once

#include "templatedocument.h"

/// The documents the gallery opens its dialogs on.
namespace GallerySamples {

/// The bundled invoice, read straight from the designer's resources.
SmartPtr<TemplateDocument> invoice();
/// The invoice with the first element `xpath` selects selected, so that
/// dialogs opened on the selection show a real object.
SmartPtr<TemplateDocument> invoiceSelecting(const char* xpath);

} // namespace GallerySamples
