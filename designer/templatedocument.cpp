#include "templatedocument.h"
#include "templateconditions.h"

#include "outside/core/coreexception.h"
#include "outside/core/corefilesystem.h"
#include "outside/core/coreformat.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmlattribute.h"
#include "outside/dom/xmldomparser.h"
#include "outside/types/objectid.h"
#include "outside/types/xpathhelpers.h"
#include "outside/xslfo/xslfodtobjectinfolist.h"
#include "outside/xslfo/xslfonamespaces.h"
#include "samplesource.h"
#include "templateedit.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUndoStack>
#include <algorithm>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(TemplateDocument)
};

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

void collectElements(const Xml::Element& element, std::vector<Xml::Element>& into)
{
    into.push_back(element);
    for (const Xml::Element& child : element.get_child_elements()) {
        collectElements(child, into);
    }
}

// The formatting objects named `local` below `element`, in document order.
std::vector<Xml::Element> descendantsNamed(const Xml::Element& element, const char* local)
{
    std::vector<Xml::Element> all;
    collectElements(element, all);
    std::vector<Xml::Element> named;
    for (const Xml::Element& candidate : all) {
        if (candidate != element && candidate.get_namespace_uri() == Xml::Namespaces::FO &&
            candidate.get_local_name() == local) {
            named.push_back(candidate);
        }
    }
    return named;
}

// The ids ObjectId::generate() makes.
const QRegularExpression& generatedId()
{
    static const QRegularExpression pattern(QStringLiteral("^id[0-9a-f]{32}$"));
    return pattern;
}

// Whether the XML declaration names an encoding other than UTF-8: text put
// into such a file is written as ASCII with character references.
bool declaresOtherEncoding(const QByteArray& text)
{
    static const QRegularExpression declaration(QStringLiteral(R"(^\s*<\?xml[^>]*encoding\s*=\s*["']([^"']+)["'])"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(text.left(256)));
    if (!match.hasMatch()) {
        return false;
    }
    const QString name = match.captured(1).toLower();
    return name != QLatin1String("utf-8") && name != QLatin1String("utf8");
}

} // namespace

TemplateDocument::TemplateDocument(const QByteArray& text, SmartPtr<Xml::XmlDocument> xml, Core::String path,
                                   ParsedSample sample)
    : m_asciiOnly(declaresOtherEncoding(text)), m_path(std::move(path)), m_sample(makeSmart<SampleXml>()),
      m_undo(std::make_unique<QUndoStack>()), m_parsedSample(std::move(sample))
{
    adopt(text, std::move(xml));
    m_selected = root();
    loadSample();
}

TemplateDocument::~TemplateDocument() = default;

SmartPtr<TemplateDocument> TemplateDocument::load(const Core::String& path)
{
    return fromParsed(parseFile(path));
}

TemplateDocument::ParsedFile TemplateDocument::parseFile(const Core::String& path)
{
    // Checked before parsing: a huge file or one of another kind is refused
    // with a message that says so, not with a parser error deep inside it.
    QFile file(path.toQString());
    if (!file.open(QIODevice::ReadOnly)) {
        throw Core::Exception(Core::String(Tr::tr("Cannot read %1: %2").arg(path.toQString(), file.errorString())));
    }
    if (file.size() > maximumFileSize) {
        throw Core::Exception(Core::String(Tr::tr("%1 is too large to open as a template (more than %2 MB).")
                                               .arg(path.toQString())
                                               .arg(maximumFileSize / (1024 * 1024))));
    }
    const QByteArray text = file.readAll();
    Xml::DomParser parser;
    parser.parseMemory(text, path); // raises with the file's name and the line
    const Xml::Element root = parser.getDocument()->getRootNode();
    if (root.isNull() || root.get_local_name() != "root" || root.get_namespace_uri() != Xml::Namespaces::FO) {
        throw Core::Exception(
            Core::String(Tr::tr("%1 is not an XSL-FO template: its root element is not fo:root.").arg(path.toQString())));
    }
    return {text, parser.getDocument(), Core::IO::FileSystem::getFullPath(path), {}};
}

Core::String TemplateDocument::samplePathOf(const ParsedFile& parsed)
{
    // Only XML samples are read ahead; the other kinds are built when bound.
    const SampleSource source = SampleSource::of(parsed.xml->getRootNode(), parsed.path);
    return source.type == DatasourceType::XmlFile ? source.path : Core::String();
}

SmartPtr<TemplateDocument> TemplateDocument::fromParsed(const ParsedFile& parsed)
{
    return SmartPtr<TemplateDocument>(new TemplateDocument(parsed.text, parsed.xml, parsed.path, parsed.sample));
}

SmartPtr<TemplateDocument> TemplateDocument::recovered(const QByteArray& text, const Core::String& path)
{
    Xml::DomParser parser;
    parser.parseMemory(text, path.isEmpty() ? Core::String("recovery") : path);
    SmartPtr<TemplateDocument> document(new TemplateDocument(text, parser.getDocument(), path));
    document->m_undo->resetClean(); // unsaved work: it is not what the file holds
    return document;
}

SmartPtr<TemplateDocument> TemplateDocument::fromText(const QByteArray& text, const Core::String& name)
{
    Xml::DomParser parser;
    parser.parseMemory(text, name);
    return SmartPtr<TemplateDocument>(new TemplateDocument(text, parser.getDocument(), Core::String()));
}

void TemplateDocument::save(const Core::String& path)
{
    QSaveFile file(path.toQString());
    if (!file.open(QIODevice::WriteOnly) || file.write(m_text) != m_text.size() || !file.commit()) {
        throw Core::Exception(Core::String(Tr::tr("Cannot save %1: %2").arg(path.toQString(), file.errorString())));
    }
    const Core::String full = Core::IO::FileSystem::getFullPath(path);
    const bool moved = full != m_path;
    m_path = full;
    m_undo->setClean();
    if (moved) {
        loadSample(); // a relative sample path now starts from the new folder
    }
}

bool TemplateDocument::isModified() const
{
    return !m_undo->isClean();
}

void TemplateDocument::adopt(const QByteArray& text, SmartPtr<Xml::XmlDocument> xml)
{
    const bool reread = !m_xml.isNull();
    const Core::String sampleBefore = reread ? sampleAttribute() : Core::String();
    const size_t countBefore = m_elements.size();
    m_text = text;
    m_xml = std::move(xml);
    m_elements.clear();
    collectElements(root(), m_elements);
    m_indices.clear();
    for (size_t i = 0; i < m_elements.size(); ++i) {
        m_indices.insert(m_elements[i].identity(), int(i));
    }
    m_markup = std::make_unique<MarkupScanner>(m_text);
    m_mapped = m_markup->isValid() && m_markup->elements().size() == m_elements.size();
    for (size_t i = 0; m_mapped && i < m_elements.size(); ++i) {
        m_mapped = m_elements[i].get_name().toQString() == QString::fromUtf8(m_markup->elements()[i].name);
    }
    if (countBefore != m_elements.size()) {
        m_generatedIds.clear(); // they go by position
    }
    m_values = TemplateValues::read(root());
    m_conditions = TemplateConditions::read(root());
    if (reread && sampleAttribute() != sampleBefore) {
        loadSample();
    }
}

void TemplateDocument::restore(const QByteArray& text, int selected)
{
    adopt(text, parse(text));
    m_selected = selected >= 0 && size_t(selected) < m_elements.size() ? m_elements[size_t(selected)] : root();
    markChanged();
}

SmartPtr<Xml::XmlDocument> TemplateDocument::parse(const QByteArray& text) const
{
    Xml::DomParser parser;
    parser.parseMemory(text, m_path.isEmpty() ? Core::String("template") : Core::IO::FileSystem::getFileName(m_path));
    return parser.getDocument();
}

void TemplateDocument::commit(const QString& action, const QByteArray& text, int selected)
{
    if (text == m_text) {
        return;
    }
    SmartPtr<Xml::XmlDocument> xml = parse(text);
    const int before = indexOf(m_selected);
    const Core::String selectedPath = pathOf(m_selected);
    const QByteArray old = m_text;
    adopt(text, std::move(xml));
    if (selected < 0) {
        // The same object, when the edit left it where it was; else the first at its path.
        selected = before;
        if (before < 0 || size_t(before) >= m_elements.size() || pathOf(m_elements[size_t(before)]) != selectedPath) {
            m_selected = root();
            selected = indexOf(elementAt(selectedPath));
        }
    }
    m_selected = selected >= 0 && size_t(selected) < m_elements.size() ? m_elements[size_t(selected)] : root();
    m_undo->push(new TemplateEdit(*this, action, old, text, before, indexOf(m_selected)));
    markChanged();
}

int TemplateDocument::indexOf(const Xml::Element& element) const
{
    if (element.isNull()) {
        return -1;
    }
    if (const auto found = m_indices.constFind(element.identity()); found != m_indices.constEnd()) {
        return *found;
    }
    // A handle from before the last edit: the object at its position, when
    // the edit left the objects where they were.
    Xml::Element top = element;
    while (!top.get_parent().isNull()) {
        top = top.get_parent();
    }
    std::vector<Xml::Element> earlier;
    collectElements(top, earlier);
    for (size_t i = 0; i < earlier.size() && i < m_elements.size(); ++i) {
        if (earlier[i] == element) {
            return pathOf(m_elements[i]) == pathOf(element) ? int(i) : -1;
        }
    }
    return -1;
}

const MarkupScanner::Element& TemplateDocument::rangeOf(int index) const
{
    if (!m_mapped || index < 0 || size_t(index) >= m_elements.size()) {
        throw Core::Exception(Core::String(
            Tr::tr("The markup of this object cannot be changed here. Edit it in the source view.")));
    }
    return m_markup->elements()[size_t(index)];
}

StartTagRewriter& TemplateDocument::rewriterOf(Rewriters& rewriters, int index) const
{
    auto found = rewriters.find(index);
    if (found == rewriters.end()) {
        found = rewriters.emplace(index, StartTagRewriter(m_text, rangeOf(index), m_asciiOnly)).first;
    }
    return found->second;
}

QByteArray TemplateDocument::prefixFor(Rewriters& rewriters, const char* uri, const QByteArray& wanted) const
{
    QStringList taken;
    for (const Xml::NamespaceDeclaration& declaration : root().get_namespace_declarations()) {
        if (declaration.uri == uri && !declaration.prefix.isEmpty()) {
            return declaration.prefix.toQString().toUtf8();
        }
        taken << declaration.prefix.toQString();
    }
    QByteArray prefix = wanted;
    for (int n = 1; taken.contains(QString::fromUtf8(prefix)); ++n) {
        prefix = wanted + QByteArray::number(n);
    }
    rewriterOf(rewriters, 0).set("xmlns:" + prefix, QString::fromUtf8(uri));
    return prefix;
}

QByteArray TemplateDocument::rewritten(const Rewriters& rewriters, std::vector<Replacement> extra) const
{
    for (const auto& [index, rewriter] : rewriters) {
        const MarkupScanner::Element& range = rangeOf(index);
        extra.emplace_back(range.start, range.startTagEnd, rewriter.result());
    }
    // Back to front, so the offsets of what is still to replace stay right.
    std::sort(extra.begin(), extra.end(),
              [](const Replacement& a, const Replacement& b) { return std::get<0>(a) > std::get<0>(b); });
    QByteArray text = m_text;
    for (const auto& [from, to, bytes] : extra) {
        text.replace(from, to - from, bytes);
    }
    return text;
}

TemplateDocument::Replacement TemplateDocument::valuesReplacement(const TemplateValues& values,
                                                                  Rewriters& rewriters) const
{
    return rootListReplacement(
        [](const Xml::Element& child) {
            return child.get_namespace_uri() == Xml::Namespaces::KMB && child.get_local_name() == "values";
        },
        values.isEmpty(),
        [&](const QByteArray& prefix, const QByteArray& indent) { return values.markup(prefix, indent, m_asciiOnly); },
        rewriters);
}

TemplateDocument::Replacement TemplateDocument::rootListReplacement(
    const std::function<bool(const Xml::Element&)>& isList, bool empty,
    const std::function<QByteArray(const QByteArray&, const QByteArray&)>& write, Rewriters& rewriters) const
{
    int existing = -1;
    for (const Xml::Element& child : root().get_child_elements()) {
        if (isList(child)) {
            existing = indexOf(child);
            break;
        }
    }
    if (existing < 0 && empty) {
        return {0, 0, QByteArray()};
    }
    const QByteArray prefix = empty ? QByteArray() : prefixFor(rewriters, Xml::Namespaces::KMB, "kmb");
    if (existing < 0) {
        const MarkupScanner::Element& top = rangeOf(0);
        if (top.empty) {
            rewriterOf(rewriters, 0).open();
            return {top.end, top.end, "\n  " + write(prefix, "  ") + "\n</" + top.name + '>'};
        }
        const bool lineStart = top.contentEnd > 0 && m_text.at(top.contentEnd - 1) == '\n';
        return {top.contentEnd, top.contentEnd, (lineStart ? "  " : "\n  ") + write(prefix, "  ") + '\n'};
    }
    const MarkupScanner::Element& range = rangeOf(existing);
    qsizetype lineStart = range.start;
    while (lineStart > 0 && (m_text.at(lineStart - 1) == ' ' || m_text.at(lineStart - 1) == '\t')) {
        --lineStart;
    }
    const bool ownLine = lineStart == 0 || m_text.at(lineStart - 1) == '\n';
    if (!empty) {
        const QByteArray indent = ownLine ? m_text.mid(lineStart, range.start - lineStart) : QByteArray("  ");
        return {range.start, range.end, write(prefix, indent)};
    }
    // The last entry went: so does the element, with its line.
    qsizetype end = range.end;
    if (ownLine) {
        end += m_text.mid(end, 2) == "\r\n" ? 2 : m_text.mid(end, 1) == "\n" ? 1 : 0;
    }
    return {ownLine ? lineStart : range.start, end, QByteArray()};
}

bool TemplateDocument::idUnused(const Core::String& id, const TemplateValues& values) const
{
    return !values.hasObject(id.toQString()) &&
           std::none_of(m_conditions.begin(), m_conditions.end(),
                        [&id](const KMBAttribute& condition) { return condition.getObjectId() == id; });
}

void TemplateDocument::setConditions(const Xml::Element& object, const Core::String& objectId,
                                     const std::vector<KMBAttribute>& conditions, const QString& action)
{
    Rewriters rewriters;
    const int index = indexOf(object);
    const bool named = std::any_of(conditions.begin(), conditions.end(),
                                   [&objectId](const KMBAttribute& condition) { return condition.getObjectId() == objectId; });
    if (index >= 0 && named && !objectId.isEmpty() && m_elements[size_t(index)].get_attribute_value("id").isEmpty()) {
        rewriterOf(rewriters, index).set("id", objectId.toQString());
    }
    std::vector<Replacement> extra;
    if (conditions != m_conditions) {
        extra.push_back(rootListReplacement(
            TemplateConditions::isList, conditions.empty(),
            [&](const QByteArray& prefix, const QByteArray& indent) {
                return TemplateConditions::markup(conditions, prefix, indent, m_asciiOnly);
            },
            rewriters));
    }
    commit(action.isEmpty() ? Tr::tr("Conditional Formatting") : action, rewritten(rewriters, extra));
}

TemplateDocument::Line TemplateDocument::lineOf(int index) const
{
    const MarkupScanner::Element& range = rangeOf(index);
    qsizetype lineStart = range.start;
    while (lineStart > 0 && (m_text.at(lineStart - 1) == ' ' || m_text.at(lineStart - 1) == '\t')) {
        --lineStart;
    }
    if (lineStart > 0 && m_text.at(lineStart - 1) != '\n') {
        return {range.start, range.end, QByteArray(), false};
    }
    qsizetype end = range.end;
    end += m_text.mid(end, 2) == "\r\n" ? 2 : m_text.mid(end, 1) == "\n" ? 1 : 0;
    return {lineStart, end, m_text.mid(lineStart, range.start - lineStart), true};
}

void TemplateDocument::setVariables(const std::vector<KMBVariable>& variables, const QString& action)
{
    std::vector<int> existing;
    int values = -1;
    for (const Xml::Element& child : root().get_child_elements()) {
        if (child.get_namespace_uri() != Xml::Namespaces::KMB) {
            continue;
        }
        if (child.get_local_name() == "variable") {
            existing.push_back(indexOf(child));
        } else if (child.get_local_name() == "values" && values < 0) {
            values = indexOf(child);
        }
    }
    Rewriters rewriters;
    const QByteArray prefix = variables.empty() ? QByteArray() : prefixFor(rewriters, Xml::Namespaces::KMB, "kmb");
    const QByteArray lineEnd = m_text.contains("\r\n") ? "\r\n" : "\n";
    // The new declarations, each on a line of its own when `own`.
    const auto declarations = [&](const QByteArray& indent, bool own) {
        QByteArray out;
        for (const KMBVariable& variable : variables) {
            out += (own ? indent : QByteArray()) + '<' + prefix + ":variable name=\"" +
                   StartTagRewriter::escaped(variable.getName().toQString(), '"', m_asciiOnly) + "\" select=\"" +
                   StartTagRewriter::escaped(variable.getSelect().toQString(), '"', m_asciiOnly) + "\"/>" +
                   (own ? lineEnd : QByteArray());
        }
        return out;
    };
    std::vector<Replacement> extra;
    if (!existing.empty()) {
        for (size_t i = 0; i < existing.size(); ++i) {
            const Line line = lineOf(existing[i]);
            extra.emplace_back(line.from, line.to, i == 0 ? declarations(line.indent, line.own) : QByteArray());
        }
    } else if (variables.empty()) {
        return;
    } else if (values >= 0) {
        const Line line = lineOf(values);
        extra.emplace_back(line.from, line.from, declarations(line.indent, line.own));
    } else {
        const MarkupScanner::Element& top = rangeOf(0);
        if (top.empty) {
            rewriterOf(rewriters, 0).open();
            extra.emplace_back(top.end, top.end, lineEnd + declarations("  ", true) + "</" + top.name + '>');
        } else {
            const bool lineStart = top.contentEnd > 0 && m_text.at(top.contentEnd - 1) == '\n';
            extra.emplace_back(top.contentEnd, top.contentEnd,
                               (lineStart ? QByteArray() : lineEnd) + declarations("  ", true));
        }
    }
    commit(action.isEmpty() ? Tr::tr("Parameters") : action, rewritten(rewriters, extra));
}

Core::String TemplateDocument::sampleAttribute() const
{
    return SampleSource::key(root());
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
                                       ApplyMode mode, const QString& action)
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
    Rewriters rewriters;
    StartTagRewriter& tag = rewriterOf(rewriters, indexOf(element));
    std::vector<Core::String> removed;
    if (mode == ApplyMode::Replace) {
        for (const Xml::Attribute& attribute : element.get_attributes()) {
            if (!properties.containsProperty(propertyName(attribute))) {
                tag.set(attribute.get_name().toQString().toUtf8(), std::nullopt);
                removed.push_back(attribute.get_name());
            }
        }
    }
    for (const Change& change : changes) {
        const Xml::Attribute existing = element.get_attribute(change.local, change.uri);
        QByteArray name;
        if (!existing.isNull()) {
            name = existing.get_name().toQString().toUtf8();
            if (change.value.isEmpty()) {
                removed.push_back(existing.get_name());
            }
        } else if (change.value.isEmpty()) {
            continue;
        } else if (change.prefix.isEmpty()) {
            name = change.local.toQString().toUtf8();
        } else {
            name = prefixFor(rewriters, change.uri.toQString().toUtf8().constData(), change.prefix.toQString().toUtf8()) +
                   ':' + change.local.toQString().toUtf8();
        }
        tag.set(name, change.value.isEmpty() ? std::nullopt : std::optional<QString>(change.value.toQString()));
    }
    // A dynamic or conditional value goes with its attribute, in the same step.
    std::vector<Replacement> extra;
    const Core::String id = element.get_attribute_value("id");
    if (!id.isEmpty() && !removed.empty()) {
        TemplateValues values = m_values;
        for (const Core::String& name : removed) {
            values.set(PropertyValueEx(name, id));
        }
        if (!(values == m_values)) {
            if (idUnused(id, values) && generatedId().match(id.toQString()).hasMatch()) {
                tag.set("id", std::nullopt);
            }
            extra.push_back(valuesReplacement(values, rewriters));
        }
    }
    commit(action.isEmpty() ? Tr::tr("Change Properties") : action, rewritten(rewriters, extra));
}

Xml::Element TemplateDocument::insertMarkup(const Core::String& markup, InsertPosition position, const QString& action)
{
    const std::vector<Xml::Element> inserted = parsedMarkup(markup);
    const Xml::Element target = m_selected.isNull() ? root() : m_selected;
    const bool inside = position == InsertPosition::Inside || target == root();
    const int index = indexOf(target);
    const MarkupScanner::Element& range = rangeOf(index);
    Rewriters rewriters;
    bindPrefixes(inserted, inside ? target : target.get_parent(), rewriters);
    const QByteArray bytes = encoded(markup);
    std::vector<Replacement> extra;
    if (!inside) {
        extra.emplace_back(range.end, range.end, bytes);
    } else if (!range.empty) {
        extra.emplace_back(range.contentEnd, range.contentEnd, bytes);
    } else {
        rewriterOf(rewriters, index).open();
        extra.emplace_back(range.end, range.end, bytes + "</" + range.name + '>');
    }
    // The first inserted element comes after everything the target held.
    const int first = int(m_markup->firstElementFrom(range.end));
    commit(action.isEmpty() ? Tr::tr("Insert") : action, rewritten(rewriters, extra),
           inserted.empty() ? -1 : first);
    return inserted.empty() ? Xml::Element() : m_selected;
}

void TemplateDocument::bindPrefixes(const std::vector<Xml::Element>& elements, const Xml::Element& scope,
                                    Rewriters& rewriters) const
{
    // The prefixes the markup uses must mean the same where it goes.
    std::map<QString, QString> used;
    for (const Xml::Element& element : elements) {
        used.emplace(element.get_namespace_prefix().toQString(), element.get_namespace_uri().toQString());
        for (const Xml::Attribute& attribute : element.get_attributes()) {
            used.emplace(attribute.get_namespace_prefix().toQString(), attribute.get_namespace_uri().toQString());
        }
    }
    for (const auto& [prefix, uri] : used) {
        if (prefix.isEmpty() || prefix == QLatin1String("xml")) {
            continue;
        }
        QString bound;
        for (Xml::Element up = scope; !up.isNull() && bound.isEmpty(); up = up.get_parent()) {
            for (const Xml::NamespaceDeclaration& declaration : up.get_namespace_declarations()) {
                if (declaration.prefix.toQString() == prefix) {
                    bound = declaration.uri.toQString();
                }
            }
        }
        if (bound.isEmpty()) {
            rewriterOf(rewriters, 0).set("xmlns:" + prefix.toUtf8(), uri);
        } else if (bound != uri) {
            throw Core::Exception(Core::String(Tr::tr("The template binds the prefix %1 to another namespace.").arg(prefix)));
        }
    }
}

QByteArray TemplateDocument::encoded(const Core::String& markup) const
{
    QByteArray bytes;
    for (const char32_t c : markup.toQString().toUcs4()) {
        bytes += c >= 0x80 && m_asciiOnly ? "&#" + QByteArray::number(uint(c)) + ';'
                                          : QString::fromUcs4(&c, 1).toUtf8();
    }
    return bytes;
}

std::vector<Xml::Element> TemplateDocument::parsedMarkup(const Core::String& markup)
{
    Xml::DomParser parser;
    parser.parseMemory(Core::String(wrapperStart) + markup + "</kmb-insert>", "inserted markup");
    const Xml::Element wrapper = parser.getDocument()->getRootNode();
    std::vector<Xml::Element> elements;
    for (const Xml::Element& child : wrapper.get_child_elements()) {
        collectElements(child, elements);
    }
    return elements;
}

QByteArray TemplateDocument::markupOf(const Xml::Element& element) const
{
    const MarkupScanner::Element& range = rangeOf(indexOf(element));
    return m_text.mid(range.start, range.end - range.start);
}

QByteArray TemplateDocument::indentOf(const Xml::Element& element) const
{
    const int index = indexOf(element);
    return index < 0 || !m_mapped ? QByteArray() : lineOf(index).indent;
}

void TemplateDocument::replaceElement(const Xml::Element& element, const Core::String& markup, const QString& action,
                                      bool after, const Xml::Element& referrer, const QByteArray& attribute,
                                      const Core::String& value)
{
    const int index = indexOf(element);
    if (index <= 0) {
        throw Core::Exception(Core::String(
            Tr::tr("The markup of this object cannot be changed here. Edit it in the source view.")));
    }
    Rewriters rewriters;
    std::vector<Replacement> extra;
    if (markup.isEmpty()) {
        const Line line = lineOf(index);
        extra.emplace_back(line.from, line.to, QByteArray());
    } else {
        bindPrefixes(parsedMarkup(markup), element.get_parent(), rewriters);
        const MarkupScanner::Element& range = rangeOf(index);
        extra.emplace_back(after ? range.end : range.start, range.end, encoded(markup));
    }
    if (!referrer.isNull()) {
        rewriterOf(rewriters, indexOf(referrer)).set(attribute, value.toQString());
    }
    // The selection stays where it is, unless it was inside what went.
    commit(action.isEmpty() ? Tr::tr("Edit") : action, rewritten(rewriters, extra));
}

void TemplateDocument::replaceMarkup(const QByteArray& markup)
{
    QByteArray text = markup;
    if (m_text.contains("\r\n") && !text.contains('\r')) {
        text.replace("\n", "\r\n"); // the text view has its own line ends; the file keeps the user's
    }
    commit(Tr::tr("Edit Source"), text);
}

void TemplateDocument::setPropertyValue(const Xml::Element& element, const PropertyValueEx& value, const QString& action)
{
    if (element.isNull() || value.getAttributeName().isEmpty()) {
        return;
    }
    const int index = indexOf(element);
    if (index < 0) {
        throw Core::Exception(Core::String(Tr::tr("The object is no longer in the template.")));
    }
    const Xml::Element current = m_elements[size_t(index)];
    const QString name = value.getAttributeName().toQString();
    Rewriters rewriters;
    StartTagRewriter& tag = rewriterOf(rewriters, index);
    TemplateValues values = m_values;
    Core::String id = current.get_attribute_value("id");
    if (!value.isStatic()) {
        if (id.isEmpty()) {
            id = objectIdOf(current);
            tag.set("id", id.toQString());
        }
        tag.set(name.toUtf8(), value.getStaticValue().toQString());
        PropertyValueEx kept = value;
        kept.setObjectId(id);
        values.set(kept);
    } else {
        const QString text = value.getStaticValue().toQString();
        tag.set(name.toUtf8(), text.isEmpty() ? std::nullopt : std::optional<QString>(text));
        if (!id.isEmpty()) {
            values.set(PropertyValueEx(value.getAttributeName(), id));
            // An id the designer made only to bind values goes with the last of them.
            if (idUnused(id, values) && generatedId().match(id.toQString()).hasMatch()) {
                tag.set("id", std::nullopt);
            }
        }
    }
    std::vector<Replacement> extra;
    if (!(values == m_values)) {
        extra.push_back(valuesReplacement(values, rewriters));
    }
    commit(action.isEmpty() ? Tr::tr("Change %1").arg(name) : action, rewritten(rewriters, extra));
}

PropertyValueEx TemplateDocument::propertyValue(const Xml::Element& element,
                                                const Core::String& name) const
{
    const Core::String id = element.get_attribute_value("id");
    if (const PropertyValueEx* kept = id.isEmpty() ? nullptr : m_values.find(id.toQString(), name.toQString())) {
        PropertyValueEx value = *kept;
        value.setStaticValue(element.get_attribute_value(name));
        return value;
    }
    PropertyValueEx value(name, objectIdOf(element));
    value.setStaticValue(element.get_attribute_value(name));
    return value;
}

void TemplateDocument::loadSample()
{
    const SampleSource source = SampleSource::of(root(), m_path);
    // A sample the background load already parsed is taken as it is.
    if (!m_parsedSample.path.isEmpty() && !source.path.isEmpty() && source.type == DatasourceType::XmlFile &&
        Core::IO::FileSystem::getFullPath(m_parsedSample.path) == Core::IO::FileSystem::getFullPath(source.path)) {
        m_sample->setParsedXml(source.path, m_parsedSample.xml, m_parsedSample.error);
        m_parsedSample = {};
        return;
    }
    m_parsedSample = {};
    m_sample->load(source.path, source.type);
}

void TemplateDocument::bindSample(const Core::String& path)
{
    const Core::String full = Core::IO::FileSystem::getFullPath(path);
    if (m_binder && m_binder(full)) {
        return;
    }
    bindFullPath(full);
}

void TemplateDocument::bindParsedSample(const ParsedSample& sample)
{
    m_parsedSample = sample;
    bindFullPath(sample.path);
}

void TemplateDocument::bindFullPath(const Core::String& full)
{
    const Core::String stored =
        m_path.isEmpty() ? full : Core::IO::FileSystem::makeRelative(full, Core::IO::FileSystem::getDirectoryName(m_path));
    Rewriters rewriters;
    const Xml::Attribute existing = root().get_attribute("sample-xml", Xml::Namespaces::KMB);
    const QByteArray name = existing.isNull() ? prefixFor(rewriters, Xml::Namespaces::KMB, "kmb") + ":sample-xml"
                                              : existing.get_name().toQString().toUtf8();
    rewriterOf(rewriters, 0).set(name, stored.toQString());
    const QByteArray before = m_text;
    commit(Tr::tr("Load Sample Data"), rewritten(rewriters));
    if (m_text == before) {
        loadSample(); // the same file again: read what it holds now
        markChanged();
    }
}

Xml::Element TemplateDocument::firstFlowBlock(const Xml::Element& element) const
{
    for (const Xml::Element& from : {element.isNull() ? root() : element, root()}) {
        for (const Xml::Element& flow : descendantsNamed(from, "flow")) {
            if (const std::vector<Xml::Element> blocks = descendantsNamed(flow, "block"); !blocks.empty()) {
                return blocks.front();
            }
        }
    }
    return {};
}

bool TemplateDocument::isInFlow(const Xml::Element& element)
{
    for (Xml::Element up = element; !up.isNull(); up = up.get_parent()) {
        if (up.get_namespace_uri() == Xml::Namespaces::FO &&
            (up.get_local_name() == "flow" || up.get_local_name() == "static-content")) {
            return true;
        }
    }
    return false;
}

void TemplateDocument::markChanged()
{
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
    const int index = indexOf(element);
    if (index < 0) {
        return ObjectId::generate();
    }
    auto it = m_generatedIds.find(index);
    if (it == m_generatedIds.end()) {
        it = m_generatedIds.insert(index, ObjectId::generate());
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
