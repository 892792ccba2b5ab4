#include "sampledataevaluator.h"

#include "dialogs/field/fieldvalueformatter.h"
#include "outside/core/namespaces.h"
#include "repeatorder.h"
#include "templatedocument.h"

#include <limits>

namespace {

ViewDataEvaluator::Context contextOf(const Xml::Node& node)
{
    return node.identity();
}

SmartPtr<Xml::XmlDocument> documentOf(const SmartPtr<SampleXml>& sample)
{
    return sample ? sample->getXmlDocument() : SmartPtr<Xml::XmlDocument>();
}

} // namespace

SampleDataEvaluator::SampleDataEvaluator(TemplateDocument& document, const SmartPtr<SampleXml>& sample)
    : m_document(document),
      m_sample(documentOf(sample) ? Xml::Node(documentOf(sample)->getRootNode()) : Xml::Node()),
      // Date and time fields show the moment, as when the template runs.
      m_evaluator(documentOf(sample), sample ? sample->getNamespaceMap() : XPathEvaluator::NamespaceMap(),
                  document.getVariables(), QDateTime::currentDateTime()),
      m_conditions(document.conditions(), m_evaluator)
{
}

Xml::Node SampleDataEvaluator::nodeOf(Context context) const
{
    return context && !m_sample.isNull() ? m_sample.handleOf(static_cast<_xmlNode*>(const_cast<void*>(context)))
                                         : Xml::Node();
}

ViewDataEvaluator::Repetition SampleDataEvaluator::repeat(const Xml::Element& repeat, Context context, int limit)
{
    const Xml::Node at = nodeOf(context);
    if (repeat.get_namespace_uri() == Xml::Namespaces::FO) {
        return pageSetNodes(repeat, at, limit);
    }
    Repetition repetition;
    const Core::String xpath = repeat.get_attribute_value("xpath");
    const RepeatOrder order(repeat);
    if (order.keepsDocumentOrder()) {
        for (const Xml::Node& node : m_evaluator.nodes(at, xpath, limit)) {
            repetition.groups.push_back({contextOf(node)});
        }
        return repetition;
    }
    // Sorting needs every node; the engine prints no more than its limit.
    for (const std::vector<Xml::Node>& group :
         order.arrange(m_evaluator.nodes(at, xpath, std::numeric_limits<int>::max()), m_evaluator)) {
        std::vector<Context>& contexts = repetition.groups.emplace_back();
        for (const Xml::Node& node : group) {
            contexts.push_back(contextOf(node));
        }
    }
    repetition.mergesGroups = order.mergesGroups();
    return repetition;
}

ViewDataEvaluator::Repetition SampleDataEvaluator::pageSetNodes(const Xml::Element& master, const Xml::Node& context,
                                                               int limit)
{
    const Core::String condition = master.get_attribute_value("condition", Xml::Namespaces::KMB);
    const RepeatOrder order(master.get_attribute_value("sort", Xml::Namespaces::KMB));
    const Core::String xpath = master.get_attribute_value("xpath", Xml::Namespaces::KMB);
    std::vector<Xml::Node> nodes = m_evaluator.nodes(context, xpath, std::numeric_limits<int>::max());
    std::erase_if(nodes, [&](const Xml::Node& node) { return !m_conditions.holds(condition, node); });
    Repetition repetition;
    for (const std::vector<Xml::Node>& group : order.arrange(std::move(nodes), m_evaluator)) {
        for (const Xml::Node& node : group) {
            if (int(repetition.groups.size()) < limit) {
                repetition.groups.push_back({contextOf(node)});
            }
        }
    }
    return repetition;
}

std::optional<Core::String> SampleDataEvaluator::value(const Xml::Element& element, Context context)
{
    if (element.get_namespace_uri() == Xml::Namespaces::XSL) {
        return m_evaluator.text(nodeOf(context), element.get_attribute_value("select"));
    }
    const std::optional<Core::String> value = m_evaluator.text(nodeOf(context), element.get_attribute_value("xpath"));
    if (!value || value->trimmed().isEmpty()) {
        return value;
    }
    // The value as it prints: through the field's format, if it has one.
    return Core::String(
        FieldValueFormatter::format(element.get_attribute_value("format").toQString(), value->toQString()));
}

bool SampleDataEvaluator::holds(const Core::String& test, Context context)
{
    return m_conditions.holds(test, nodeOf(context));
}

std::vector<ViewDataEvaluator::Attribute> SampleDataEvaluator::attributes(const Xml::Element& element,
                                                                          Context context)
{
    const Xml::Node at = nodeOf(context);
    std::vector<Attribute> attributes = m_conditions.of(element, at);
    if (element.isNamed(Xml::Namespaces::KM, "barcode")) {
        if (std::optional<Attribute> value = barcodeValue(element, at)) {
            attributes.insert(attributes.begin(), *value); // conditions still win
        }
    }
    return attributes;
}

std::optional<ViewDataEvaluator::Attribute> SampleDataEvaluator::barcodeValue(const Xml::Element& barcode,
                                                                             const Xml::Node& context)
{
    // A dynamic value lives in the template's kept values, keyed by the
    // barcode's id; the barcode draws what it selects here.
    const PropertyValueEx value = m_document.propertyValue(barcode, "km:value");
    if (!value.isDynamic()) {
        return std::nullopt;
    }
    const std::optional<Core::String> text = m_evaluator.text(context, value.getDynamicValue());
    if (!text) {
        return std::nullopt;
    }
    return Attribute{Core::String(Xml::Namespaces::KM), Core::String("value"), *text};
}
