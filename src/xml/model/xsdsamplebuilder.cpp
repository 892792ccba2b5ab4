#include "xml/model/xsdsamplebuilder.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/coreexception.h"
#include "outside/core/coreformat.h"
#include "outside/core/corelog.h"
#include "xml/model/xsdschemaset_p.h"

#include <QCoreApplication>
#include <QSet>

namespace {

struct XsdSampleBuilderTr
{
    Q_DECLARE_TR_FUNCTIONS(XsdSampleBuilder)
};

constexpr unsigned kMalformedElement = 63301;
constexpr unsigned kGroupNotFound = 63303;
constexpr unsigned kAttributeGroupNotFound = 63304;
constexpr unsigned kContentWithoutElement = 63306;
constexpr unsigned kNoGlobalElement = 63307;
constexpr unsigned kSeveralGlobalElements = 63308;

// Bounds on the walk itself, apart from what the sample may hold: chains of
// groups and derivations without elements in between, and content models
// that refer to the same groups many times over.
constexpr int maxNesting = 4096;
constexpr long maxSteps = 2000000;

Core::String messageWithLine(unsigned id, const Xml::Node& node)
{
    return Core::Format::format(Core::String::formatS(id), node.get_line());
}

QString attribute(const Xml::Element& element, const char* name)
{
    return element.get_attribute_value(name).toQString();
}

// A complex type with text in it but no element is not a content model.
bool hasContentWithoutElement(const Xml::Element& type)
{
    bool text = false;
    for (const Xml::Node& child : type.get_children()) {
        if (child.is_element()) {
            return false;
        }
        if (child.is_text() && !child.get_content().toQString().trimmed().isEmpty()) {
            text = true;
        }
    }
    return text;
}

} // namespace

struct XsdSampleBuilder::Active
{
    QSet<QString> groups;
    QSet<QString> attributeGroups;
    QSet<QString> baseTypes;
};

XsdSampleBuilder::XsdSampleBuilder(const Core::String& prefix, const Core::String& targetNamespace)
    : m_prefix(prefix), m_targetNamespace(targetNamespace), m_active(std::make_unique<Active>())
{
}

XsdSampleBuilder::~XsdSampleBuilder() = default;

SmartPtr<Xml::XmlDocument> XsdSampleBuilder::build(const Core::String& schemaPath)
{
    m_schemas = std::make_unique<XsdSchemaSet>();
    m_ancestors.clear();
    *m_active = Active();
    m_nesting = 0;
    m_steps = 0;
    m_elementCount = 0;

    m_schemas->load(schemaPath);
    m_targetNamespace = m_schemas->mainRoot().get_attribute_value("targetNamespace");
    const std::vector<Xml::Element> globals = m_schemas->mainGlobalElements();
    if (globals.empty()) {
        throw Core::Exception(Core::String::formatS(kNoGlobalElement));
    }
    if (globals.size() > 1) {
        UIApplication::MessageBoxW(kSeveralGlobalElements, Win32::MB_ICONWARNING | Win32::MB_OK);
    }
    auto document = makeSmart<Xml::XmlDocument>();
    Xml::Element root = document->createRootNode(Core::String());
    m_elementCount = 1;
    fillFromDeclaration(root, globals.front(), true);
    if (root.get_local_name().isEmpty()) {
        // The first element refers to one that does not exist: there is no sample.
        throw Core::Exception(messageWithLine(kMalformedElement, globals.front()));
    }
    return document;
}

void XsdSampleBuilder::enter()
{
    if (++m_nesting > maxNesting || ++m_steps > maxSteps) {
        throw Core::Exception(Core::String(
            XsdSampleBuilderTr::tr("The schema's content models are nested too deeply or repeated too often "
                   "to build sample data from.")));
    }
}

void XsdSampleBuilder::fillFromDeclaration(Xml::Element node, const Xml::Element& declaration,
                                           bool withChildren)
{
    enter();
    const QString name = attribute(declaration, "name");
    if (name.isEmpty()) {
        const QString reference = attribute(declaration, "ref");
        if (reference.isEmpty()) {
            throw Core::Exception(messageWithLine(kMalformedElement, declaration));
        }
        const Xml::Element global = m_schemas->globalElement(reference);
        if (global.isNull()) {
            Core::Log::warning(messageWithLine(kMalformedElement, declaration));
        } else {
            // A global declaration always has a name: this goes no further.
            fillFromDeclaration(node, global, withChildren);
        }
        leave();
        return;
    }
    if (int(m_ancestors.size()) >= maxDepth) {
        throw Core::Exception(Core::String(
            XsdSampleBuilderTr::tr("The schema nests elements more than %1 levels deep.").arg(maxDepth)));
    }
    takeName(node, name);

    const QString type = attribute(declaration, "type");
    Xml::Element content;
    if (!type.isEmpty()) {
        content = m_schemas->complexType(type); // null for simple and built-in types
    } else {
        for (const Xml::Element& child : declaration.get_child_elements()) {
            if (XsdSchemaSet::isSchemaElement(child, "complexType")) {
                if (hasContentWithoutElement(child)) {
                    throw Core::Exception(Core::String::formatS(kContentWithoutElement));
                }
                content = child;
                break;
            }
        }
    }
    if (!content.isNull()) {
        m_ancestors.emplace_back(name, XsdSchemaSet::localPart(type));
        // Cycles of groups and derivations are looked for within one element:
        // across elements the recursion guard stops them.
        Active outer = std::exchange(*m_active, Active());
        fillContent(node, content, withChildren);
        *m_active = std::move(outer);
        m_ancestors.pop_back();
    }
    leave();
}

void XsdSampleBuilder::fillContent(Xml::Element& node, const Xml::Element& type, bool withParticles)
{
    enter();
    fillAttributes(node, type);
    for (const Xml::Element& child : type.get_child_elements()) {
        if (withParticles && (XsdSchemaSet::isSchemaElement(child, "sequence") ||
                              XsdSchemaSet::isSchemaElement(child, "choice") ||
                              XsdSchemaSet::isSchemaElement(child, "all"))) {
            expandParticle(node, child);
        } else if (withParticles && XsdSchemaSet::isSchemaElement(child, "group")) {
            expandGroupReference(node, child);
        } else if (XsdSchemaSet::isSchemaElement(child, "complexContent") ||
                   XsdSchemaSet::isSchemaElement(child, "simpleContent")) {
            for (const Xml::Element& derivation : child.get_child_elements()) {
                if (!XsdSchemaSet::isSchemaElement(derivation, "extension") &&
                    !XsdSchemaSet::isSchemaElement(derivation, "restriction")) {
                    continue;
                }
                const QString baseName = XsdSchemaSet::localPart(attribute(derivation, "base"));
                const Xml::Element base = m_schemas->complexType(baseName);
                if (!base.isNull()) {
                    if (m_active->baseTypes.contains(baseName)) {
                        throw Core::Exception(Core::String(
                            XsdSampleBuilderTr::tr("The complex type \"%1\" derives from itself.").arg(baseName)));
                    }
                    m_active->baseTypes.insert(baseName);
                    fillContent(node, base, withParticles);
                    m_active->baseTypes.remove(baseName);
                }
                fillContent(node, derivation, withParticles);
            }
        }
    }
    leave();
}

void XsdSampleBuilder::fillAttributes(Xml::Element& node, const Xml::Element& holder)
{
    enter();
    for (const Xml::Element& child : holder.get_child_elements()) {
        if (XsdSchemaSet::isSchemaElement(child, "attribute")) {
            const QString name = attribute(child, "name");
            // "xmlns" would declare a namespace instead; no schema may name it.
            if (!name.isEmpty() && name != QLatin1String("xmlns")) {
                node.set_attribute(name, Core::String());
            }
        } else if (XsdSchemaSet::isSchemaElement(child, "attributeGroup")) {
            const QString reference = attribute(child, "ref");
            if (reference.isEmpty()) {
                continue;
            }
            const Xml::Element group = m_schemas->attributeGroup(reference);
            if (group.isNull()) {
                Core::Log::warning(messageWithLine(kAttributeGroupNotFound, child));
                continue;
            }
            const QString key = XsdSchemaSet::localPart(reference);
            if (m_active->attributeGroups.contains(key)) {
                throw Core::Exception(
                    Core::String(XsdSampleBuilderTr::tr("The attribute group \"%1\" contains itself.").arg(key)));
            }
            m_active->attributeGroups.insert(key);
            fillAttributes(node, group);
            m_active->attributeGroups.remove(key);
        }
    }
    leave();
}

void XsdSampleBuilder::expandParticle(Xml::Element& node, const Xml::Element& particle)
{
    enter();
    for (const Xml::Element& child : particle.get_child_elements()) {
        if (XsdSchemaSet::isSchemaElement(child, "element")) {
            addElementParticle(node, child);
        } else if (XsdSchemaSet::isSchemaElement(child, "sequence") ||
                   XsdSchemaSet::isSchemaElement(child, "choice") ||
                   XsdSchemaSet::isSchemaElement(child, "all")) {
            expandParticle(node, child);
        } else if (XsdSchemaSet::isSchemaElement(child, "group")) {
            expandGroupReference(node, child);
        }
    }
    leave();
}

void XsdSampleBuilder::expandGroupReference(Xml::Element& node, const Xml::Element& reference)
{
    enter();
    const QString name = attribute(reference, "ref");
    if (name.isEmpty()) {
        expandParticle(node, reference); // a group written in place
        leave();
        return;
    }
    const Xml::Element group = m_schemas->group(name);
    if (group.isNull()) {
        Core::Log::warning(messageWithLine(kGroupNotFound, reference));
        leave();
        return;
    }
    const QString key = XsdSchemaSet::localPart(name);
    if (m_active->groups.contains(key)) {
        throw Core::Exception(Core::String(XsdSampleBuilderTr::tr("The group \"%1\" contains itself.").arg(key)));
    }
    m_active->groups.insert(key);
    expandParticle(node, group);
    m_active->groups.remove(key);
    leave();
}

void XsdSampleBuilder::addElementParticle(Xml::Element& node, const Xml::Element& particle)
{
    const QString name = attribute(particle, "name");
    const QString reference = attribute(particle, "ref");
    if (name.isEmpty() && reference.isEmpty()) {
        throw Core::Exception(messageWithLine(kMalformedElement, particle));
    }
    if (++m_elementCount > maxElements) {
        throw Core::Exception(Core::String(
            XsdSampleBuilderTr::tr("The sample data built from the schema would have more than %1 elements.")
                .arg(maxElements)));
    }
    const QString childName = name.isEmpty() ? XsdSchemaSet::localPart(reference) : name;
    Xml::Element child = node.add_child(childName);
    if (isRecursion(particle)) {
        // The element contains itself: show it once more, without descending.
        const Xml::Element global = m_schemas->globalElement(childName);
        fillFromDeclaration(child, global.isNull() ? particle : global, false);
    } else {
        fillFromDeclaration(child, particle, true);
    }
}

bool XsdSampleBuilder::isRecursion(const Xml::Element& particle) const
{
    const QString name = attribute(particle, "name");
    const QString type = XsdSchemaSet::localPart(attribute(particle, "type"));
    const QString reference = XsdSchemaSet::localPart(attribute(particle, "ref"));
    for (const auto& [ancestorName, ancestorType] : m_ancestors) {
        if (!name.isEmpty() && ancestorName == name && (type.isEmpty() || ancestorType == type)) {
            return true;
        }
        if (!reference.isEmpty() && ancestorName == reference) {
            return true;
        }
    }
    return false;
}

void XsdSampleBuilder::takeName(Xml::Element& node, const QString& name)
{
    if (!m_prefix.isEmpty() && !m_targetNamespace.isEmpty()) {
        node.set_namespace_declaration(m_targetNamespace, m_prefix);
        node.set_name(m_prefix + ":" + name);
    } else {
        node.set_name(name);
    }
}
