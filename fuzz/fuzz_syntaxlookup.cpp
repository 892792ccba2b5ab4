// Names and prefixes from template markup thrown at every lookup of the syntax
// catalogue. Each line of the input is a name (or a prefix, or a namespace
// URI). Any text must give an answer, and what is found must be what was
// asked for: a name that smuggles XPath into the lookup must find nothing else.
#include "fuzztext.h"

#include "outside/xslfo/xslfodtobjectinfo.h"
#include "outside/xslfo/xslfonamespaces.h"
#include "xml/model/syntaxxml.h"

namespace {

using FuzzText::check;

constexpr SyntaxXmlType types[] = {SyntaxXmlType::FO,      SyntaxXmlType::KMB, SyntaxXmlType::XSL,
                                   SyntaxXmlType::SVG,     SyntaxXmlType::ZC,  SyntaxXmlType::KM,
                                   SyntaxXmlType::Unknown, SyntaxXmlType(42)};

QString withoutOwnPrefix(const QString& name, SyntaxXmlType type)
{
    const QString own = SyntaxXml::getPrefix(type).toQString() + u':';
    return name.startsWith(own) ? name.mid(own.size()) : name;
}

void exercise(const QString& text)
{
    const SyntaxXml& syntax = SyntaxXml::get();
    check(!syntax.hasErrors());
    for (const QString& name : text.split(u'\n')) {
        const SyntaxXmlType named = SyntaxXml::getSyntaxXmlType(name);
        check(named == SyntaxXmlType::Unknown || SyntaxXml::getPrefix(named).toQString() == name ||
              SyntaxXml::getNamespaceUri(named).toQString() == name);
        for (SyntaxXmlType type : types) {
            const QString local = withoutOwnPrefix(name, type);
            const ElementData element = syntax.getElementDataByName(name, type);
            check(element.isEmpty() || element.getName().toQString() ==
                                           SyntaxXml::getPrefix(type).toQString() + u':' + local);
            const AttributeData attribute = syntax.getAttributeDataByName(name, type);
            check(attribute.isEmpty() || attribute.getName().toQString() == local);
            const AttributeData qualified = syntax.getAttributeDataByQualifiedName(name, type);
            check(qualified.isEmpty() || name.endsWith(qualified.getName().toQString()));
        }
        // Object information of an element named in markup lists what the definition gives.
        const QString prefix = name.section(u':', 0, 0);
        const XSLFO::DTObjectInfo info(name, XSLFO::getDefaultNSUri(prefix));
        for (const XSLFO::Property& property : info.getProperties()) {
            check(info.getPropertyByName(property.getName()) != nullptr);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzText::withEachDecoding(data, size, exercise);
    return 0;
}
