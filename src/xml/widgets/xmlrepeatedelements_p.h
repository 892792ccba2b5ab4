#pragma once

#include "outside/dom/xmlnode.h"

#include <libxml/tree.h>
#include <QString>
#include <vector>

/// Which elements of a sample repeat: those that share their qualified name
/// with a sibling, and those the data types mark as an element sequence.
class XmlRepeatedElements
{
public:
    /// For each of `children`, whether it is a repeated element, in one pass
    /// over the siblings (a parent may hold hundreds of thousands of them);
    /// `names` receives the qualified name of each element child.
    static std::vector<bool> flags(const std::vector<Xml::Node>& children,
                                   std::vector<QString>& names);
    /// Whether `node` is a repeated element among its siblings.
    static bool isRepeated(const Xml::Node& node);
    /// dt:node-type="element-sequence" on `element`.
    static bool isSequence(const xmlNode* element);
};
