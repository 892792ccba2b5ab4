#include "sampledropmarkup.h"

#include "outside/core/namespaces.h"
#include "outside/types/xpathhelpers.h"
#include "xml/widgets/xmltreectrl.h"

namespace {

enum class Content { None, Inline, Blocks };

// What the children of `element` may be: the markup lands there.
Content contentOf(const Xml::Element& element)
{
    if (element.isNull()) {
        return Content::None;
    }
    const Core::String uri = element.get_namespace_uri();
    const Core::String name = element.get_local_name();
    if (uri == Xml::Namespaces::FO) {
        for (const char* holder : {"block", "inline", "basic-link", "wrapper", "title"}) {
            if (name == holder) {
                return Content::Inline;
            }
        }
        for (const char* container :
             {"flow", "static-content", "block-container", "table-cell", "list-item-body",
              "list-item-label", "footnote-body", "float"}) {
            if (name == container) {
                return Content::Blocks;
            }
        }
        return Content::None;
    }
    if (uri == Xml::Namespaces::KMB) {
        if (name == "conditional-inline") {
            return Content::Inline;
        }
        if (name == "conditional-block") {
            return Content::Blocks;
        }
    }
    return Content::None;
}

} // namespace

SampleDropMarkup::SampleDropMarkup(const Xml::Node& node, const Xml::Element& target)
{
    if (node.isNull() || target.isNull()) {
        return;
    }
    Xml::Element landing = target;
    if (contentOf(target) == Content::Blocks) {
        m_position = TemplateDocument::InsertPosition::Inside;
    } else {
        landing = target.get_parent();
    }
    const Content content = contentOf(landing);
    if (content == Content::None) {
        return;
    }
    const Core::String absolute = XmlTreeCtrl::getXPath(node);
    const Core::String context = TemplateDocument::repeatContext(landing);
    m_xpath = context.isEmpty() ? absolute : XPathHelpers::getRelativeXPath(context, absolute);
    if (node.is_element() && XmlTreeCtrl::isRepeatedElement(node)) {
        m_markup = XmlTreeCtrl::getRepeatingTableXml(Xml::Element(node), m_xpath);
        return;
    }
    const Core::String field = "<kmb:field xpath=\"" + m_xpath + "\"/>";
    m_markup = content == Content::Blocks ? "<fo:block>" + field + "</fo:block>" : field;
}
