#include "outside/xslfo/xslfopropertycatalogue.h"

namespace XSLFO {

namespace {
PropertyCatalogue::Lookup& installedLookup()
{
    static PropertyCatalogue::Lookup lookup;
    return lookup;
}
} // namespace

void PropertyCatalogue::install(Lookup lookup)
{
    installedLookup() = std::move(lookup);
}

std::vector<Property> PropertyCatalogue::propertiesOf(const Core::String& localName,
                                                      const Core::String& namespaceURI,
                                                      const Core::String& prefix)
{
    const Lookup& lookup = installedLookup();
    return lookup ? lookup(localName, namespaceURI, prefix) : std::vector<Property>();
}

} // namespace XSLFO
