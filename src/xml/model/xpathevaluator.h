#pragma once

#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/dom/xmldocument.h"
#include "outside/types/kmbvariable.h"
#include "uieditor_export.h"

#include <QDateTime>

#include <map>
#include <memory>
#include <optional>
#include <vector>

/// Evaluates the expressions of a template on its sample data with what the
/// expression editor's check declares: the sample's prefixes, the template's
/// variables and the built-in variables. Set up once for many expressions;
/// use it on the thread that owns the sample.
class UIEDITOR_EXPORT XPathEvaluator
{
public:
    using NamespaceMap = std::map<Core::String, Core::String>;

    /// With a valid `moment`, the built-in date and time variables give it
    /// ("2026-12-07", "14:05:09", "2026-12-07T14:05:09", local and UTC), as
    /// when the template runs; otherwise they are empty, as in the check.
    XPathEvaluator(const SmartPtr<Xml::XmlDocument>& sample, const NamespaceMap& namespaces,
                   const std::vector<KMBVariable>& variables, const QDateTime& moment = QDateTime());
    ~XPathEvaluator();
    XPathEvaluator(const XPathEvaluator&) = delete;
    XPathEvaluator& operator=(const XPathEvaluator&) = delete;

    /// The string value of `expression` evaluated at `context` (a null
    /// context is the document itself). Empty when the expression selects no
    /// node or cannot be evaluated.
    std::optional<Core::String> text(const Xml::Node& context, const Core::String& expression);
    /// Whether `expression` holds at `context`, as an XSLT test reads it (a
    /// node-set holds when it is not empty); none when it cannot be evaluated.
    std::optional<bool> test(const Xml::Node& context, const Core::String& expression);
    /// The first `limit` nodes `expression` selects at `context`; none when
    /// it selects something else or cannot be evaluated.
    std::vector<Xml::Node> nodes(const Xml::Node& context, const Core::String& expression, int limit);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
