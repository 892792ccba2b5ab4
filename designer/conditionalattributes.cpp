#include "conditionalattributes.h"

#include "outside/core/namespaces.h"
#include "xml/model/xpathevaluator.h"

namespace {

/// The namespace of a condition's attribute name: formatting properties,
/// written "fo:color", are plain attributes of the formatting objects.
Core::String namespaceOf(const QString& prefix)
{
    if (prefix == QLatin1String("km")) {
        return Core::String(Xml::Namespaces::KM);
    }
    if (prefix == QLatin1String("kmb")) {
        return Core::String(Xml::Namespaces::KMB);
    }
    return Core::String();
}

} // namespace

ConditionalAttributes::ConditionalAttributes(const std::vector<KMBAttribute>& conditions, XPathEvaluator& evaluator)
    : m_evaluator(evaluator)
{
    for (const KMBAttribute& condition : conditions) {
        m_byObject[condition.getObjectId().toQString()].push_back(condition);
    }
}

bool ConditionalAttributes::holds(const Core::String& test, const Xml::Node& context)
{
    return test.trimmed().isEmpty() || m_evaluator.test(context, test).value_or(false);
}

std::vector<ViewDataEvaluator::Attribute> ConditionalAttributes::of(const Xml::Element& element,
                                                                    const Xml::Node& context)
{
    std::vector<ViewDataEvaluator::Attribute> attributes;
    if (m_byObject.isEmpty()) {
        return attributes;
    }
    const Core::String id = element.get_attribute_value("id");
    const auto found = id.isEmpty() ? m_byObject.constEnd() : m_byObject.constFind(id.toQString());
    if (found == m_byObject.constEnd()) {
        return attributes;
    }
    for (const KMBAttribute& condition : *found) {
        if (!holds(condition.getCondition(), context)) {
            continue;
        }
        Core::String value = condition.getValue();
        if (value.isEmpty() && !condition.getDynamicValue().isEmpty()) {
            value = m_evaluator.text(context, condition.getDynamicValue()).value_or(Core::String());
        }
        if (value.isEmpty()) {
            continue;
        }
        const QString name = condition.getAttributeName().toQString();
        const qsizetype colon = name.indexOf(u':');
        attributes.push_back({namespaceOf(name.left(std::max<qsizetype>(colon, 0))), name.mid(colon + 1), value});
    }
    return attributes;
}
