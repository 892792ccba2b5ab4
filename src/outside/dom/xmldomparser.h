#pragma once

#include "outside/core/corestream.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/dom/xmldocument.h"
#include "uieditor_export.h"

#include <functional>
#include <QByteArray>

namespace Xml {

/// Reads XML text into an XmlDocument.
///
/// Parsing is safe on any input: no network access, no external entities or
/// DTDs loaded, entities left unexpanded, libxml2's own limits on depth and
/// entity growth kept, and inputs above maxInputSize refused. Every failure
/// raises Core::Exception with a message that names the source and the line,
/// "invoice.xml, line 12: Opening and ending tag mismatch: block line 10 and inline",
/// and leaves the parser without a document.
class UIEDITOR_EXPORT DomParser
{
public:
    /// Bigger inputs are refused; no sample or template comes near it.
    static constexpr qint64 maxInputSize = qint64(256) * 1024 * 1024;

    DomParser();
    /// Parses the file at `path` at once.
    explicit DomParser(const Core::String& path);
    ~DomParser();

    void parseFile(const Core::String& path);
    /// Bytes in any encoding the text declares (UTF-8 by default). `name`
    /// stands for the source in messages.
    void parseMemory(const QByteArray& bytes, const Core::String& name = "<memory>");
    /// Text already decoded: an encoding named in its declaration is ignored.
    void parseMemory(const Core::String& text, const Core::String& name = "<memory>");
    void parseMemory(const char* utf8, const Core::String& name = "<memory>");
    /// Everything from the stream's position to its end. A file stream's path
    /// names the source in messages.
    void parseStream(const SmartPtr<Core::IO::Stream>& stream);

    /// The document of the last successful parse, null otherwise.
    SmartPtr<XmlDocument> getDocument() const { return m_document; }

    /// For the user's own data files (samples), which may hold a text of more
    /// than 10 MB (an embedded image), nest deeper than 256 levels or use
    /// more names than libxml2 allows by default: lifts those limits for the
    /// next parses. Network, external entities and DTDs stay off, and a text
    /// that declares entities gets the standard limits back with its first
    /// declaration, since the lifted limits also switch off libxml2's guard
    /// against entity expansion ("billion laughs").
    /// Small texts of such documents are kept inside their nodes, which
    /// spares a third of the allocations of a typical data file.
    void setLargeDocuments(bool large) { m_largeDocuments = large; }
    bool largeDocuments() const { return m_largeDocuments; }

    /// Told the prefix (null for a default namespace) and the URI of each
    /// namespace declaration as the parse meets it, in document order, so
    /// that a caller needs no second walk over a big document.
    using NamespaceObserver = std::function<void(const char* prefix, const char* uri)>;
    void setNamespaceObserver(NamespaceObserver observer)
    {
        m_namespaceObserver = std::move(observer);
    }

private:
    void parse(const QByteArray& bytes, const Core::String& name, const QByteArray& url,
               bool decoded);

    SmartPtr<XmlDocument> m_document;
    bool m_largeDocuments = false;
    NamespaceObserver m_namespaceObserver;
};

} // namespace Xml
