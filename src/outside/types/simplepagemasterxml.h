#pragma once

#include "outside/dom/xmlelement.h"
#include "outside/types/pagelayoutdata.h"
#include "uieditor_export.h"

/// A page layout as an fo:simple-page-master with its regions. Reading keeps
/// what the page dialogs do not edit (attributes, and values they cannot
/// show) so that writing the layout back loses nothing of a hand-written
/// master; only regions that are not there, or not visible, have no markup.
class UIEDITOR_EXPORT SimplePageMasterXml
{
public:
    /// The layout `element` (an fo:simple-page-master) describes. Lengths that
    /// do not parse leave the record's default and stay as kept attributes.
    static PageLayoutData read(const Xml::Element& element);
    /// The first fo:simple-page-master in `markup` (the element itself or one
    /// below it); raises Core::Exception when the markup does not parse or
    /// holds none.
    static PageLayoutData readText(const Core::String& markup);
    /// The element for `data` with the "fo" prefix, its regions on lines of
    /// their own, each starting with `indent` plus two blanks and ending with
    /// `lineEnd`. Attributes of other namespaces are declared on it when their
    /// prefix is not one of the designer's usual ones.
    static Core::String write(const PageLayoutData& data,
                              const Core::String& indent = Core::String(),
                              const Core::String& lineEnd = "\n");

private:
    SimplePageMasterXml() = delete;
};
