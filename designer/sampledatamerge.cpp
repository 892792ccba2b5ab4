#include "sampledatamerge.h"

#include "dialogs/field/fieldvalueformatter.h"
#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmlattribute.h"
#include "outside/dom/xmldomparser.h"
#include "repeatorder.h"
#include "templatedocument.h"

#include <limits>

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

bool isBarcode(const Xml::Element& element)
{
    return element.get_namespace_uri() == Xml::Namespaces::KM && element.get_local_name() == "barcode";
}

} // namespace

SampleDataMerge::SampleDataMerge(TemplateDocument& document, const SmartPtr<SampleXml>& sample)
    : m_document(document),
      m_evaluator(sample ? sample->getXmlDocument() : SmartPtr<Xml::XmlDocument>(),
                  sample ? sample->getNamespaceMap() : XPathEvaluator::NamespaceMap(), document.getVariables()),
      m_conditions(document.conditions(), m_evaluator),
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
    m_conditions.apply(element, context);
    if (isField(element)) {
        fill(element, context);
    } else if (isBarcode(element)) {
        fillBarcode(element, context);
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
        // The value as it prints: through the field's format, if it has one.
        field.set_content(Core::String(FieldValueFormatter::format(
            field.get_attribute_value("format").toQString(), value->toQString())));
    }
}

void SampleDataMerge::fillBarcode(Xml::Element barcode, const Xml::Node& context)
{
    // A dynamic value lives in the template's kept values, keyed by the
    // barcode's id; the barcode draws what it selects here.
    const PropertyValueEx value = m_document.propertyValue(barcode, "km:value");
    if (!value.isDynamic()) {
        return;
    }
    if (const std::optional<Core::String> text = m_evaluator.text(context, value.getDynamicValue())) {
        const Xml::Attribute written = barcode.get_attribute("value", Xml::Namespaces::KM);
        barcode.set_attribute(written.isNull() ? Core::String("km:value") : written.get_name(), *text);
    }
}

void SampleDataMerge::unroll(Xml::Element repeat, const Xml::Node& context)
{
    const std::vector<Xml::Node> content = repeat.get_children();
    const Core::String xpath = repeat.get_attribute_value("xpath");
    const RepeatOrder order(repeat);
    std::vector<std::vector<Xml::Node>> groups;
    if (order.keepsDocumentOrder()) {
        for (const Xml::Node& node : m_evaluator.nodes(context, xpath, m_copiesLeft)) {
            groups.push_back({node});
        }
    } else {
        // Sorting needs every node; only the copies printed are limited.
        groups = order.arrange(m_evaluator.nodes(context, xpath, std::numeric_limits<int>::max()), m_evaluator);
    }
    for (const std::vector<Xml::Node>& group : groups) {
        if (m_copiesLeft <= 0) {
            break;
        }
        std::vector<Xml::Element> first;
        for (const Xml::Node& node : group) {
            if (m_copiesLeft <= 0) {
                break;
            }
            --m_copiesLeft;
            const std::vector<Xml::Element> copies = copyContent(repeat, content, node);
            if (!order.mergesGroups() || first.empty()) {
                first = copies;
                continue;
            }
            mergeInto(first, copies);
            for (const Xml::Element& copy : copies) {
                repeat.remove_child(copy);
            }
        }
    }
    for (const Xml::Node& part : content) {
        repeat.remove_child(part);
    }
}

std::vector<Xml::Element> SampleDataMerge::copyContent(Xml::Element& repeat, const std::vector<Xml::Node>& content,
                                                       const Xml::Node& node)
{
    std::vector<Xml::Element> copies;
    for (const Xml::Node& part : content) {
        const Xml::Node copy = repeat.import_node(part);
        if (copy.is_element()) {
            visit(Xml::Element(copy), node);
            copies.emplace_back(copy);
        }
    }
    return copies;
}

void SampleDataMerge::mergeInto(const std::vector<Xml::Element>& first, const std::vector<Xml::Element>& copies)
{
    // Row by row and cell by cell: what a later row of the group holds goes
    // below what the first row's cell holds.
    for (size_t row = 0; row < std::min(first.size(), copies.size()); ++row) {
        const std::vector<Xml::Element> targets = first[row].get_child_elements();
        const std::vector<Xml::Element> sources = copies[row].get_child_elements();
        for (size_t cell = 0; cell < std::min(targets.size(), sources.size()); ++cell) {
            Xml::Element target = targets[cell];
            for (const Xml::Node& part : sources[cell].get_children()) {
                target.import_node(part);
            }
        }
    }
}
