#pragma once

#include "dialogs/data/sortcriteria.h"
#include "outside/dom/xmlelement.h"

#include <vector>

class XPathEvaluator;

/// The order in which a repeat prints its nodes: sorted by its sort keys
/// ("sort"), then gathered into groups of the nodes that share a value
/// ("group-by", evaluated at the node "group-context" selects from each),
/// groups in the order of their first node.
class RepeatOrder
{
public:
    explicit RepeatOrder(const Xml::Element& repeat);
    /// Sorted by the keys of a sort string, in no groups.
    explicit RepeatOrder(const Core::String& sort);

    /// Whether the repeat prints its nodes as they come.
    bool keepsDocumentOrder() const { return m_criteria.empty() && m_groupBy.isEmpty(); }
    /// Whether a group prints as its first row, holding the others' content.
    bool mergesGroups() const { return m_merge && !m_groupBy.isEmpty(); }

    /// `nodes` in print order, one group per entry (each node its own group
    /// when the repeat does not group).
    std::vector<std::vector<Xml::Node>> arrange(std::vector<Xml::Node> nodes, XPathEvaluator& evaluator) const;

private:
    void sort(std::vector<Xml::Node>& nodes, XPathEvaluator& evaluator) const;

    std::vector<SortCriteria> m_criteria;
    Core::String m_groupContext;
    Core::String m_groupBy;
    bool m_merge = false;
};
