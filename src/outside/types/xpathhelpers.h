#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

/// Moves XPath location paths between absolute form and the form relative to a
/// context node, the way data-bound dialogs show and store them.
///
/// Paths are handled as text, step by step: steps are split at "/" outside
/// predicates, parentheses and string literals; predicates, attributes ("@a"),
/// axes and prefixes stay as written. "." steps are dropped and a ".." step
/// cancels the child or attribute step before it. Text that is not a location
/// path (a function call, a variable, a literal) is returned unchanged, and each
/// side of a top-level union "a | b" is handled on its own. Every function accepts
/// any text.
class UIEDITOR_EXPORT XPathHelpers
{
public:
    /// `path` relative to the node `context` selects: "." for the context itself,
    /// "price" below it, "../header/date" beside it, "@id" for its attribute.
    /// A context without a leading "/" is taken as absolute. A `path` that is not
    /// absolute is returned unchanged; so is an absolute one when no relative form
    /// exists (the context goes through a "//" step the path does not share).
    static Core::String getRelativeXPath(const Core::String& context, const Core::String& path);

    /// The absolute path that `path` selects when evaluated from `context`:
    /// composeXPath("/invoice/line", "../header") is "/invoice/header". An empty
    /// `path` gives the context, an absolute one itself; ".." never climbs above
    /// the root "/". For every absolute path p in normal form,
    /// composeXPath(c, getRelativeXPath(c, p)) == p.
    static Core::String composeXPath(const Core::String& context, const Core::String& path);

    /// The normal form of a location path: trimmed steps, no "." steps, ".."
    /// folded where possible, no trailing "/". Other expressions come back
    /// unchanged.
    static Core::String normalizeXPath(const Core::String& path);
};
