#include "xml/model/xpathevaluator.h"

#include "outside/core/coreexception.h"
#include "outside/types/xpathhelpers.h"

#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

namespace {

// As high as the DOM's own limit: a runaway expression ends, the designer goes on.
constexpr unsigned long operationLimit = 50'000'000;

const char* const builtInVariables[] = {"KMCrtLocalDate",   "KMCrtLocalTime", "KMCrtLocalDateTime",
                                        "KMCrtUTCDate",     "KMCrtUTCTime",   "KMCrtUTCDateTime",
                                        "KMOutputFormat"};

const xmlChar* chars(const QByteArray& utf8)
{
    return reinterpret_cast<const xmlChar*>(utf8.constData());
}

struct ObjectDeleter
{
    void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
};
using Object = std::unique_ptr<xmlXPathObject, ObjectDeleter>;

} // namespace

struct XPathEvaluator::Private
{
    SmartPtr<Xml::XmlDocument> sample;
    xmlXPathContextPtr context = nullptr;
    NamespaceMap namespaces;
    std::map<QByteArray, xmlXPathCompExprPtr> compiled; // repeated rows use the same few

    Object evaluate(const Xml::Node& at, const Core::String& expression)
    {
        if (!context) {
            return {};
        }
        const QByteArray utf8 = expression.toUtf8();
        auto found = compiled.find(utf8);
        if (found == compiled.end()) {
            found = compiled.emplace(utf8, xmlXPathCtxtCompile(context, chars(utf8))).first;
        }
        if (!found->second) {
            return {};
        }
        context->node = at.isNull() ? reinterpret_cast<xmlNodePtr>(context->doc) : at.cobj();
        context->opLimit = operationLimit;
        context->opCount = 0;
        return Object(xmlXPathCompiledEval(found->second, context));
    }
};

XPathEvaluator::XPathEvaluator(const SmartPtr<Xml::XmlDocument>& sample, const NamespaceMap& namespaces,
                               const std::vector<KMBVariable>& variables, const QDateTime& moment)
    : d(std::make_unique<Private>())
{
    d->sample = sample;
    d->namespaces = namespaces;
    if (sample.isNull() || !sample->cobj()) {
        return;
    }
    d->context = xmlXPathNewContext(sample->cobj());
    if (!d->context) {
        return;
    }
    // Mistakes in expressions are the user's to see in the preview, not on stderr.
    d->context->error = [](void*, auto) {};
    for (const auto& [prefix, uri] : namespaces) {
        if (!prefix.isEmpty()) {
            xmlXPathRegisterNs(d->context, chars(prefix.toUtf8()), chars(uri.toUtf8()));
        }
    }
    const QDateTime local = moment.toLocalTime();
    const QDateTime utc = moment.toUTC();
    const QString values[] = {local.date().toString(Qt::ISODate), local.time().toString(Qt::ISODate),
                              local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")),
                              utc.date().toString(Qt::ISODate), utc.time().toString(Qt::ISODate),
                              utc.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")), QString()};
    static_assert(std::size(values) == std::size(builtInVariables));
    for (size_t i = 0; i < std::size(builtInVariables); ++i) {
        const QByteArray value = moment.isValid() ? values[i].toUtf8() : QByteArray();
        xmlXPathRegisterVariable(d->context, reinterpret_cast<const xmlChar*>(builtInVariables[i]),
                                 xmlXPathNewCString(value.constData()));
    }
    // In declaration order, so a variable may use the ones before it.
    for (const KMBVariable& variable : variables) {
        Object value = d->evaluate(Xml::Node(), variable.getSelect());
        xmlXPathRegisterVariable(d->context, chars(variable.getName().toUtf8()),
                                 value ? value.release() : xmlXPathNewCString(""));
    }
}

XPathEvaluator::~XPathEvaluator()
{
    for (const auto& [text, expression] : d->compiled) {
        xmlXPathFreeCompExpr(expression);
    }
    if (d->context) {
        xmlXPathFreeContext(d->context);
    }
}

std::optional<Core::String> XPathEvaluator::text(const Xml::Node& context, const Core::String& expression)
{
    const Object value = d->evaluate(context, expression);
    if (!value || (value->type == XPATH_NODESET && xmlXPathNodeSetIsEmpty(value->nodesetval))) {
        return std::nullopt;
    }
    xmlChar* text = xmlXPathCastToString(value.get());
    Core::String result(QString::fromUtf8(reinterpret_cast<const char*>(text)));
    xmlFree(text);
    return result;
}

std::optional<bool> XPathEvaluator::test(const Xml::Node& context, const Core::String& expression)
{
    const Object value = d->evaluate(context, expression);
    if (!value) {
        return std::nullopt;
    }
    return xmlXPathCastToBoolean(value.get()) != 0;
}

std::vector<Xml::Node> XPathEvaluator::nodes(const Xml::Node& context, const Core::String& expression, int limit)
{
    if (!d->context || expression.trimmed().isEmpty() || limit <= 0) {
        return {};
    }
    // The DOM hands out the node handles; a path at the document itself
    // starts from its top.
    const Xml::Node from = context.isNull() ? Xml::Node(d->sample->getRootNode()) : context;
    if (from.isNull()) {
        return {};
    }
    const Core::String path = context.isNull() ? XPathHelpers::composeXPath("/", expression) : expression;
    try {
        // Handles only for the nodes wanted: a sample may hold a million.
        return from.find("(" + path + ")[position() <= " + Core::String(QString::number(limit)) + "]",
                         d->namespaces);
    } catch (const Core::Exception&) {
        return {};
    }
}
