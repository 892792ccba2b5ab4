#include "outside/dom/xmldomparser.h"

#include "outside/core/coreexception.h"
#include "outside/core/corefilestream.h"
#include "outside/dom/xmlentityloader.h"
#include "outside/dom/xmlerrorcapture_p.h"

#include <libxml/parser.h>
#include <libxml/SAX2.h>
#include <memory>
#include <QFile>
#include <QFileInfo>

namespace Xml {

namespace {

// No network, nothing substituted or loaded from outside the text (no NOENT,
// DTDLOAD, DTDATTR, XINCLUDE) and libxml2's limits kept (no HUGE). Big line
// numbers so that errors and get_line() stay right past line 65535.
constexpr int parseOptions = XML_PARSE_NONET | XML_PARSE_BIG_LINES;

// Large documents parse with XML_PARSE_HUGE, which in libxml2 2.9 also turns
// off the entity amplification check. Entities only come from declarations in
// the text itself (no DTD is loaded), so the first declaration puts the
// standard limits back before any entity can be expanded.
void restoreLimitsOnEntityDeclaration(void* parser, const xmlChar* name, int type,
                                      const xmlChar* publicId, const xmlChar* systemId,
                                      xmlChar* content)
{
    auto* context = static_cast<xmlParserCtxtPtr>(parser);
    context->options &= ~XML_PARSE_HUGE;
    xmlSAX2EntityDecl(parser, name, type, publicId, systemId, content);
}

// Hands each namespace declaration to the parser's observer, then builds the
// element as libxml2 does.
void startElementObserved(void* parser, const xmlChar* localName, const xmlChar* prefix,
                          const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                          int attributeCount, int defaultedCount, const xmlChar** attributes)
{
    auto* context = static_cast<xmlParserCtxtPtr>(parser);
    const auto* observer = static_cast<const DomParser::NamespaceObserver*>(context->_private);
    for (int i = 0; observer && i < namespaceCount; ++i) {
        (*observer)(reinterpret_cast<const char*>(namespaces[2 * i]),
                    reinterpret_cast<const char*>(namespaces[2 * i + 1]));
    }
    xmlSAX2StartElementNs(parser, localName, prefix, uri, namespaceCount, namespaces,
                          attributeCount, defaultedCount, attributes);
}

struct ParserContextDeleter
{
    void operator()(xmlParserCtxtPtr context) const { xmlFreeParserCtxt(context); }
};

QString sizeInMiB(qint64 bytes)
{
    return QString::number((bytes + 1024 * 1024 - 1) / (1024 * 1024));
}

[[noreturn]] void throwTooLarge(const Core::String& name, qint64 size)
{
    throw Core::Exception(Core::String(
        QStringLiteral("%1 is too large to read as XML (%2 MiB; the limit is %3 MiB).")
            .arg(name.toQString(),
                 size < 0 ? QStringLiteral("over %1").arg(sizeInMiB(DomParser::maxInputSize))
                          : sizeInMiB(size),
                 sizeInMiB(DomParser::maxInputSize))));
}

// Reads from an open file in the chunks libxml2 asks for, no further than
// the size allowed.
struct ChunkReader
{
    QFile* file;
    qint64 total = 0;
    bool tooLarge = false;

    static int read(void* self, char* buffer, int length)
    {
        auto* reader = static_cast<ChunkReader*>(self);
        const qint64 got = reader->file->read(buffer, length);
        if (got < 0) {
            return -1;
        }
        reader->total += got;
        if (reader->total > DomParser::maxInputSize) {
            reader->tooLarge = true;
            return -1;
        }
        return int(got);
    }
};

// Runs `read(context, options)` on a fresh parser context and answers the
// document, or raises with the first error, its source and line.
template <class Read>
xmlDocPtr readDocument(const Core::String& name, int options, bool largeDocuments,
                       const DomParser::NamespaceObserver& observer, Read read)
{
    installSafeEntityLoader();
    std::unique_ptr<xmlParserCtxt, ParserContextDeleter> context(xmlNewParserCtxt());
    if (!context) {
        throw Core::Exception("Cannot read XML: out of memory.");
    }
    Detail::ErrorCapture capture(context.get());
    if (largeDocuments) {
        options |= XML_PARSE_HUGE | XML_PARSE_COMPACT;
        context->sax->entityDecl = &restoreLimitsOnEntityDeclaration;
    }
    if (observer) {
        context->_private = const_cast<DomParser::NamespaceObserver*>(&observer);
        context->sax->startElementNs = &startElementObserved;
    }
    xmlDocPtr document = read(context.get(), options);
    // A namespace error leaves a document behind but makes the text unusable
    // for XPath and templates: refuse it like any other error.
    const auto* error = capture.firstError();
    if (document && !error && context->wellFormed) {
        return document;
    }
    xmlFreeDoc(document);
    QString message;
    int line = 0;
    if (error) {
        message = error->message;
        line = error->line;
    } else if (const xmlError* last = xmlCtxtGetLastError(context.get()); last && last->message) {
        message = QString::fromUtf8(last->message).trimmed();
        line = last->line;
    } else {
        message = QStringLiteral("The text is not well-formed XML.");
    }
    const QString where = line > 0 ? QStringLiteral("%1, line %2: ").arg(name.toQString()).arg(line)
                                   : QStringLiteral("%1: ").arg(name.toQString());
    throw Core::Exception(Core::String(where + message));
}

} // namespace

DomParser::DomParser() = default;

DomParser::DomParser(const Core::String& path)
{
    parseFile(path);
}

DomParser::~DomParser() = default;

void DomParser::parseFile(const Core::String& path)
{
    m_document.reset();
    const QString file = path.toQString();
    const QFileInfo info(file);
    if (!info.exists()) {
        throw Core::Exception(Core::String(
            QStringLiteral("Cannot read the XML file \"%1\": the file does not exist.").arg(file)));
    }
    if (info.isDir()) {
        throw Core::Exception(Core::String(
            QStringLiteral("Cannot read the XML file \"%1\": it is a folder.").arg(file)));
    }
    if (info.size() > maxInputSize) {
        throwTooLarge(path, info.size());
    }
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        throw Core::Exception(Core::String(
            QStringLiteral("Cannot read the XML file \"%1\": %2").arg(file, input.errorString())));
    }
    // The file's own path is its base URL: relative references resolve beside it.
    const QByteArray url = QFile::encodeName(info.absoluteFilePath());
    if (m_largeDocuments) {
        // Straight from the file: a copy of hundreds of megabytes in memory
        // next to libxml2's own would only add to the tree's size.
        ChunkReader reader{&input};
        xmlDocPtr document = readDocument(path, parseOptions, true, m_namespaceObserver,
                                          [&](xmlParserCtxtPtr context, int options) {
                                              xmlDocPtr read = xmlCtxtReadIO(
                                                  context, &ChunkReader::read, nullptr, &reader,
                                                  url.constData(), nullptr, options);
                                              if (reader.tooLarge) {
                                                  xmlFreeDoc(read);
                                                  throwTooLarge(path, -1);
                                              }
                                              return read;
                                          });
        m_document = SmartPtr<XmlDocument>(new XmlDocument(document));
        return;
    }
    // The file may have grown since it was measured: read no more than
    // allowed. In pieces, since asking QIODevice for the limit at once
    // allocates all of it for every small file.
    QByteArray bytes;
    bytes.reserve(qsizetype(info.size()) + 1);
    char chunk[64 * 1024];
    for (qint64 got; (got = input.read(chunk, sizeof chunk)) > 0;) {
        if (bytes.size() + got > maxInputSize) {
            throwTooLarge(path, -1);
        }
        bytes.append(chunk, qsizetype(got));
    }
    if (input.error() != QFileDevice::NoError) {
        throw Core::Exception(Core::String(
            QStringLiteral("Cannot read the XML file \"%1\": %2").arg(file, input.errorString())));
    }
    parse(bytes, path, url, false);
}

void DomParser::parseMemory(const QByteArray& bytes, const Core::String& name)
{
    m_document.reset();
    if (bytes.size() > maxInputSize) {
        throwTooLarge(name, bytes.size());
    }
    parse(bytes, name, QByteArray(), false);
}

void DomParser::parseMemory(const Core::String& text, const Core::String& name)
{
    m_document.reset();
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() > maxInputSize) {
        throwTooLarge(name, bytes.size());
    }
    parse(bytes, name, QByteArray(), true);
}

void DomParser::parseMemory(const char* utf8, const Core::String& name)
{
    parseMemory(QByteArray(utf8 ? utf8 : ""), name);
}

void DomParser::parseStream(const SmartPtr<Core::IO::Stream>& stream)
{
    m_document.reset();
    Core::IO::Stream& source = *stream;
    Core::String name("<stream>");
    QByteArray url;
    if (const auto* file = dynamic_cast<const Core::IO::FileStream*>(stream.get())) {
        name = file->path();
        url = QFile::encodeName(QFileInfo(file->path().toQString()).absoluteFilePath());
    }
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = source.read(chunk, sizeof chunk);
        if (got <= 0) {
            break;
        }
        if (bytes.size() + got > maxInputSize) {
            throwTooLarge(name, -1);
        }
        bytes.append(chunk, got);
    }
    parse(bytes, name, url, false);
}

void DomParser::parse(const QByteArray& bytes, const Core::String& name, const QByteArray& url,
                      bool decoded)
{
    int options = parseOptions;
    if (decoded) {
        options |= XML_PARSE_IGNORE_ENC; // the text is UTF-8 now, whatever it says
    }
    xmlDocPtr document =
        readDocument(name, options, m_largeDocuments, m_namespaceObserver,
                     [&](xmlParserCtxtPtr context, int allOptions) {
                         return xmlCtxtReadMemory(context, bytes.constData(), int(bytes.size()),
                                                  url.isEmpty() ? nullptr : url.constData(),
                                                  decoded ? "UTF-8" : nullptr, allOptions);
                     });
    m_document = SmartPtr<XmlDocument>(new XmlDocument(document));
}

} // namespace Xml
