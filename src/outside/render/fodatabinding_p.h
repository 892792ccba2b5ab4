#pragma once

// The data a document is shown with while its tree is built: where the
// expressions are evaluated, and how many more copies repeats may make.

#include "outside/dom/xmlnode.h"
#include "outside/render/viewdataevaluator.h"

#include <QString>

#include <optional>

struct _xmlNode;

namespace Fo {

class DataBinding
{
public:
    using Context = ViewDataEvaluator::Context;

    /// All repeats of a document together print at most this many copies of
    /// their content: a sample of a million rows must not stall a preview.
    static constexpr int maxCopies = 500;

    /// `document` is a node of the document being built, for handles on its
    /// elements; without an evaluator the document shows its expressions.
    DataBinding(ViewDataEvaluator* evaluator, const Xml::Node& document);

    bool active() const { return m_evaluator != nullptr; }
    Context context() const { return m_context; }

    /// Evaluates at another context while it lives.
    class Scope
    {
    public:
        Scope(DataBinding& binding, Context context)
            : m_binding(binding), m_saved(binding.m_context)
        {
            binding.m_context = context;
        }
        ~Scope() { m_binding.m_context = m_saved; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        DataBinding& m_binding;
        Context m_saved;
    };

    ViewDataEvaluator::Repetition repeat(_xmlNode* element);
    /// Counts one more copy; false when none may be made any more.
    bool takeCopy();
    std::optional<QString> value(_xmlNode* element);
    /// An empty test always holds.
    bool holds(const QString& test);
    std::vector<ViewDataEvaluator::Attribute> attributes(_xmlNode* element);

private:
    Xml::Element element(_xmlNode* node) const { return Xml::Element(m_document.handleOf(node)); }

    ViewDataEvaluator* m_evaluator;
    Xml::Node m_document;
    Context m_context = nullptr;
    int m_copiesLeft = maxCopies;
};

} // namespace Fo
