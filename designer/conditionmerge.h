#pragma once

#include "outside/dom/xmlelement.h"
#include "outside/types/kmbattribute.h"

#include <QHash>
#include <vector>

class XPathEvaluator;

/// What conditions make of an object when the template prints with its
/// sample data: the attributes of its conditional formatting whose tests
/// hold, and, for a conditional section, the one alternative shown.
class ConditionMerge
{
public:
    /// `conditions` are the template's, tied to the objects by id; the
    /// evaluator must outlive this.
    ConditionMerge(const std::vector<KMBAttribute>& conditions, XPathEvaluator& evaluator);

    /// Changes `element` of the merged copy, its expressions evaluated at
    /// `context`: sets each attribute whose test holds (later entries win),
    /// and leaves a conditional sequence holding only the first alternative
    /// whose test holds, else its fallback, else none.
    void apply(Xml::Element& element, const Xml::Node& context);

private:
    void setAttributes(Xml::Element& element, const Xml::Node& context);
    void keepShownAlternative(Xml::Element& sequence, const Xml::Node& context);
    /// An empty test always holds; one that cannot be evaluated never does.
    bool holds(const Core::String& test, const Xml::Node& context);

    QHash<QString, std::vector<KMBAttribute>> m_byObject;
    XPathEvaluator& m_evaluator;
};
