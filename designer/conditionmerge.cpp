#include "conditionmerge.h"

#include "outside/core/namespaces.h"
#include "xml/model/xpathevaluator.h"

namespace {

bool isKmb(const Xml::Element& element, const char* local)
{
    return element.get_namespace_uri() == Xml::Namespaces::KMB && element.get_local_name() == local;
}

bool isSequence(const Xml::Element& element)
{
    return isKmb(element, "conditional-block-sequence") || isKmb(element, "conditional-inline-sequence");
}

bool isAlternative(const Xml::Element& element)
{
    return isKmb(element, "conditional-block") || isKmb(element, "conditional-inline");
}

} // namespace

ConditionMerge::ConditionMerge(const std::vector<KMBAttribute>& conditions, XPathEvaluator& evaluator)
    : m_evaluator(evaluator)
{
    for (const KMBAttribute& condition : conditions) {
        m_byObject[condition.getObjectId().toQString()].push_back(condition);
    }
}

void ConditionMerge::apply(Xml::Element& element, const Xml::Node& context)
{
    if (!m_byObject.isEmpty()) {
        setAttributes(element, context);
    }
    if (isSequence(element)) {
        keepShownAlternative(element, context);
    }
}

bool ConditionMerge::holds(const Core::String& test, const Xml::Node& context)
{
    return test.trimmed().isEmpty() || m_evaluator.test(context, test).value_or(false);
}

void ConditionMerge::setAttributes(Xml::Element& element, const Xml::Node& context)
{
    const Core::String id = element.get_attribute_value("id");
    const auto found = id.isEmpty() ? m_byObject.constEnd() : m_byObject.constFind(id.toQString());
    if (found == m_byObject.constEnd()) {
        return;
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
        // The formatting objects take their properties as plain attributes.
        const QString name = condition.getAttributeName().toQString();
        element.set_attribute(name.startsWith(QLatin1String("fo:")) ? name.mid(3) : name, value);
    }
}

void ConditionMerge::keepShownAlternative(Xml::Element& sequence, const Xml::Node& context)
{
    bool shown = false;
    for (const Xml::Element& alternative : sequence.get_child_elements()) {
        if (!shown && isAlternative(alternative) && holds(alternative.get_attribute_value("test"), context)) {
            shown = true;
            continue;
        }
        sequence.remove_child(alternative);
    }
}
