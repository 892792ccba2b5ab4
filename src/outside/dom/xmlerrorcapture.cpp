#include "outside/dom/xmlerrorcapture_p.h"

#include <cstdarg>
#include <cstdio>
#include <libxml/globals.h>

namespace Xml::Detail {

namespace {

// A document full of warnings must not turn into a memory problem of its own.
constexpr std::size_t maxReports = 64;
constexpr qsizetype maxGenericLength = 4096;

} // namespace

ErrorCapture::ErrorCapture(xmlParserCtxtPtr parser)
    : m_parser(parser), m_previousStructured(xmlStructuredError),
      m_previousStructuredContext(xmlStructuredErrorContext), m_previousGeneric(xmlGenericError),
      m_previousGenericContext(xmlGenericErrorContext)
{
    xmlSetStructuredErrorFunc(this, &ErrorCapture::onStructured);
    xmlSetGenericErrorFunc(this, &ErrorCapture::onGeneric);
}

ErrorCapture::~ErrorCapture()
{
    xmlSetStructuredErrorFunc(m_previousStructuredContext, m_previousStructured);
    xmlSetGenericErrorFunc(m_previousGenericContext, m_previousGeneric);
}

const ErrorCapture::Report* ErrorCapture::firstError() const
{
    for (const Report& report : m_reports) {
        if (report.level >= XML_ERR_ERROR) {
            return &report;
        }
    }
    return nullptr;
}

void ErrorCapture::onStructured(void* self, xmlErrorPtr error)
{
    auto* capture = static_cast<ErrorCapture*>(self);
    if (!error || capture->m_reports.size() >= maxReports) {
        return;
    }
    Report report;
    report.level = error->level;
    report.line = error->line;
    // Inside an entity libxml2 counts lines of the entity's text, in a context
    // of its own; the user needs the line of the document, where the
    // reference stands.
    xmlParserCtxtPtr parser = capture->m_parser;
    if (parser && (error->ctxt != parser || parser->inputNr > 1) && parser->inputNr > 0 &&
        parser->inputTab[0]) {
        report.line = parser->inputTab[0]->line;
    }
    report.message =
        QString::fromUtf8(error->message ? error->message : "unknown XML error").trimmed();
    capture->m_reports.push_back(std::move(report));
}

void ErrorCapture::onGeneric(void* self, const char* format, ...)
{
    auto* capture = static_cast<ErrorCapture*>(self);
    if (capture->m_generic.size() >= maxGenericLength) {
        return;
    }
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    capture->m_generic += QString::fromUtf8(buffer);
}

} // namespace Xml::Detail
