#pragma once

#include "outside/dom/xmlelement.h"
#include "outside/types/keptattribute.h"

#include <vector>

/// The attributes of one element while a reader takes the ones it knows:
/// what it does not take (or takes and puts back because the value did not
/// parse) is kept, in document order.
class AttributeSet
{
public:
    explicit AttributeSet(const Xml::Element& element);

    /// The value of the plain attribute `name`, marked as taken; "" when absent.
    Core::String take(const Core::String& name);
    /// Marks `name` as not taken after all: its value was not understood.
    void putBack(const Core::String& name);
    /// Every attribute not taken, as read.
    std::vector<KeptAttribute> kept() const;

private:
    struct Entry
    {
        KeptAttribute attribute;
        bool taken = false;
    };
    Entry* plain(const Core::String& name);
    std::vector<Entry> m_entries;
};
