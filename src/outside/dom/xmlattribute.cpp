#include "outside/dom/xmlattribute.h"

#include <libxml/tree.h>

namespace Xml {

Attribute::Attribute(const Node& node)
{
    if (!node.isNull() && node.cobj()->type == XML_ATTRIBUTE_NODE) {
        Node::operator=(node);
    }
}

Attribute::Attribute(const SmartPtr<Detail::DocumentHolder>& holder, _xmlNode* node)
    : Node(holder, node)
{
}

} // namespace Xml
