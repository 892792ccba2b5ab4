#pragma once

#include "outside/core/coreexception.h"

namespace Fo {

/// A barcode value its symbology cannot encode. The view engine lets this one
/// through to its caller (the barcode dialog asks whether a value can be
/// drawn); every other load failure becomes the engine's error status.
class BarcodeError : public Core::Exception
{
public:
    using Core::Exception::Exception;
};

} // namespace Fo
