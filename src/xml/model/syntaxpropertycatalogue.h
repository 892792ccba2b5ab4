#pragma once

#include "outside/core/corestring.h"
#include "outside/xslfo/xslfoproperty.h"

#include <vector>

/// The properties the syntax definitions list for an element, with their
/// display names and groups; installed as the XSL-FO property catalogue when
/// the library loads.
class SyntaxPropertyCatalogue
{
public:
    static std::vector<XSLFO::Property> propertiesOf(const Core::String& localName,
                                                     const Core::String& namespaceURI,
                                                     const Core::String& prefix);
};
