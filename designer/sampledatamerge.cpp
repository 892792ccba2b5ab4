#include "sampledatamerge.h"

#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmldomparser.h"
#include "templatedocument.h"

namespace {

bool isField(const Xml::Element& element)
{
    return element.get_namespace_uri() == Xml::Namespaces::KMB && element.get_local_name() == "field";
}

SmartPtr<Xml::XmlDocument> copyOf(const TemplateDocument& document)
{
    try {
        Xml::DomParser parser;
        parser.parseMemory(document.text(), Core::String("template"));
        return parser.getDocument();
    } catch (const Core::Exception&) {
        return {};
    }
}

} // namespace

SampleDataMerge::SampleDataMerge(TemplateDocument& document, const SmartPtr<SampleXml>& sample)
    : m_evaluator(sample ? sample->getXmlDocument() : SmartPtr<Xml::XmlDocument>(),
                  sample ? sample->getNamespaceMap() : XPathEvaluator::NamespaceMap(), document.getVariables()),
      m_result(copyOf(document))
{
    if (m_result && !m_result->getRootNode().isNull()) {
        visitChildren(m_result->getRootNode(), Xml::Node());
    }
}

void SampleDataMerge::visitChildren(const Xml::Element& element, const Xml::Node& context)
{
    for (const Xml::Element& child : element.get_child_elements()) {
        visit(child, context);
    }
}

void SampleDataMerge::visit(Xml::Element element, const Xml::Node& context)
{
    if (isField(element)) {
        fill(element, context);
    } else if (TemplateDocument::isRepeat(element)) {
        unroll(element, context);
    } else {
        visitChildren(element, context);
    }
}

void SampleDataMerge::fill(Xml::Element field, const Xml::Node& context)
{
    const Core::String xpath = field.get_attribute_value("xpath");
    const std::optional<Core::String> value = m_evaluator.text(context, xpath);
    if (!value) {
        field.set_content(xpath);
        field.set_attribute("color", warningColor);
    } else if (value->trimmed().isEmpty()) {
        field.get_parent().remove_child(field); // an empty value prints nothing
    } else {
        field.set_content(*value);
    }
}

void SampleDataMerge::unroll(Xml::Element repeat, const Xml::Node& context)
{
    const std::vector<Xml::Node> content = repeat.get_children();
    const std::vector<Xml::Node> nodes = m_evaluator.nodes(context, repeat.get_attribute_value("xpath"), m_copiesLeft);
    m_copiesLeft -= int(nodes.size());
    for (const Xml::Node& node : nodes) {
        for (const Xml::Node& part : content) {
            const Xml::Node copy = repeat.import_node(part);
            if (copy.is_element()) {
                visit(Xml::Element(copy), node);
            }
        }
    }
    for (const Xml::Node& part : content) {
        repeat.remove_child(part);
    }
}
