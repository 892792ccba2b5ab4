#include "templatedocument.h"

#include "outside/core/coreexception.h"
#include "outside/core/corefilesystem.h"
#include "outside/core/coreformat.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmlattribute.h"
#include "outside/dom/xmldomparser.h"
#include "outside/types/xpathhelpers.h"
#include "outside/xslfo/xslfodtobjectinfolist.h"
#include "outside/xslfo/xslfonamespaces.h"

namespace {

// The prefixes dialogs write without declaring them.
const char* const wrapperStart = "<kmb-insert xmlns:fo=\"http://www.w3.org/1999/XSL/Format\""
                                 " xmlns:kmb=\"http://www.varnel.com/kmb/1.0\""
                                 " xmlns:km=\"http://www.varnel.com/km/1.0\""
                                 " xmlns:svg=\"http://www.w3.org/2000/svg\""
                                 " xmlns:zc=\"http://www.varnel.com/2008/zc\">";

Core::String qualifiedName(const Xml::Node& node)
{
    const Core::String prefix = XSLFO::getDefaultNSPrefix(node.get_namespace_uri());
    const Core::String usedPrefix = prefix.isEmpty() ? node.get_namespace_prefix() : prefix;
    return usedPrefix.isEmpty() ? node.get_local_name() : usedPrefix + ":" + node.get_local_name();
}

// The name dialogs give an attribute: "fo:" + name for plain attributes, the
// usual prefix for other namespaces.
Core::String propertyName(const Xml::Attribute& attribute)
{
    const Core::String uri = attribute.get_namespace_uri();
    Core::String prefix = uri.isEmpty() ? Core::String("fo") : XSLFO::getDefaultNSPrefix(uri);
    if (prefix.isEmpty()) {
        prefix = attribute.get_namespace_prefix();
    }
    return prefix + ":" + attribute.get_local_name();
}

std::vector<Xml::Element> chainOf(Xml::Element element)
{
    std::vector<Xml::Element> chain;
    for (; !element.isNull(); element = element.get_parent()) {
        chain.push_back(element);
    }
    return chain;
}

Xml::Element firstMatching(const Xml::Element& element, const Core::String& path, const Core::String& wanted)
{
    const Core::String here = path + "/" + qualifiedName(element);
    if (here == wanted) {
        return element;
    }
    if (!wanted.startsWith(here + "/")) {
        return {};
    }
    for (const Xml::Element& child : element.get_child_elements()) {
        if (Xml::Element found = firstMatching(child, here, wanted); !found.isNull()) {
            return found;
        }
    }
    return {};
}

} // namespace

TemplateDocument::TemplateDocument(SmartPtr<Xml::XmlDocument> xml, Core::String path)
    : m_xml(std::move(xml)), m_path(std::move(path)), m_sample(makeSmart<SampleXml>())
{
    m_selected = root();
    loadSample();
}

TemplateDocument::~TemplateDocument() = default;

SmartPtr<TemplateDocument> TemplateDocument::load(const Core::String& path)
{
    Xml::DomParser parser;
    parser.parseFile(path);
    return SmartPtr<TemplateDocument>(
        new TemplateDocument(parser.getDocument(), Core::IO::FileSystem::getFullPath(path)));
}

SmartPtr<TemplateDocument> TemplateDocument::fromText(const QByteArray& text, const Core::String& name)
{
    Xml::DomParser parser;
    parser.parseMemory(text, name);
    return SmartPtr<TemplateDocument>(new TemplateDocument(parser.getDocument(), Core::String()));
}

void TemplateDocument::save(const Core::String& path)
{
    // Not pretty-printed: the user's own layout of the markup is kept.
    m_xml->writeToFile(path, false);
    const Core::String full = Core::IO::FileSystem::getFullPath(path);
    const bool moved = full != m_path;
    m_path = full;
    m_modified = false;
    if (moved) {
        loadSample(); // a relative sample path now starts from the new folder
    }
}

Xml::Element TemplateDocument::root() const
{
    return m_xml->getRootNode();
}

void TemplateDocument::select(const Xml::Element& element)
{
    m_selected = element.isNull() ? root() : element;
}

Core::String TemplateDocument::pathOf(const Xml::Element& element)
{
    Core::String path;
    for (Xml::Element up = element; !up.isNull(); up = up.get_parent()) {
        path = "/" + qualifiedName(up) + path;
    }
    return path;
}

Xml::Element TemplateDocument::elementAt(const Core::String& path) const
{
    for (const Xml::Element& element : chainOf(m_selected)) {
        if (pathOf(element) == path) {
            return element;
        }
    }
    const Xml::Element top = root();
    return top.isNull() ? Xml::Element() : firstMatching(top, Core::String(), path);
}

PropertyCollection TemplateDocument::propertiesOf(const Xml::Element& element)
{
    PropertyCollection properties;
    if (element.isNull()) {
        return properties;
    }
    for (const Xml::Attribute& attribute : element.get_attributes()) {
        properties.addProperty(EditableProperty(propertyName(attribute), attribute.get_value()), true);
    }
    return properties;
}

void TemplateDocument::applyProperties(const Core::String& path, const PropertyCollection& properties,
                                       ApplyMode mode)
{
    Xml::Element element = elementAt(path);
    if (element.isNull()) {
        throw Core::Exception(Core::String("The template has no object at ") + path + ".");
    }
    struct Change
    {
        Core::String local;
        Core::String uri;
        Core::String prefix;
        Core::String value;
    };
    // Every name is checked before anything changes, so a refused collection
    // leaves the object as it was.
    const PropertyCollection before = propertiesOf(element);
    std::vector<Change> changes;
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        const Core::String& name = property->getName();
        if (mode == ApplyMode::Replace && before.getPropertyValue(name) == property->getValue() &&
            !property->getValue().isEmpty()) {
            continue; // unchanged, whatever namespace it is in
        }
        const int colon = name.find(QChar(u':'));
        const Core::String prefix = colon < 0 ? Core::String() : name.left(colon);
        const Core::String local = colon < 0 ? name : name.subString(colon + 1);
        // CSS properties are plain attributes of the formatting objects.
        const bool plain = prefix.isEmpty() || prefix == "fo";
        const Core::String uri = plain ? Core::String() : XSLFO::getDefaultNSUri(prefix);
        if (!plain && uri.isEmpty()) {
            throw Core::Exception(Core::String("Unknown namespace prefix in the property ") + name + ".");
        }
        changes.push_back({local, uri, plain ? Core::String() : prefix, property->getValue()});
    }
    if (mode == ApplyMode::Replace) {
        for (const Xml::Attribute& attribute : element.get_attributes()) {
            if (!properties.containsProperty(propertyName(attribute))) {
                element.remove_attribute(attribute.get_local_name(), attribute.get_namespace_uri());
            }
        }
    }
    for (const Change& change : changes) {
        if (change.value.isEmpty()) {
            element.remove_attribute(change.local, change.uri);
            continue;
        }
        if (!change.prefix.isEmpty()) {
            root().set_namespace_declaration(change.uri, change.prefix);
        }
        element.set_attribute(change.local, change.value, change.prefix);
    }
    markChanged();
}

Xml::Element TemplateDocument::insertMarkup(const Core::String& markup, InsertPosition position)
{
    Xml::DomParser parser;
    parser.parseMemory(Core::String(wrapperStart) + markup + "</kmb-insert>", "inserted markup");
    const Xml::Element wrapper = parser.getDocument()->getRootNode();
    Xml::Element target = m_selected.isNull() ? root() : m_selected;
    const bool inside = position == InsertPosition::Inside || target == root();
    Xml::Element parent = inside ? target : target.get_parent();
    Xml::Element first;
    Xml::Node anchor = target;
    for (const Xml::Node& piece : wrapper.get_children()) {
        Xml::Node copy = parent.import_node(piece, true);
        if (!inside && !copy.is_text()) {
            copy.move_after(anchor);
            anchor = copy;
        }
        if (first.isNull() && copy.is_element()) {
            first = Xml::Element(copy);
        }
    }
    markChanged();
    return first;
}

void TemplateDocument::replaceMarkup(const QByteArray& markup)
{
    Xml::DomParser parser;
    parser.parseMemory(markup, m_path.isEmpty() ? Core::String("template") : Core::IO::FileSystem::getFileName(m_path));
    const Core::String selectedPath = pathOf(m_selected);
    const Core::String sample = root().get_attribute_value("sample-xml", Xml::Namespaces::KMB);
    m_xml = parser.getDocument();
    // Generated identities are keyed by node; the old nodes are gone.
    m_generatedIds.clear();
    m_selected = root();
    if (const Xml::Element again = elementAt(selectedPath); !again.isNull()) {
        m_selected = again;
    }
    if (root().get_attribute_value("sample-xml", Xml::Namespaces::KMB) != sample) {
        loadSample();
    }
    markChanged();
}

void TemplateDocument::setPropertyValue(const Xml::Element& element, const PropertyValueEx& value)
{
    if (element.isNull() || value.getAttributeName().isEmpty()) {
        return;
    }
    Xml::Element target = element;
    const Core::String id = objectIdOf(target);
    if (value.isStatic()) {
        m_values.remove({id, value.getAttributeName()});
    } else {
        if (target.get_attribute_value("id").isEmpty()) {
            target.set_attribute("id", id);
        }
        PropertyValueEx kept = value;
        kept.setObjectId(id);
        m_values.insert({id, value.getAttributeName()}, kept);
    }
    target.set_attribute(value.getAttributeName(), value.getStaticValue());
    markChanged();
}

PropertyValueEx TemplateDocument::propertyValue(const Xml::Element& element,
                                                const Core::String& name) const
{
    const Core::String id = objectIdOf(element);
    const auto kept = m_values.find({id, name});
    if (kept != m_values.end()) {
        return kept.value();
    }
    PropertyValueEx value(name, id);
    value.setStaticValue(element.get_attribute_value(name));
    return value;
}

void TemplateDocument::loadSample()
{
    const Core::String relative = root().get_attribute_value("sample-xml", Xml::Namespaces::KMB);
    if (relative.isEmpty()) {
        m_sample->load(Core::String(), DatasourceType::XmlFile);
        return;
    }
    const Core::String folder = Core::IO::FileSystem::getDirectoryName(m_path);
    const Core::String path = Core::IO::FileSystem::combine(folder, relative);
    const Core::String extension = Core::IO::FileSystem::getExtension(path).toLower();
    DatasourceType type = DatasourceType::XmlFile;
    if (extension == ".lfa") {
        type = DatasourceType::DataAggregationFile;
    } else if (extension == ".xsd") {
        type = DatasourceType::XsdFile;
    }
    m_sample->load(path, type);
}

void TemplateDocument::bindSample(const Core::String& path)
{
    const Core::String full = Core::IO::FileSystem::getFullPath(path);
    const Core::String stored =
        m_path.isEmpty() ? full : Core::IO::FileSystem::makeRelative(full, Core::IO::FileSystem::getDirectoryName(m_path));
    Xml::Element rootElement = root();
    // The template may bind the designer's namespace to a prefix of its own.
    Core::String prefix;
    for (const Xml::NamespaceDeclaration& declaration : rootElement.get_namespace_declarations()) {
        if (declaration.uri == Xml::Namespaces::KMB && !declaration.prefix.isEmpty()) {
            prefix = declaration.prefix;
        }
    }
    if (prefix.isEmpty()) {
        prefix = "kmb";
        rootElement.set_namespace_declaration(Xml::Namespaces::KMB, prefix);
    }
    rootElement.set_attribute("sample-xml", stored, prefix);
    loadSample();
    markChanged();
}

void TemplateDocument::markChanged()
{
    m_modified = true;
    if (m_changed) {
        m_changed();
    }
}

Core::String TemplateDocument::objectIdOf(const Xml::Element& element) const
{
    const Core::String id = element.get_attribute_value("id");
    if (!id.isEmpty()) {
        return id;
    }
    auto it = m_generatedIds.find(element.identity());
    if (it == m_generatedIds.end()) {
        it = m_generatedIds.insert(element.identity(), Core::String("object-") + QString::number(m_generatedIds.size() + 1));
    }
    return *it;
}

SmartPtr<XSLFO::DTObjectInfo> TemplateDocument::infoOf(const Xml::Element& element) const
{
    if (element.isNull()) {
        return {};
    }
    auto info = makeSmart<XSLFO::DTObjectInfo>(qualifiedName(element), element.get_namespace_uri());
    info->setDisplayName(element.get_local_name());
    info->setObjectId(objectIdOf(element));
    return info;
}

bool TemplateDocument::hasSampleData()
{
    return !m_sample->getXmlDocument().isNull();
}

SmartPtr<XSLFO::DTObjectInfo> TemplateDocument::getSelectedObjectInfo()
{
    return infoOf(m_selected);
}

SmartPtr<XSLFO::DTObjectInfo> TemplateDocument::getObjectInfo(const Core::String& name)
{
    const Xml::Element top = root();
    if (top.isNull()) {
        return {};
    }
    for (const Xml::Node& node : top.find("//*")) {
        Xml::Element element(node);
        if (objectIdOf(element) == name || qualifiedName(element) == name) {
            return infoOf(element);
        }
    }
    return {};
}

Core::String TemplateDocument::getSelectedObjectPath()
{
    return pathOf(m_selected);
}

SmartPtr<XSLFO::DTObjectInfoList> TemplateDocument::getObjectChain()
{
    auto list = makeSmart<XSLFO::DTObjectInfoList>();
    for (const Xml::Element& element : chainOf(m_selected)) {
        list->add(infoOf(element));
    }
    return list;
}

PropertyCollection TemplateDocument::getObjectProperties(const Core::String& path)
{
    return propertiesOf(elementAt(path));
}

Core::String TemplateDocument::getDocumentPath()
{
    return m_path;
}

SmartPtr<SampleXml> TemplateDocument::getSampleXml()
{
    return hasSampleData() ? m_sample : SmartPtr<SampleXml>();
}

std::vector<ManagedScript> TemplateDocument::getScripts()
{
    std::vector<ManagedScript> scripts;
    for (const Xml::Element& element : root().get_child_elements()) {
        if (element.get_namespace_uri() == Xml::Namespaces::KMB && element.get_local_name() == "script") {
            scripts.emplace_back(element.get_attribute_value("prefix"), element.get_attribute_value("language"),
                                 element.get_content());
        }
    }
    return scripts;
}

std::vector<KMBVariable> TemplateDocument::getVariables()
{
    std::vector<KMBVariable> variables;
    for (const Xml::Element& element : root().get_child_elements()) {
        if (element.get_namespace_uri() == Xml::Namespaces::KMB && element.get_local_name() == "variable") {
            variables.emplace_back(element.get_attribute_value("name"), element.get_attribute_value("select"));
        }
    }
    return variables;
}

std::map<Core::String, Core::String> TemplateDocument::getNamespaces()
{
    std::map<Core::String, Core::String> namespaces;
    for (const auto& declaration : root().get_namespace_declarations()) {
        namespaces[declaration.prefix] = declaration.uri;
    }
    return namespaces;
}

int TemplateDocument::getXsltEngine()
{
    return Core::Format::parseInt(root().get_attribute_value("xslt-engine", Xml::Namespaces::KMB), 0);
}

bool TemplateDocument::isRepeat(const Xml::Element& element)
{
    return element.get_namespace_uri() == Xml::Namespaces::KMB &&
           element.get_local_name().endsWith("repeat") && !element.get_attribute("xpath").isNull();
}

Core::String TemplateDocument::repeatContext(const Xml::Element& element)
{
    std::vector<Core::String> paths; // innermost first
    for (Xml::Element up = element; !up.isNull(); up = up.get_parent()) {
        if (isRepeat(up)) {
            paths.push_back(up.get_attribute_value("xpath"));
        }
    }
    Core::String context;
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
        context = XPathHelpers::composeXPath(context.isEmpty() ? Core::String("/") : context, *path);
    }
    return context;
}

Core::String TemplateDocument::expressionContext(const Xml::Element& element)
{
    const Core::String context = element.isNull() ? Core::String() : repeatContext(element.get_parent());
    return context.isEmpty() ? Core::String("/") : context;
}
