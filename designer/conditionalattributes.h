#pragma once

#include "outside/dom/xmlelement.h"
#include "outside/render/viewdataevaluator.h"
#include "outside/types/kmbattribute.h"

#include <QHash>
#include <vector>

class XPathEvaluator;

/// The attributes conditional formatting gives an object when the template
/// prints with its sample data: those of its conditions whose tests hold.
class ConditionalAttributes
{
public:
    /// `conditions` are the template's, tied to the objects by id; the
    /// evaluator must outlive this.
    ConditionalAttributes(const std::vector<KMBAttribute>& conditions, XPathEvaluator& evaluator);

    /// The attributes of `element` whose conditions hold at `context`, in
    /// the order written (later entries win).
    std::vector<ViewDataEvaluator::Attribute> of(const Xml::Element& element, const Xml::Node& context);

    /// An empty test always holds; one that cannot be evaluated never does.
    bool holds(const Core::String& test, const Xml::Node& context);

private:
    QHash<QString, std::vector<KMBAttribute>> m_byObject;
    XPathEvaluator& m_evaluator;
};
