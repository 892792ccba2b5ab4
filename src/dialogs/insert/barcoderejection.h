#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <QCoreApplication>

/// Why the renderer refused a barcode value, told in the user's language.
/// The renderer passes on the encoder's English message ("Error 284: Invalid
/// character in data (digits only)"); the messages a user meets while typing
/// are translated, any other is shown as it came, without its error number.
class UIEDITOR_EXPORT BarcodeRejection
{
    Q_DECLARE_TR_FUNCTIONS(BarcodeRejection)

public:
    static Core::String describe(const Core::String& rendererMessage);

private:
    BarcodeRejection() = delete;
};
