#pragma once

#include "outside/dom/xmlnode.h"
#include "xml/widgets/xmlsiblingnames_p.h"
#include "xml/widgets/xmltreefilter_p.h"

#include <memory>
#include <optional>

class XmlTreeItem;

/// One filter run over the tree: its decisions, shared by the items it
/// opens, and how many items it made against the budget.
struct XmlTreeFilterRun
{
    XmlTreeFilter filter;
    int made = 0;
};

/// The children of one element item still to be made: a big element gets
/// them in batches, so that opening or filtering it never waits for all.
struct XmlTreeChildJob
{
    XmlTreeItem* item = nullptr;           // null once the item was deleted
    std::shared_ptr<XmlTreeFilterRun> run; // null: every shown child
    bool started = false;                  // the attributes are made, children from `next` on
    xmlNode* next = nullptr;               // the first child not looked at yet
    std::optional<XmlSiblingNames> names;
};
