#include "outside/transform/transform.h"

#include "outside/core/coreexception.h"
#include "outside/dom/xmldomparser.h"
#include "outside/dom/xmlentityloader.h"

#include <cstdarg>
#include <cstdio>
#include <libexslt/exslt.h>
#include <libxml/globals.h>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <libxslt/documents.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/variables.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>
#include <memory>
#include <mutex>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <set>
#include <vector>

namespace Varnel {

namespace {

// libxslt reports compile errors through one process-wide handler, and the
// security preferences read whether files may be read from a global: one
// run at a time.
std::mutex runMutex;
bool fileReadsAllowed = false;

// Safe settings as for every XML the library reads: no network, nothing
// substituted or loaded from outside the text. CDATA becomes text, as
// libxslt expects of stylesheets.
constexpr int documentOptions = XML_PARSE_NONET | XML_PARSE_BIG_LINES;
constexpr int stylesheetOptions = documentOptions | XML_PARSE_NOCDATA;

// Work limits of one run: deep recursion and runaway expressions end as
// errors instead of exhausting the stack or the user's patience.
constexpr int maxTemplateDepth = 100;
constexpr unsigned long maxXPathOperations = 1000000;

constexpr std::size_t maxPieces = 32;
constexpr qsizetype maxPieceLength = 2000;

const char* const scriptNamespace = "urn:schemas-microsoft-com:xslt";

int allowFileRead(xsltSecurityPrefsPtr, xsltTransformContextPtr, const char*)
{
    return fileReadsAllowed ? 1 : 0;
}

// Documents that document(), xsl:include and xsl:import load go through the
// same safe parser settings as everything else (libxslt's own loader would
// substitute entities and load DTDs).
xmlDocPtr safeDocumentLoader(const xmlChar* uri, xmlDictPtr dict, int, void*, xsltLoadType)
{
    xmlParserCtxtPtr parser = xmlNewParserCtxt();
    if (!parser) {
        return nullptr;
    }
    if (dict) {
        if (parser->dict) {
            xmlDictFree(parser->dict);
        }
        parser->dict = dict;
        xmlDictReference(dict);
    }
    xmlDocPtr document =
        xmlCtxtReadFile(parser, reinterpret_cast<const char*>(uri), nullptr, stylesheetOptions);
    if (document && !parser->wellFormed) {
        xmlFreeDoc(document);
        document = nullptr;
    }
    xmlFreeParserCtxt(parser);
    return document;
}

xsltSecurityPrefsPtr securityPrefs()
{
    static xsltSecurityPrefsPtr prefs = [] {
        Xml::installSafeEntityLoader();
        exsltRegisterAll();
        xsltSetLoaderFunc(&safeDocumentLoader);
        xsltSecurityPrefsPtr created = xsltNewSecurityPrefs();
        xsltSetSecurityPrefs(created, XSLT_SECPREF_READ_FILE, &allowFileRead);
        xsltSetSecurityPrefs(created, XSLT_SECPREF_WRITE_FILE, &xsltSecurityForbid);
        xsltSetSecurityPrefs(created, XSLT_SECPREF_CREATE_DIRECTORY, &xsltSecurityForbid);
        xsltSetSecurityPrefs(created, XSLT_SECPREF_READ_NETWORK, &xsltSecurityForbid);
        xsltSetSecurityPrefs(created, XSLT_SECPREF_WRITE_NETWORK, &xsltSecurityForbid);
        // Only the default preferences govern xsl:include and xsl:import.
        xsltSetDefaultSecurityPrefs(created);
        return created;
    }();
    return prefs;
}

/// What libxml2 and libxslt report during one run, in the order they say it,
/// with the first file and line any of them names.
class RunReports
{
public:
    RunReports()
        : m_previousStructured(xmlStructuredError),
          m_previousStructuredContext(xmlStructuredErrorContext),
          m_previousGeneric(xmlGenericError), m_previousGenericContext(xmlGenericErrorContext),
          m_previousXslt(xsltGenericError), m_previousXsltContext(xsltGenericErrorContext)
    {
        xmlSetStructuredErrorFunc(this, &RunReports::onStructured);
        xmlSetGenericErrorFunc(this, &RunReports::onText);
        xsltSetGenericErrorFunc(this, &RunReports::onText);
    }

    ~RunReports()
    {
        xmlSetStructuredErrorFunc(m_previousStructuredContext, m_previousStructured);
        xmlSetGenericErrorFunc(m_previousGenericContext, m_previousGeneric);
        xsltSetGenericErrorFunc(m_previousXsltContext, m_previousXslt);
    }

    RunReports(const RunReports&) = delete;
    RunReports& operator=(const RunReports&) = delete;

    void attach(xsltTransformContextPtr context)
    {
        xsltSetTransformErrorFunc(context, this, &RunReports::onText);
    }

    std::size_t count()
    {
        flushText();
        return m_pieces.size();
    }

    /// "file, line N: " and the pieces, one per line; `fallback` when
    /// nothing was said.
    Core::String message(const QString& fallback)
    {
        flushText();
        QString where;
        if (!m_file.isEmpty()) {
            where = m_line > 0 ? QStringLiteral("%1, line %2: ").arg(m_file).arg(m_line)
                               : QStringLiteral("%1: ").arg(m_file);
        }
        const QString body = m_pieces.isEmpty() ? fallback : m_pieces.join(QLatin1Char('\n'));
        return Core::String(where + body);
    }

    void setLocation(const QString& file, int line)
    {
        if (m_file.isEmpty() && !file.isEmpty()) {
            m_file = file;
            m_line = line;
        }
    }

private:
    static void onStructured(void* self, xmlErrorPtr error)
    {
        auto* reports = static_cast<RunReports*>(self);
        if (!error || error->level < XML_ERR_ERROR) {
            return;
        }
        reports->flushText();
        QString text =
            QString::fromUtf8(error->message ? error->message : "unknown error").trimmed();
        if (error->domain == XML_FROM_XPATH && error->str1) {
            const QString expression = QString::fromUtf8(error->str1);
            text = QStringLiteral("%1 in \"%2\" at character %3")
                       .arg(text, expression)
                       .arg(qBound(0, error->int1, int(expression.size())) + 1);
        }
        if (error->file) {
            reports->setLocation(QString::fromUtf8(error->file), error->line);
        }
        reports->addPiece(text);
    }

    static void onText(void* self, const char* format, ...)
    {
        auto* reports = static_cast<RunReports*>(self);
        char buffer[2048];
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        if (reports->m_text.size() < maxPieceLength * 4) {
            reports->m_text += QString::fromUtf8(buffer);
        }
        reports->splitText(false);
    }

    void flushText() { splitText(true); }

    // libxslt says a message in several printf pieces: complete lines only.
    void splitText(bool all)
    {
        qsizetype end = m_text.indexOf(QLatin1Char('\n'));
        while (end >= 0) {
            takeLine(m_text.left(end));
            m_text.remove(0, end + 1);
            end = m_text.indexOf(QLatin1Char('\n'));
        }
        if (all && !m_text.isEmpty()) {
            takeLine(m_text);
            m_text.clear();
        }
    }

    void takeLine(QString line)
    {
        line = line.trimmed();
        if (line.isEmpty()) {
            return;
        }
        // "compilation error: file x.xsl line 5 element variable" only says where.
        static const QRegularExpression where(QStringLiteral(
            "^(?:compilation|runtime) error: (?:file (.*) line (\\d+) )?element \\S+$"));
        if (const QRegularExpressionMatch match = where.match(line); match.hasMatch()) {
            setLocation(match.captured(1), match.captured(2).toInt());
            return;
        }
        // The security module and the loader both say a read was refused, in
        // their own words: one plain sentence for the two.
        static const QRegularExpression denied(
            QStringLiteral("^(?:\\w+: (read|write) rights for (.*) denied|(?:Local|Network) file "
                           "(read|write) for (.*) refused)$"));
        if (const QRegularExpressionMatch match = denied.match(line); match.hasMatch()) {
            const bool read = match.captured(1) == QLatin1String("read") ||
                              match.captured(3) == QLatin1String("read");
            const QString what =
                match.captured(2).isEmpty() ? match.captured(4) : match.captured(2);
            line = read
                       ? QStringLiteral(
                             "Reading \"%1\" was refused: this run may not read other files.")
                             .arg(what)
                       : QStringLiteral("Writing \"%1\" was refused: this run may not write files.")
                             .arg(what);
        }
        addPiece(line);
    }

    void addPiece(const QString& piece)
    {
        if (m_pieces.size() >= qsizetype(maxPieces) ||
            (!m_pieces.isEmpty() && m_pieces.last() == piece)) {
            return;
        }
        m_pieces << piece.left(maxPieceLength);
    }

    QStringList m_pieces;
    QString m_text;
    QString m_file;
    int m_line = 0;
    xmlStructuredErrorFunc m_previousStructured;
    void* m_previousStructuredContext;
    xmlGenericErrorFunc m_previousGeneric;
    void* m_previousGenericContext;
    xmlGenericErrorFunc m_previousXslt;
    void* m_previousXsltContext;
};

struct DocDeleter
{
    void operator()(xmlDocPtr document) const { xmlFreeDoc(document); }
};
struct StylesheetDeleter
{
    void operator()(xsltStylesheetPtr style) const { xsltFreeStylesheet(style); }
};
struct ContextDeleter
{
    void operator()(xsltTransformContextPtr context) const { xsltFreeTransformContext(context); }
};
struct ParserDeleter
{
    void operator()(xmlParserCtxtPtr parser) const { xmlFreeParserCtxt(parser); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

QByteArray readFile(const Core::String& path, const char* what)
{
    const QString file = path.toQString();
    const QFileInfo info(file);
    if (!info.exists() || info.isDir()) {
        throw Core::Exception(
            Core::String(QStringLiteral("Cannot read the %1 \"%2\": the file does not exist.")
                             .arg(QLatin1String(what), file)));
    }
    if (info.size() > Xml::DomParser::maxInputSize) {
        throw Core::Exception(
            Core::String(QStringLiteral("Cannot read the %1 \"%2\": it is too large.")
                             .arg(QLatin1String(what), file)));
    }
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        throw Core::Exception(
            Core::String(QStringLiteral("Cannot read the %1 \"%2\": %3")
                             .arg(QLatin1String(what), file, input.errorString())));
    }
    // Read what the file holds (asking QIODevice for the limit would
    // allocate the whole limit), and a little more only if it grew meanwhile.
    QByteArray bytes = input.read(qMin(info.size(), Xml::DomParser::maxInputSize) + 1);
    while (!input.atEnd() && bytes.size() <= Xml::DomParser::maxInputSize) {
        bytes += input.read(64 * 1024);
    }
    if (bytes.size() > Xml::DomParser::maxInputSize) {
        throw Core::Exception(
            Core::String(QStringLiteral("Cannot read the %1 \"%2\": it is too large.")
                             .arg(QLatin1String(what), file)));
    }
    return bytes;
}

DocPtr parse(const Core::String& path, const char* what, int options, RunReports& reports)
{
    const QByteArray bytes = readFile(path, what);
    std::unique_ptr<xmlParserCtxt, ParserDeleter> parser(xmlNewParserCtxt());
    if (!parser) {
        throw Core::Exception("Cannot read XML: out of memory.");
    }
    const QByteArray url = QFile::encodeName(QFileInfo(path.toQString()).absoluteFilePath());
    DocPtr document(xmlCtxtReadMemory(parser.get(), bytes.constData(), int(bytes.size()),
                                      url.constData(), nullptr, options));
    if (document && parser->wellFormed && reports.count() == 0) {
        return document;
    }
    reports.setLocation(path.toQString(), 0);
    throw Core::Exception(reports.message(QStringLiteral("The text is not well-formed XML.")));
}

/// The namespaces whose functions script blocks would define.
std::set<QByteArray> scriptNamespaces(xmlDocPtr stylesheet)
{
    std::set<QByteArray> uris;
    xmlNodePtr root = xmlDocGetRootElement(stylesheet);
    for (xmlNodePtr node = root ? root->children : nullptr; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE || !node->ns ||
            !xmlStrEqual(node->ns->href, BAD_CAST scriptNamespace) ||
            !xmlStrEqual(node->name, BAD_CAST "script")) {
            continue;
        }
        xmlChar* prefix = xmlGetProp(node, BAD_CAST "implements-prefix");
        if (xmlNsPtr ns = prefix ? xmlSearchNs(stylesheet, node, prefix) : nullptr;
            ns && ns->href) {
            uris.insert(QByteArray(reinterpret_cast<const char*>(ns->href)));
        }
        xmlFree(prefix);
    }
    return uris;
}

// Script blocks hold code for another XSLT processor; libxslt ignores them.
// Their functions answer an empty string here, so that calling them does not
// fail a run that only needs to know the expression is well made.
void scriptFunctionStandIn(xmlXPathParserContextPtr parser, int argumentCount)
{
    for (int i = 0; i < argumentCount; ++i) {
        xmlXPathFreeObject(valuePop(parser));
    }
    valuePush(parser, xmlXPathNewCString(""));
}

struct ScriptLookup
{
    xmlXPathFuncLookupFunc previous;
    void* previousData;
    std::set<QByteArray> uris;
};

xmlXPathFunction lookupWithScripts(void* data, const xmlChar* name, const xmlChar* uri)
{
    auto* lookup = static_cast<ScriptLookup*>(data);
    if (lookup->previous) {
        if (xmlXPathFunction found = lookup->previous(lookup->previousData, name, uri)) {
            return found;
        }
    }
    if (uri && lookup->uris.count(QByteArray(reinterpret_cast<const char*>(uri)))) {
        return &scriptFunctionStandIn;
    }
    return nullptr;
}

} // namespace

void Transform::xsl2fo(const Core::String& stylesheetPath, const Core::String& xmlPath,
                       const SmartPtr<Core::IO::Stream>& output,
                       const std::map<Core::String, Core::String>& parameters, int engine, int flag)
{
    Q_UNUSED(engine); // libxslt is the one engine here
    Core::IO::Stream& target = *output;
    const std::lock_guard<std::mutex> lock(runMutex);
    xsltSecurityPrefsPtr prefs = securityPrefs();
    fileReadsAllowed = (flag & AllowFileReads) != 0;

    DocPtr input;
    std::unique_ptr<xsltStylesheet, StylesheetDeleter> style;
    ScriptLookup lookup{nullptr, nullptr, {}};
    {
        RunReports reports;
        DocPtr stylesheetDocument = parse(stylesheetPath, "stylesheet", stylesheetOptions, reports);
        input = parse(xmlPath, "XML file", documentOptions, reports);
        lookup.uris = scriptNamespaces(stylesheetDocument.get());
        style.reset(xsltParseStylesheetDoc(stylesheetDocument.get()));
        if (style) {
            stylesheetDocument.release(); // the stylesheet owns it now
        }
        if (!style || style->errors != 0) {
            reports.setLocation(stylesheetPath.toQString(), 0);
            throw Core::Exception(
                reports.message(QStringLiteral("The stylesheet could not be compiled.")));
        }
    }

    RunReports reports;
    std::unique_ptr<xsltTransformContext, ContextDeleter> context(
        xsltNewTransformContext(style.get(), input.get()));
    if (!context) {
        throw Core::Exception("Cannot run the stylesheet: out of memory.");
    }
    reports.attach(context.get());
    xsltSetCtxtSecurityPrefs(prefs, context.get());
    context->maxTemplateDepth = maxTemplateDepth;
    context->opLimit = maxXPathOperations;
    context->xpathCtxt->opLimit = maxXPathOperations;
    lookup.previous = context->xpathCtxt->funcLookupFunc;
    lookup.previousData = context->xpathCtxt->funcLookupData;
    xmlXPathRegisterFuncLookup(context->xpathCtxt, &lookupWithScripts, &lookup);

    std::vector<QByteArray> texts;
    for (const auto& [name, value] : parameters) {
        texts.push_back(name.toUtf8());
        texts.push_back(value.toUtf8());
    }
    std::vector<const char*> params;
    for (const QByteArray& text : texts) {
        params.push_back(text.constData());
    }
    params.push_back(nullptr);
    if (xsltQuoteUserParams(context.get(), params.data()) != 0 || reports.count() != 0) {
        throw Core::Exception(reports.message(
            QStringLiteral("The parameters could not be passed to the stylesheet.")));
    }

    DocPtr result(xsltApplyStylesheetUser(style.get(), input.get(), nullptr, nullptr, nullptr,
                                          context.get()));
    if (!result || context->state != XSLT_STATE_OK || reports.count() != 0) {
        throw Core::Exception(
            reports.message(QStringLiteral("The stylesheet failed while it ran.")));
    }
    xmlChar* text = nullptr;
    int length = 0;
    if (xsltSaveResultToString(&text, &length, result.get(), style.get()) != 0) {
        xmlFree(text);
        throw Core::Exception("Cannot write the result of the stylesheet.");
    }
    const QByteArray bytes(reinterpret_cast<const char*>(text), text ? length : 0);
    xmlFree(text);
    target.write(bytes);
}

} // namespace Varnel
