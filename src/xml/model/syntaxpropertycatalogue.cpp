#include "xml/model/syntaxpropertycatalogue.h"

#include "outside/xslfo/xslfonamespaces.h"
#include "outside/xslfo/xslfopropertycatalogue.h"
#include "xml/model/syntaxxml.h"

std::vector<XSLFO::Property> SyntaxPropertyCatalogue::propertiesOf(const Core::String& localName,
                                                                   const Core::String& namespaceURI,
                                                                   const Core::String& prefix)
{
    const SyntaxXml& syntax = SyntaxXml::get();
    SyntaxXmlType type = SyntaxXml::getSyntaxXmlType(namespaceURI);
    if (type == SyntaxXmlType::Unknown && namespaceURI.isEmpty()) {
        type = SyntaxXml::getSyntaxXmlType(prefix);
    }
    std::vector<XSLFO::Property> properties;
    const ElementData element = syntax.getElementDataByName(localName, type);
    for (const Core::String& name : element.getProperties()) {
        const int colon = name.find(QChar(u':'));
        const Core::String propertyPrefix = colon > 0 ? name.left(colon) : Core::String();
        const AttributeData attribute = syntax.getAttributeDataByQualifiedName(name, type);
        properties.emplace_back(colon > 0 ? name.subString(colon + 1) : name,
                                attribute.isEmpty() ? Core::String() : attribute.getDisplayName(),
                                propertyPrefix.isEmpty() ? Core::String()
                                                         : XSLFO::getDefaultNSUri(propertyPrefix),
                                attribute.getGroup());
    }
    return properties;
}

namespace {
// Installed when the library is loaded, before any host code runs.
[[maybe_unused]] const bool catalogueInstalled = [] {
    XSLFO::PropertyCatalogue::install(&SyntaxPropertyCatalogue::propertiesOf);
    return true;
}();
} // namespace
