#pragma once

#include "outside/core/corelanguage.h"
#include "outside/core/corestream.h"
#include "outside/core/smartptr.h"

namespace Core {

/// The library's compiled-in resources and the language it speaks.
class UIEDITOR_EXPORT Application
{
public:
    /// The resource `name` of `category` (for example "Templates") as a
    /// stream; raises Core::Exception when there is no such resource.
    static SmartPtr<IO::Stream> loadFileFromResources(const String& name, const String& category);
    static bool hasResource(const String& name, const String& category);
    /// The language chosen from the environment when the library started.
    static Language getCurrentLanguage();

private:
    Application() = delete;
};

} // namespace Core
