#include "inlineplacement.h"

#include "outside/core/namespaces.h"

namespace {

bool isFo(const Xml::Element& element, const char* name)
{
    return !element.isNull() && element.get_namespace_uri() == Xml::Namespaces::FO &&
           element.get_local_name() == name;
}

} // namespace

InlinePlacement::InlinePlacement(const TemplateDocument& document, const Xml::Element& selected)
{
    if (TemplateDocument::isInFlow(selected) && isFo(selected, "block")) {
        m_target = selected;
        return;
    }
    const Xml::Element parent = selected.isNull() ? Xml::Element() : selected.get_parent();
    if (TemplateDocument::isInFlow(selected) && (isFo(parent, "block") || isFo(parent, "inline"))) {
        m_target = selected;
        m_position = TemplateDocument::InsertPosition::After;
        return;
    }
    if (!selected.isNull() && TemplateDocument::isInFlow(selected)) {
        const std::vector<Xml::Node> blocks =
            selected.find(".//fo:block", {{"fo", Xml::Namespaces::FO}});
        if (!blocks.empty()) {
            m_target = Xml::Element(blocks.front());
            return;
        }
    }
    m_target = document.firstFlowBlock(selected);
}
