#pragma once

#include "outside/core/corestring.h"
#include "outside/xslfo/xslfoproperty.h"
#include "uieditor_export.h"

#include <functional>
#include <vector>

namespace XSLFO {

/// Where an object learns the properties its element accepts when the host
/// gave none. The syntax definitions that know them sit above this layer, so
/// they install their lookup here rather than being called from below.
class UIEDITOR_EXPORT PropertyCatalogue
{
public:
    using Lookup = std::function<std::vector<Property>(
        const Core::String& localName, const Core::String& namespaceURI, const Core::String& prefix)>;

    static void install(Lookup lookup);
    /// The properties of the element, or none when no catalogue is installed.
    static std::vector<Property> propertiesOf(const Core::String& localName,
                                              const Core::String& namespaceURI,
                                              const Core::String& prefix);
};

} // namespace XSLFO
