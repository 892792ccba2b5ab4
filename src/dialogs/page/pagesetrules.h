#pragma once

#include "outside/types/pagemasterdata.h"

/// Where a new reference goes in a page set, and whether a page set can
/// make every page of a document. The catch-all is the first "All pages"
/// reference without condition or maximum, the fallback the first
/// conditional reference without condition: the layout for any page the
/// other references leave.
namespace PageSetRules {

/// The index of the first reference on layout `name` (any layout when
/// empty) with this type, condition, value and maximum (an empty maximum
/// also matches "no-limit"); -1 when there is none.
UIEDITOR_EXPORT int searchReference(const PageMasterData& data, const Core::String& name, int type,
                                    const Core::String& condition, const Core::String& value,
                                    const Core::String& maximum);
UIEDITOR_EXPORT int catchAll(const PageMasterData& data);
UIEDITOR_EXPORT int fallback(const PageMasterData& data);
/// Adds `reference` where it belongs: a layout for all pages or any other
/// page takes the place of the catch-all or fallback, a conditional one goes
/// before the other conditions (replacing one with the same condition),
/// and one used once or repeatedly goes before the catch-all or fallback,
/// which then only supplies the pages left. Answers the index of the
/// reference added or changed.
UIEDITOR_EXPORT int addReference(PageMasterData& data, ReferenceInfo reference);
/// Removes the reference at `index`; the last one going unnames the page set.
UIEDITOR_EXPORT void removeReference(PageMasterData& data, int index);
/// Whether the page set never runs out of pages: it is one layout for all
/// pages, has a fallback or a layout repeated without limit, or has
/// conditions for both odd and even, or both blank and not blank pages.
UIEDITOR_EXPORT bool canSupplyAllPages(const PageMasterData& data);

} // namespace PageSetRules
