#pragma once

#include "templatedocument.h"

/// Where the designer puts a table it inserts: into the selected flow or
/// block container, or after the block-level object around the selection.
/// A selection outside every flow (the root, the page masters) gives the end
/// of the first flow.
class TablePlacement
{
public:
    TablePlacement(const TemplateDocument& document, const Xml::Element& selected);

    bool isValid() const { return !m_target.isNull(); }
    /// The object the table goes into or after.
    Xml::Element target() const { return m_target; }
    TemplateDocument::InsertPosition position() const { return m_position; }
    /// The object that holds the table.
    Xml::Element container() const;

    /// Whether fo:table may be a child of `element`.
    static bool holdsBlocks(const Xml::Element& element);

private:
    Xml::Element m_target;
    TemplateDocument::InsertPosition m_position = TemplateDocument::InsertPosition::Inside;
};
