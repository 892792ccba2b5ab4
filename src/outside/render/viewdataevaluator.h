#pragma once

#include "outside/core/corestring.h"
#include "outside/dom/xmlelement.h"
#include "uieditor_export.h"

#include <optional>
#include <vector>

/// What the view engine asks of a template's data when it shows the template
/// as it prints with that data. The engine knows the markup: repeats
/// (`kmb:…-repeat` with an `xpath`), `kmb:field`, `xsl:value-of`, conditional
/// sections and dynamic page sets. The evaluator knows the data and what the
/// expressions mean. A context is the evaluator's own handle on a node of its
/// data, handed back to it unchanged; null is the data's document node.
/// Contexts need to live only while a load runs.
class UIEDITOR_EXPORT ViewDataEvaluator
{
public:
    using Context = const void*;

    /// The colour the engine prints a field in whose expression gives no value.
    static constexpr const char* unresolvedColor = "#d9480f";

    /// What a repeat prints: its content once per node, group after group.
    struct Repetition
    {
        std::vector<std::vector<Context>> groups;
        /// Whether a group prints as the rows of its first node, their cells
        /// also holding what the group's other nodes print there.
        bool mergesGroups = false;
    };

    /// An attribute of a template element that prints with another value.
    struct Attribute
    {
        Core::String namespaceUri; ///< empty for formatting properties
        Core::String localName;
        Core::String value;
    };

    virtual ~ViewDataEvaluator();

    /// The nodes `repeat` (a repeat element, or a page-sequence master with
    /// a `kmb:xpath`) prints its content for at `context`, at most `limit` of them.
    virtual Repetition repeat(const Xml::Element& repeat, Context context, int limit) = 0;
    /// The text `element` (a `kmb:field` or `xsl:value-of`) prints at
    /// `context`; none when its expression gives no value.
    virtual std::optional<Core::String> value(const Xml::Element& element, Context context) = 0;
    /// Whether the test of a conditional section holds at `context`.
    virtual bool holds(const Core::String& test, Context context) = 0;
    /// The attributes of `element` that print with other values at `context`
    /// (conditional formatting, values bound to data). None by default.
    virtual std::vector<Attribute> attributes(const Xml::Element& element, Context context);
};
