#include "outside/xslfo/xslfonamespaces.h"

#include "outside/core/namespaces.h"

#include <array>
#include <utility>

namespace XSLFO {

namespace {

constexpr std::array<std::pair<const char*, const char*>, 10> knownNamespaces{{
    {Xml::Namespaces::FO, "fo"},
    {Xml::Namespaces::KMB, "kmb"},
    {Xml::Namespaces::KM, "km"},
    {Xml::Namespaces::XSL, "xsl"},
    {Xml::Namespaces::SVG, "svg"},
    {Xml::Namespaces::ZC, "zc"},
    {Xml::Namespaces::LFS, "lfs"},
    {Xml::Namespaces::DT, "dt"},
    {Xml::Namespaces::XSD, "xs"},
    {Xml::Namespaces::XML, "xml"},
}};

} // namespace

Core::String getDefaultNSPrefix(const Core::String& namespaceUri)
{
    for (const auto& [uri, prefix] : knownNamespaces) {
        if (namespaceUri == uri) {
            return prefix;
        }
    }
    return {};
}

Core::String getDefaultNSUri(const Core::String& prefix)
{
    for (const auto& [uri, known] : knownNamespaces) {
        if (prefix == known) {
            return uri;
        }
    }
    return {};
}

} // namespace XSLFO
