#pragma once

#include "outside/core/corestring.h"
#include "outside/dom/xmlelement.h"

/// The table markup a sample element becomes when it is dropped as a
/// repeating table: a column per attribute, child element and text.
class RepeatingTableMarkup
{
public:
    /// A table whose header names each column and whose body repeats for every
    /// node `xpath` selects: a field per attribute, single child and text, an
    /// empty cell for each group of repeated children.
    static Core::String build(const Xml::Element& element, const Core::String& xpath);

private:
    static Core::String cell(const Core::String& content);
    static Core::String field(const Core::String& xpath);
};
