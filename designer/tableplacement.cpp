#include "tableplacement.h"

#include "outside/core/namespaces.h"

TablePlacement::TablePlacement(const TemplateDocument& document, const Xml::Element& selected)
{
    if (TemplateDocument::isInFlow(selected)) {
        for (Xml::Element up = selected; !up.isNull(); up = up.get_parent()) {
            if (holdsBlocks(up)) {
                m_target = up;
                return;
            }
            if (holdsBlocks(up.get_parent())) {
                m_target = up;
                m_position = TemplateDocument::InsertPosition::After;
                return;
            }
        }
        return;
    }
    const Xml::Element from = selected.isNull() ? document.root() : selected;
    const std::vector<Xml::Node> flows = from.find(".//fo:flow", {{"fo", Xml::Namespaces::FO}});
    const std::vector<Xml::Node> anywhere =
        flows.empty() ? document.root().find("//fo:flow", {{"fo", Xml::Namespaces::FO}}) : flows;
    if (!anywhere.empty()) {
        m_target = Xml::Element(anywhere.front());
    }
}

Xml::Element TablePlacement::container() const
{
    return m_position == TemplateDocument::InsertPosition::Inside ? m_target
                                                                  : m_target.get_parent();
}

bool TablePlacement::holdsBlocks(const Xml::Element& element)
{
    if (element.isNull()) {
        return false;
    }
    const Core::String name = element.get_local_name();
    if (element.get_namespace_uri() == Xml::Namespaces::KMB) {
        return name == "conditional-block";
    }
    if (element.get_namespace_uri() != Xml::Namespaces::FO) {
        return false;
    }
    for (const char* container : {"flow", "static-content", "block-container", "table-cell",
                                  "list-item-body", "list-item-label", "footnote-body", "float"}) {
        if (name == container) {
            return true;
        }
    }
    return false;
}
