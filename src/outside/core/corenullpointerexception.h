#pragma once

#include "outside/core/coreexception.h"

namespace Core {

/// Raised when a SmartPtr that holds nothing is used.
class UIEDITOR_EXPORT NullPointerException : public Exception
{
public:
    NullPointerException();
    explicit NullPointerException(const String& message);
    ~NullPointerException() override;
};

} // namespace Core
