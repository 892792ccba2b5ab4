#include "xml/model/syntaxxml.h"

#include "outside/core/coreapplication.h"
#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "outside/dom/xmlelement.h"
#include "outside/xslfo/xslfonamespaces.h"

#include <QStringView>

namespace {

struct Vocabulary
{
    SyntaxXmlType type;
    const char* prefix;
    const char* uri;
    const char* file;
};

// In the order the definition files are loaded.
constexpr Vocabulary vocabularies[] = {
    {SyntaxXmlType::FO, "fo", Xml::Namespaces::FO, "FOSytanx.xml"},
    {SyntaxXmlType::KMB, "kmb", Xml::Namespaces::KMB, "KMBSytanx.xml"},
    {SyntaxXmlType::XSL, "xsl", Xml::Namespaces::XSL, "XSLSyntax.xml"},
    {SyntaxXmlType::KM, "km", Xml::Namespaces::KM, "KMSyntax.xml"},
    {SyntaxXmlType::SVG, "svg", Xml::Namespaces::SVG, ""},
    {SyntaxXmlType::ZC, "zc", Xml::Namespaces::ZC, ""},
};

const Vocabulary* vocabularyOf(SyntaxXmlType type)
{
    for (const Vocabulary& vocabulary : vocabularies) {
        if (vocabulary.type == type) {
            return &vocabulary;
        }
    }
    return nullptr;
}

int indexOf(SyntaxXmlType type)
{
    const int index = int(type);
    return index >= 0 && index < 6 ? index : -1;
}

// No definition has a longer name; longer text from markup is not looked up.
constexpr qsizetype maxNameLength = 256;

// Text that can stand in an XML attribute value, which a name in a
// definition is. Anything else (control characters, broken UTF-16) could
// never match, and must not reach the XPath engine, which stops at a NUL.
bool couldBeName(const QString& name)
{
    if (name.isEmpty() || name.size() > maxNameLength || !QStringView(name).isValidUtf16()) {
        return false;
    }
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF) {
            return false;
        }
    }
    return true;
}

// An XPath 1.0 string literal for any text: XPath has no escapes, so a text
// with apostrophes goes in quotation marks, and one with both is put together
// with concat() around the apostrophes.
QString xpathLiteral(const QString& text)
{
    if (!text.contains(u'\'')) {
        return u'\'' + text + u'\'';
    }
    if (!text.contains(u'"')) {
        return u'"' + text + u'"';
    }
    const QStringList pieces = text.split(u'\'');
    QStringList parts;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            parts << QStringLiteral("\"'\"");
        }
        parts << u'\'' + pieces.at(i) + u'\'';
    }
    return QStringLiteral("concat(") + parts.join(u',') + u')';
}

// The prefix a "namespace" of a reference stands for: definitions write the
// prefix itself or the namespace URI.
Core::String prefixOfNamespace(const Core::String& ns)
{
    if (!XSLFO::getDefaultNSUri(ns).isEmpty()) {
        return ns;
    }
    const Core::String prefix = XSLFO::getDefaultNSPrefix(ns);
    return prefix.isEmpty() ? ns : prefix;
}

std::vector<Core::String> references(const Xml::Element& definition, const char* list,
                                     const char* item, const Core::String& defaultPrefix)
{
    std::vector<Core::String> names;
    for (const Xml::Element& holder : definition.get_child_elements(list)) {
        for (const Xml::Element& reference : holder.get_child_elements(item)) {
            const Core::String name = reference.get_attribute_value("name");
            if (name.isEmpty()) {
                continue;
            }
            const Core::String ns = reference.get_attribute_value("namespace");
            const Core::String prefix = ns.isEmpty() ? defaultPrefix : prefixOfNamespace(ns);
            names.push_back(prefix.isEmpty() ? name : prefix + ":" + name);
        }
    }
    return names;
}

// A lookup remembered under `key`; a full cache starts over, so that a
// stream of odd names cannot make it grow without end.
template <class Data, class Find>
Data remembered(QHash<QString, Data>& cache, const QString& key, int limit, Find find)
{
    if (auto it = cache.constFind(key); it != cache.constEnd()) {
        return *it;
    }
    Data data = find();
    if (cache.size() >= limit) {
        cache.clear();
    }
    cache.insert(key, data);
    return data;
}

} // namespace

SyntaxXml& SyntaxXml::get()
{
    static SyntaxXml instance([](const Core::String& fileName) {
        return Core::Application::loadFileFromResources(fileName, "syntax");
    });
    return instance;
}

SyntaxXml::SyntaxXml(const ResourceLoader& loader)
{
    for (const Vocabulary& vocabulary : vocabularies) {
        if (*vocabulary.file) {
            load(vocabulary.type, loader);
        }
    }
}

SyntaxXml::~SyntaxXml() = default;

void SyntaxXml::load(SyntaxXmlType type, const ResourceLoader& loader)
{
    const Core::String file = getDefinitionFileName(type);
    try {
        SmartPtr<Core::IO::Stream> stream = loader ? loader(file) : SmartPtr<Core::IO::Stream>();
        if (!stream) {
            throw Core::Exception(file + ": the syntax definition is missing.");
        }
        Xml::DomParser parser;
        parser.parseMemory(stream->readAll(), file);
        m_documents[size_t(indexOf(type))] = parser.getDocument();
    } catch (const Core::Exception& e) {
        m_hasErrors = true;
        m_lastError = e.getMessage().contains(file) ? e.getMessage() : file + ": " + e.getMessage();
    }
}

SyntaxXmlType SyntaxXml::getSyntaxXmlType(const Core::String& prefixOrUri)
{
    for (const Vocabulary& vocabulary : vocabularies) {
        if (prefixOrUri == vocabulary.prefix || prefixOrUri == vocabulary.uri) {
            return vocabulary.type;
        }
    }
    return SyntaxXmlType::Unknown;
}

Core::String SyntaxXml::getPrefix(SyntaxXmlType type)
{
    const Vocabulary* vocabulary = vocabularyOf(type);
    return vocabulary ? Core::String(vocabulary->prefix) : Core::String();
}

Core::String SyntaxXml::getNamespaceUri(SyntaxXmlType type)
{
    const Vocabulary* vocabulary = vocabularyOf(type);
    return vocabulary ? Core::String(vocabulary->uri) : Core::String();
}

Core::String SyntaxXml::getDefinitionFileName(SyntaxXmlType type)
{
    const Vocabulary* vocabulary = vocabularyOf(type);
    return vocabulary ? Core::String(vocabulary->file) : Core::String();
}

SmartPtr<Xml::XmlDocument> SyntaxXml::getSyntaxDocument(SyntaxXmlType type) const
{
    const int index = indexOf(type);
    return index < 0 ? SmartPtr<Xml::XmlDocument>() : m_documents[size_t(index)];
}

SmartPtr<Xml::XmlDocument> SyntaxXml::getFOSyntaxDocument() const
{
    return getSyntaxDocument(SyntaxXmlType::FO);
}

Core::String SyntaxXml::localName(const Core::String& name, SyntaxXmlType type) const
{
    const Core::String own = getPrefix(type) + ":";
    return name.startsWith(own) ? name.subString(own.length()) : name;
}

Xml::Element SyntaxXml::findDefinition(SyntaxXmlType type, const char* list, const char* item,
                                       const Core::String& name) const
{
    const SmartPtr<Xml::XmlDocument> document = getSyntaxDocument(type);
    if (!document || !couldBeName(name)) {
        return {};
    }
    const Xml::Element root = document->getRootNode();
    if (root.isNull()) {
        return {};
    }
    const QString xpath =
        QStringLiteral("//%1/%2[@name = %3]")
            .arg(QLatin1String(list), QLatin1String(item), xpathLiteral(name.toQString()));
    try {
        const std::vector<Xml::Node> found = root.find(xpath);
        return found.empty() ? Xml::Element() : Xml::Element(found.front());
    } catch (const Core::Exception&) {
        // The literal is built so that no name can break the expression; a
        // failure here means no match rather than a reason to stop the caller.
        return {};
    }
}

ElementData SyntaxXml::elementData(const Xml::Element& definition, SyntaxXmlType type) const
{
    const Core::String prefix = getPrefix(type);
    const Core::String name = definition.get_attribute_value("name");
    Core::String autoFill;
    if (const Xml::Element fill = definition.get_first_child_element("auto-fill"); !fill.isNull()) {
        autoFill = fill.get_content();
    }
    return ElementData(prefix + ":" + name, definition.get_attribute_value("description"),
                       references(definition, "properties", "ref-attribute", Core::String()),
                       references(definition, "content", "ref-element", prefix), autoFill);
}

AttributeData SyntaxXml::attributeData(const Xml::Element& definition)
{
    AttributeData data;
    data.setName(definition.get_attribute_value("name"));
    data.setDisplayName(definition.get_attribute_value("display-name"));
    data.setGroup(definition.get_attribute_value("group"));
    data.setDescription(definition.get_attribute_value("description"));
    for (const Xml::Element& kind : definition.get_child_elements()) {
        const Core::String tag = kind.get_local_name();
        if (tag == "string") {
            data.setKind(AttributeData::Kind::String);
        } else if (tag == "color") {
            data.setKind(AttributeData::Kind::Color);
        } else if (tag == "url") {
            data.setKind(AttributeData::Kind::Url);
        } else if (tag == "enum") {
            data.setKind(AttributeData::Kind::Enumeration);
            std::vector<Core::String> values;
            for (const Xml::Element& value : kind.get_child_elements("value")) {
                values.push_back(value.get_content().trimmed());
            }
            data.setValues(std::move(values));
        } else {
            continue;
        }
        data.setRole(kind.get_attribute_value("role"));
        if (const Core::String description = kind.get_attribute_value("description");
            !description.isEmpty()) {
            data.setDescription(description);
        }
        return data;
    }
    // A definition without a kind still names a known attribute: free text.
    data.setKind(AttributeData::Kind::String);
    return data;
}

ElementData SyntaxXml::getRootElementData() const
{
    const SmartPtr<Xml::XmlDocument> document = getFOSyntaxDocument();
    if (!document || document->getRootNode().isNull()) {
        return {};
    }
    return getElementDataByName(document->getRootNode().get_attribute_value("root-element"),
                                SyntaxXmlType::FO);
}

ElementData SyntaxXml::getElementDataByName(const Core::String& name, SyntaxXmlType type) const
{
    const int index = indexOf(type);
    if (index < 0) {
        return {};
    }
    const Core::String local = localName(name, type);
    if (!couldBeName(local)) {
        return {};
    }
    return remembered(m_elementCache[size_t(index)], local.toQString(), maxRemembered, [&] {
        const Xml::Element definition = findDefinition(type, "elements", "element", local);
        return definition.isNull() ? ElementData() : elementData(definition, type);
    });
}

AttributeData SyntaxXml::getAttributeDataByName(const Core::String& name, SyntaxXmlType type) const
{
    const int index = indexOf(type);
    if (index < 0) {
        return {};
    }
    const Core::String local = localName(name, type);
    if (!couldBeName(local)) {
        return {};
    }
    return remembered(m_attributeCache[size_t(index)], local.toQString(), maxRemembered, [&] {
        const Xml::Element definition = findDefinition(type, "attributes", "attribute", local);
        return definition.isNull() ? AttributeData() : attributeData(definition);
    });
}

AttributeData SyntaxXml::getAttributeDataByQualifiedName(const Core::String& qualifiedName,
                                                         SyntaxXmlType elementType) const
{
    const int colon = qualifiedName.find(QChar(u':'));
    if (colon > 0) {
        const SyntaxXmlType prefixType = getSyntaxXmlType(qualifiedName.left(colon));
        if (prefixType != SyntaxXmlType::Unknown) {
            return getAttributeDataByName(qualifiedName.subString(colon + 1), prefixType);
        }
    }
    return getAttributeDataByName(qualifiedName, elementType);
}

std::vector<Core::String> SyntaxXml::getElements(SyntaxXmlType type) const
{
    std::vector<Core::String> names;
    const SmartPtr<Xml::XmlDocument> document = getSyntaxDocument(type);
    if (!document || document->getRootNode().isNull()) {
        return names;
    }
    const Core::String prefix = getPrefix(type);
    for (const Xml::Node& node : document->getRootNode().find("//elements/element")) {
        const Core::String name = Xml::Element(node).get_attribute_value("name");
        if (!name.isEmpty()) {
            names.push_back(prefix + ":" + name);
        }
    }
    return names;
}
