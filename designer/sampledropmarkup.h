#pragma once

#include "outside/core/corestring.h"
#include "outside/dom/xmlelement.h"
#include "templatedocument.h"

/// What dropping a node of the sample tree on a template object inserts, and
/// where. A plain node becomes a kmb:field (in its own fo:block where blocks
/// go), a repeated element a table whose row repeats over it. Paths are
/// relative to the kmb repeat around the drop point, absolute without one.
class SampleDropMarkup
{
public:
    /// Plans the drop of `node` on `target`; isValid() is false where markup
    /// cannot go (the page masters, a table's columns...).
    SampleDropMarkup(const Xml::Node& node, const Xml::Element& target);

    bool isValid() const { return !m_markup.isEmpty(); }
    Core::String markup() const { return m_markup; }
    /// After the target, or inside it when the target holds blocks (a flow, a cell).
    TemplateDocument::InsertPosition position() const { return m_position; }
    /// The path the markup uses.
    Core::String xpath() const { return m_xpath; }

private:
    Core::String m_markup;
    Core::String m_xpath;
    TemplateDocument::InsertPosition m_position = TemplateDocument::InsertPosition::After;
};
