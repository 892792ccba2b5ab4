#include "outside/core/corenullpointerexception.h"

namespace Core {

NullPointerException::NullPointerException()
    : Exception(String("A required object is missing (null pointer)."))
{
}

NullPointerException::NullPointerException(const String& message) : Exception(message) {}

NullPointerException::~NullPointerException() = default;

} // namespace Core
