#pragma once

#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <QString>
#include <vector>

namespace Xml::Detail {

/// Collects what libxml2 reports on this thread while it lives, instead of
/// letting it reach stderr, and puts the previous handlers back afterwards.
/// libxml2 keeps its handlers per thread, so captures on different threads
/// do not meet.
class ErrorCapture
{
public:
    struct Report
    {
        int level = 0; ///< xmlErrorLevel
        int line = 0;
        QString message; ///< without the trailing newline
    };

    /// `parser`, when given, is the context whose errors are reported with
    /// the line in the document even when they arise inside an entity.
    explicit ErrorCapture(xmlParserCtxtPtr parser = nullptr);
    ~ErrorCapture();
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    const std::vector<Report>& reports() const { return m_reports; }
    /// The first error or fatal error, or null when there was only chatter.
    const Report* firstError() const;
    /// Text that came through the unstructured channel.
    QString genericText() const { return m_generic.trimmed(); }

private:
    static void onStructured(void* self, xmlErrorPtr error);
    static void onGeneric(void* self, const char* format, ...);

    xmlParserCtxtPtr m_parser;
    std::vector<Report> m_reports;
    QString m_generic;
    xmlStructuredErrorFunc m_previousStructured;
    void* m_previousStructuredContext;
    xmlGenericErrorFunc m_previousGeneric;
    void* m_previousGenericContext;
};

} // namespace Xml::Detail
