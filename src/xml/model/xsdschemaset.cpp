#include "xml/model/xsdschemaset_p.h"

#include "outside/core/coreformat.h"
#include "outside/core/corelog.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"

#include <deque>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {

constexpr unsigned kSchemaNotFound = 63305;

// A schemaLocation as a local path; empty for anything that would have to be
// fetched (http:, ftp:, a file: URL on another host).
QString localPathOf(const QString& location, const QString& folder)
{
    if (location.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(location);
        return url.isLocalFile() &&
                       (url.host().isEmpty() || url.host() == QLatin1String("localhost"))
                   ? QDir::cleanPath(url.toLocalFile())
                   : QString();
    }
    // A scheme is two or more letters before a colon; one letter is a drive.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(location).hasMatch()) {
        return QString();
    }
    const QString path = QDir::fromNativeSeparators(location);
    if (path.startsWith(QLatin1String("//"))) {
        return QString(); // a share on another machine
    }
    return QDir::cleanPath(QDir(folder).absoluteFilePath(path));
}

} // namespace

void XsdSchemaSet::load(const Core::String& path)
{
    const QFileInfo main(path.toQString());
    std::deque<QString> pending{main.absoluteFilePath()};
    QSet<QString> seen{main.canonicalFilePath().isEmpty() ? main.absoluteFilePath()
                                                          : main.canonicalFilePath()};
    while (!pending.empty()) {
        const QString file = pending.front();
        pending.pop_front();
        Xml::DomParser parser(file);
        SmartPtr<Xml::XmlDocument> document = parser.getDocument();
        m_documents.push_back(document);
        m_files.push_back(file);
        const Xml::Element root = document->getRootNode();
        if (m_mainRoot.isNull()) {
            m_mainRoot = root;
        }
        addDeclarations(root);

        const QString folder = QFileInfo(file).absolutePath();
        for (const Xml::Element& child : root.get_child_elements()) {
            if (!isSchemaElement(child, "include") && !isSchemaElement(child, "import")) {
                continue;
            }
            const QString location = child.get_attribute_value("schemaLocation").toQString();
            if (location.isEmpty()) {
                continue; // an import of a namespace known by other means
            }
            const QString local = localPathOf(location, folder);
            const QFileInfo info(local);
            // Only regular files: a device or a pipe could block the load forever.
            if (local.isEmpty() || !info.isFile()) {
                Core::Log::warning(
                    Core::Format::format(Core::String::formatS(kSchemaNotFound), location));
                continue;
            }
            const QString canonical = info.canonicalFilePath();
            if (!seen.contains(canonical)) {
                seen.insert(canonical);
                pending.push_back(info.absoluteFilePath());
            }
        }
    }
}

void XsdSchemaSet::addDeclarations(const Xml::Element& root)
{
    for (const Xml::Element& child : root.get_child_elements()) {
        const QString name = child.get_attribute_value("name").toQString();
        if (name.isEmpty()) {
            continue;
        }
        QHash<QString, Xml::Element>* table = nullptr;
        if (isSchemaElement(child, "element")) {
            table = &m_elements;
        } else if (isSchemaElement(child, "complexType")) {
            table = &m_complexTypes;
        } else if (isSchemaElement(child, "group")) {
            table = &m_groups;
        } else if (isSchemaElement(child, "attributeGroup")) {
            table = &m_attributeGroups;
        }
        if (table && !table->contains(name)) {
            table->insert(name, child);
        }
    }
}

std::vector<Xml::Element> XsdSchemaSet::mainGlobalElements() const
{
    std::vector<Xml::Element> elements;
    if (m_mainRoot.isNull()) {
        return elements;
    }
    for (const Xml::Element& child : m_mainRoot.get_child_elements()) {
        if (isSchemaElement(child, "element")) {
            elements.push_back(child);
        }
    }
    return elements;
}

Xml::Element XsdSchemaSet::globalElement(const QString& name) const
{
    return find(m_elements, name);
}

Xml::Element XsdSchemaSet::complexType(const QString& name) const
{
    return find(m_complexTypes, name);
}

Xml::Element XsdSchemaSet::group(const QString& name) const
{
    return find(m_groups, name);
}

Xml::Element XsdSchemaSet::attributeGroup(const QString& name) const
{
    return find(m_attributeGroups, name);
}

Xml::Element XsdSchemaSet::find(const QHash<QString, Xml::Element>& table, const QString& name)
{
    return table.value(localPart(name));
}

bool XsdSchemaSet::isSchemaElement(const Xml::Node& node, const char* localName)
{
    if (!node.is_element() || node.get_local_name().toQString() != QLatin1String(localName)) {
        return false;
    }
    const Core::String uri = node.get_namespace_uri();
    return uri.isEmpty() || uri == Core::String(Xml::Namespaces::XSD);
}

QString XsdSchemaSet::localPart(const QString& qualifiedName)
{
    const qsizetype colon = qualifiedName.indexOf(QLatin1Char(':'));
    return colon < 0 ? qualifiedName : qualifiedName.mid(colon + 1);
}
