#pragma once

#include "outside/dom/xmlelement.h"
#include "outside/types/pagemasterdata.h"
#include "templatedocument.h"

#include <vector>

/// The page set a page sequence of a template uses, as Page > Page Sets
/// edits it: the page sequence around the selection (else the template's
/// first), its layout master set, the layouts and page sets there.
class TemplatePageSets
{
public:
    explicit TemplatePageSets(const TemplateDocument& document);

    /// Whether there is a page sequence and a layout master set to edit.
    bool isValid() const { return !m_pageSequence.isNull() && !m_masterSet.isNull(); }
    Xml::Element pageSequence() const { return m_pageSequence; }
    /// The names of the simple page masters, in document order.
    std::vector<Core::String> simpleMasters() const;
    /// The names of the page sets other than the one edited.
    std::vector<Core::String> otherPageSets() const;
    /// The page set the page sequence uses: its page sequence master, or a
    /// simple page master as a page set of one layout for all pages.
    PageMasterData current() const;
    /// Makes `data` the page set of the page sequence as one undo step:
    /// rewrites its page sequence master, or, for a page sequence on a
    /// simple master, refers to the one layout or adds a page sequence
    /// master for the new page set. Raises Core::Exception when the template
    /// cannot take it.
    void apply(TemplateDocument& document, PageMasterData data, const QString& action) const;

private:
    std::vector<Xml::Element> masters(const char* local) const;
    Core::String unusedName() const;

    Xml::Element m_pageSequence;
    Xml::Element m_masterSet;
    Xml::Element m_sequenceMaster; ///< the one the page sequence refers to; null for none
};
