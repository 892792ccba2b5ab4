#include "outside/render/fodatabinding_p.h"

namespace Fo {

DataBinding::DataBinding(ViewDataEvaluator* evaluator, const Xml::Node& document)
    : m_evaluator(evaluator), m_document(document)
{
}

ViewDataEvaluator::Repetition DataBinding::repeat(_xmlNode* node)
{
    return m_copiesLeft > 0 ? m_evaluator->repeat(element(node), m_context, m_copiesLeft)
                            : ViewDataEvaluator::Repetition();
}

bool DataBinding::takeCopy()
{
    if (m_copiesLeft <= 0) {
        return false;
    }
    --m_copiesLeft;
    return true;
}

std::optional<QString> DataBinding::value(_xmlNode* node)
{
    if (std::optional<Core::String> text = m_evaluator->value(element(node), m_context)) {
        return text->toQString();
    }
    return std::nullopt;
}

bool DataBinding::holds(const QString& test)
{
    return test.trimmed().isEmpty() || m_evaluator->holds(Core::String(test), m_context);
}

std::vector<ViewDataEvaluator::Attribute> DataBinding::attributes(_xmlNode* node)
{
    return m_evaluator->attributes(element(node), m_context);
}

} // namespace Fo
