#pragma once

#include "outside/core/corestring.h"
#include "outside/types/kmbvariable.h"
#include "outside/types/managedscript.h"
#include "uieditor_export.h"

#include <map>
#include <vector>

/// Checks an XPath expression the way the expression editor does: the
/// expression becomes the select of a variable in a throw-away stylesheet,
/// which the transform library compiles and runs on an empty document.
class UIEDITOR_EXPORT XPathCheck
{
public:
    using NamespaceMap = std::map<Core::String, Core::String>;

    struct Result
    {
        bool valid = false;
        /// What the editor's message line shows: resource 63100 on success,
        /// the transform's message on one line otherwise.
        Core::String message;
    };

    /// The stylesheet text that evaluates `expression`, with every namespace
    /// of `namespaces` and every script declared and every template variable
    /// defined, after the apostrophe-to-quotation-mark step.
    static Core::String buildStylesheet(const Core::String& expression,
                                        const NamespaceMap& namespaces,
                                        const std::vector<ManagedScript>& scripts,
                                        const std::vector<KMBVariable>& variables);
    /// The document the stylesheet runs on.
    static Core::String inputDocument();

    /// Builds the stylesheet, writes it and the input to two new temporary
    /// files (deleted when the process ends) and runs the check. Never throws.
    static Result check(const Core::String& expression, const NamespaceMap& namespaces,
                        const std::vector<ManagedScript>& scripts,
                        const std::vector<KMBVariable>& variables, int engine);

    /// Writes `stylesheet` and the input document to the given files and runs
    /// the check on them. Never throws.
    static Result run(const Core::String& stylesheet, const Core::String& stylesheetPath,
                      const Core::String& xmlPath, int engine);

    /// The exception's message as one line: line feeds become blanks,
    /// carriage returns go.
    static Core::String oneLine(const Core::String& message);

private:
    XPathCheck() = delete;
};
