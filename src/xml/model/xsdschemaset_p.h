#pragma once

#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmlelement.h"

#include <QHash>
#include <QString>
#include <vector>

/// A schema file together with the schemas it includes and imports (and
/// theirs, in turn): the global declarations the sample builder looks up by
/// name. A declaration met first wins; the main schema is read first.
class XsdSchemaSet
{
public:
    /// Reads the schema at `path` and what it includes or imports. Raises
    /// Core::Exception when one of them is not well-formed XML. A location
    /// that names no local file (missing, a folder, a URL) is never fetched:
    /// it is logged to the core log and skipped. Each file is read once, so
    /// schemas that include each other end.
    void load(const Core::String& path);

    /// The root element of the main schema.
    Xml::Element mainRoot() const { return m_mainRoot; }
    /// The "element" children of the main schema root, in order.
    std::vector<Xml::Element> mainGlobalElements() const;

    /// Global declarations by name; a prefix in `name` is dropped. Null when none.
    Xml::Element globalElement(const QString& name) const;
    Xml::Element complexType(const QString& name) const;
    Xml::Element group(const QString& name) const;
    Xml::Element attributeGroup(const QString& name) const;

    /// The files read, main schema first.
    const std::vector<QString>& files() const { return m_files; }

    /// Whether `node` is the schema construct `localName` ("element",
    /// "sequence"...): an element of that local name in the schema namespace
    /// (or, leniently, in none).
    static bool isSchemaElement(const Xml::Node& node, const char* localName);
    /// "xs:Address" gives "Address".
    static QString localPart(const QString& qualifiedName);

private:
    void addDeclarations(const Xml::Element& root);
    static Xml::Element find(const QHash<QString, Xml::Element>& table, const QString& name);

    std::vector<SmartPtr<Xml::XmlDocument>> m_documents;
    std::vector<QString> m_files;
    Xml::Element m_mainRoot;
    QHash<QString, Xml::Element> m_elements;
    QHash<QString, Xml::Element> m_complexTypes;
    QHash<QString, Xml::Element> m_groups;
    QHash<QString, Xml::Element> m_attributeGroups;
};
