#pragma once

#include "outside/dom/xmlnode.h"

namespace Xml {

/// A node that is an attribute; get_parent() is the element that carries it.
class UIEDITOR_EXPORT Attribute : public Node
{
public:
    Attribute() = default;
    /// The attribute `node` is, or a null handle when it is no attribute.
    explicit Attribute(const Node& node);

    Core::String get_value() const { return get_content(); }
    void set_value(const Core::String& value) { set_content(value); }

private:
    Attribute(const SmartPtr<Detail::DocumentHolder>& holder, _xmlNode* node);
    friend class Element;
};

} // namespace Xml
