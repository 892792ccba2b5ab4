#include "templatepagesets.h"

#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/types/pagesequencemasterxml.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(TemplatePageSets)
};

bool isFo(const Xml::Element& element, const char* local)
{
    return !element.isNull() && element.get_namespace_uri() == Xml::Namespaces::FO &&
           element.get_local_name() == local;
}

Xml::Element firstBelow(const Xml::Element& element, const char* local)
{
    for (const Xml::Element& child : element.get_child_elements()) {
        if (isFo(child, local)) {
            return child;
        }
        // Page sequences may sit in page sequence wrappers.
        if (Xml::Element found = firstBelow(child, local); !found.isNull()) {
            return found;
        }
    }
    return {};
}

} // namespace

TemplatePageSets::TemplatePageSets(const TemplateDocument& document)
{
    for (Xml::Element up = document.selected(); !up.isNull(); up = up.get_parent()) {
        if (isFo(up, "page-sequence")) {
            m_pageSequence = up;
            break;
        }
    }
    if (m_pageSequence.isNull()) {
        m_pageSequence = firstBelow(document.root(), "page-sequence");
    }
    for (const Xml::Element& child : document.root().get_child_elements()) {
        if (isFo(child, "layout-master-set")) {
            m_masterSet = child;
            break;
        }
    }
    if (!isValid()) {
        return;
    }
    const Core::String reference = m_pageSequence.get_attribute_value("master-reference");
    for (const Xml::Element& master : masters("page-sequence-master")) {
        if (master.get_attribute_value("master-name") == reference) {
            m_sequenceMaster = master;
            break;
        }
    }
}

std::vector<Xml::Element> TemplatePageSets::masters(const char* local) const
{
    std::vector<Xml::Element> found;
    for (const Xml::Element& child : m_masterSet.get_child_elements()) {
        if (isFo(child, local)) {
            found.push_back(child);
        }
    }
    return found;
}

std::vector<Core::String> TemplatePageSets::simpleMasters() const
{
    std::vector<Core::String> names;
    for (const Xml::Element& master : masters("simple-page-master")) {
        names.push_back(master.get_attribute_value("master-name"));
    }
    return names;
}

std::vector<Core::String> TemplatePageSets::otherPageSets() const
{
    std::vector<Core::String> names;
    for (const Xml::Element& master : masters("page-sequence-master")) {
        if (master != m_sequenceMaster) {
            names.push_back(master.get_attribute_value("master-name"));
        }
    }
    return names;
}

PageMasterData TemplatePageSets::current() const
{
    if (!m_sequenceMaster.isNull()) {
        return PageSequenceMasterXml::read(m_sequenceMaster);
    }
    PageMasterData data;
    const Core::String reference = m_pageSequence.get_attribute_value("master-reference");
    const std::vector<Core::String> layouts = simpleMasters();
    if (std::find(layouts.begin(), layouts.end(), reference) != layouts.end()) {
        data.references().emplace_back(ReferenceInfo::AllPages, reference);
        data.setMasterName(reference);
    }
    return data;
}

Core::String TemplatePageSets::unusedName() const
{
    std::vector<Core::String> taken = simpleMasters();
    for (const Xml::Element& master : masters("page-sequence-master")) {
        taken.push_back(master.get_attribute_value("master-name"));
    }
    for (int n = 1;; ++n) {
        const Core::String name = n == 1 ? Core::String("page-set") : Core::String(QStringLiteral("page-set-%1").arg(n));
        if (std::find(taken.begin(), taken.end(), name) == taken.end()) {
            return name;
        }
    }
}

void TemplatePageSets::apply(TemplateDocument& document, PageMasterData data, const QString& action) const
{
    const QByteArray lineEnd = document.text().contains("\r\n") ? "\r\n" : "\n";
    if (!m_sequenceMaster.isNull()) {
        // The page set keeps its name: page sequences elsewhere may use it.
        data.setMasterName(m_sequenceMaster.get_attribute_value("master-name"));
        const QByteArray indent = document.indentOf(m_sequenceMaster);
        document.replaceElement(m_sequenceMaster,
                                PageSequenceMasterXml::write(data, QString::fromUtf8(indent), QString::fromUtf8(lineEnd)),
                                action);
        return;
    }
    if (data.isSimplePageMaster() && data.getAttributes().empty()) {
        PropertyCollection reference;
        reference.addProperty(EditableProperty("fo:master-reference", data.getReferences().front().getMasterName()),
                              true);
        document.applyProperties(TemplateDocument::pathOf(m_pageSequence), reference,
                                 TemplateDocument::ApplyMode::Merge, action);
        return;
    }
    // A new page sequence master after the last of the page masters.
    const std::vector<Xml::Element> children = m_masterSet.get_child_elements();
    if (children.empty()) {
        throw Core::Exception(Core::String(Tr::tr("The template has no page layouts to make a page set of.")));
    }
    const QByteArray indent = document.indentOf(children.back());
    data.setMasterName(unusedName());
    const Core::String master = PageSequenceMasterXml::write(data, QString::fromUtf8(indent), QString::fromUtf8(lineEnd));
    document.replaceElement(children.back(), QString::fromUtf8(lineEnd + indent) + master, action, true,
                            m_pageSequence, "master-reference", data.getMasterName());
}
