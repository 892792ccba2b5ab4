#pragma once

#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmlelement.h"
#include "uieditor_export.h"

#include <memory>
#include <QString>
#include <utility>
#include <vector>

class XsdSchemaSet;

/// Builds a skeleton sample document from an XSD schema, so that a template
/// can be designed against data that does not exist yet: the first global
/// element of the schema with every element its content model may hold
/// (every alternative of a choice), each once, and every declared attribute
/// with an empty value. Elements that contain themselves appear once more,
/// with their attributes only.
class UIEDITOR_EXPORT XsdSampleBuilder
{
public:
    /// Deeper samples are refused; libxml2 would not read them back either.
    static constexpr int maxDepth = 256;
    /// Bigger samples are refused: a schema whose types contain each other
    /// several times over would otherwise grow without end.
    static constexpr int maxElements = 250000;

    /// `prefix` qualifies the generated elements when the schema has a target
    /// namespace. `targetNamespace` is what the builder starts from; the
    /// schema's own target namespace replaces it.
    XsdSampleBuilder(const Core::String& prefix, const Core::String& targetNamespace);
    ~XsdSampleBuilder();
    XsdSampleBuilder(const XsdSampleBuilder&) = delete;
    XsdSampleBuilder& operator=(const XsdSampleBuilder&) = delete;

    /// The sample of the schema at `schemaPath` (with what it includes and
    /// imports). Shows a warning when the schema has several global elements
    /// and logs references it cannot resolve; raises Core::Exception when the
    /// schema has no global element, holds a malformed declaration, is not
    /// well-formed or would give a sample too deep or too big.
    SmartPtr<Xml::XmlDocument> build(const Core::String& schemaPath);

    /// The target namespace of the last schema built from.
    Core::String getTargetNamespace() const { return m_targetNamespace; }

private:
    struct Active;

    void fillFromDeclaration(Xml::Element node, const Xml::Element& declaration, bool withChildren);
    void fillContent(Xml::Element& node, const Xml::Element& type, bool withParticles);
    void fillAttributes(Xml::Element& node, const Xml::Element& holder);
    void expandParticle(Xml::Element& node, const Xml::Element& particle);
    void expandGroupReference(Xml::Element& node, const Xml::Element& reference);
    void addElementParticle(Xml::Element& node, const Xml::Element& particle);
    void takeName(Xml::Element& node, const QString& name);
    bool isRecursion(const Xml::Element& particle) const;
    void enter();
    void leave() { --m_nesting; }

    Core::String m_prefix;
    Core::String m_targetNamespace;
    std::unique_ptr<XsdSchemaSet> m_schemas;
    /// (name, type) of the element declarations being filled, outermost first.
    std::vector<std::pair<QString, QString>> m_ancestors;
    /// Groups, attribute groups and base types being expanded inside the
    /// current element: meeting one again there is a cycle with no element
    /// to stop it.
    std::unique_ptr<Active> m_active;
    int m_nesting = 0;
    long m_steps = 0;
    int m_elementCount = 0;
};
