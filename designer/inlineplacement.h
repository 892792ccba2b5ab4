#pragma once

#include "templatedocument.h"

/// Where the designer puts inline content it inserts (a field, a page
/// number, a link): at the end of the selected block, after the selected
/// inline, else at the end of the first block below the selection or of
/// the template.
class InlinePlacement
{
public:
    InlinePlacement(const TemplateDocument& document, const Xml::Element& selected);

    bool isValid() const { return !m_target.isNull(); }
    Xml::Element target() const { return m_target; }
    TemplateDocument::InsertPosition position() const { return m_position; }

private:
    Xml::Element m_target;
    TemplateDocument::InsertPosition m_position = TemplateDocument::InsertPosition::Inside;
};
