#include "outside/dom/xmldocument.h"

#include "outside/core/coreexception.h"
#include "outside/core/corefilestream.h"
#include "outside/dom/xmldocumentholder_p.h"
#include "outside/dom/xmlentityloader.h"
#include "outside/dom/xmlerrorcapture_p.h"
#include "outside/dom/xmltext_p.h"

#include <libxml/xmlsave.h>

namespace Xml {

using Detail::xmlChars;

namespace {

SmartPtr<Detail::DocumentHolder> holdDocument(xmlDocPtr document)
{
    if (!document) {
        throw Core::Exception("Cannot create an XML document: out of memory.");
    }
    return SmartPtr<Detail::DocumentHolder>(new Detail::DocumentHolder(document));
}

} // namespace

XmlDocument::XmlDocument()
{
    installSafeEntityLoader();
    m_holder = holdDocument(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
}

XmlDocument::XmlDocument(_xmlDoc* document)
{
    installSafeEntityLoader();
    m_holder = holdDocument(document);
}

XmlDocument::~XmlDocument() = default;

_xmlDoc* XmlDocument::cobj() const
{
    return m_holder->doc();
}

Element XmlDocument::getRootNode() const
{
    xmlNodePtr root = xmlDocGetRootElement(m_holder->doc());
    return root ? Element(m_holder, root) : Element();
}

Element XmlDocument::createRootNode(const Core::String& name, const Core::String& nsUri,
                                    const Core::String& nsPrefix)
{
    auto [prefix, local] = Detail::splitQualifiedName(name);
    if (prefix.isEmpty()) {
        prefix = nsPrefix.toUtf8();
    }
    if (!local.isEmpty()) {
        Detail::checkLocalName(local);
    }
    if (!prefix.isEmpty()) {
        Detail::checkLocalName(prefix);
        if (nsUri.isEmpty()) {
            throw Core::Exception(Core::String(
                QStringLiteral("The prefix \"%1\" of the root element needs a namespace URI.")
                    .arg(QString::fromUtf8(prefix))));
        }
    }
    xmlDocPtr doc = m_holder->doc();
    xmlNodePtr root = xmlNewDocNode(doc, nullptr, xmlChars(local), nullptr);
    if (!root) {
        throw Core::Exception("Cannot create the root element: out of memory.");
    }
    if (!nsUri.isEmpty()) {
        const QByteArray uri = nsUri.toUtf8();
        xmlNsPtr ns = xmlNewNs(root, xmlChars(uri), prefix.isEmpty() ? nullptr : xmlChars(prefix));
        xmlSetNs(root, ns);
    }
    if (xmlNodePtr old = xmlDocSetRootElement(doc, root)) {
        m_holder->keepRemoved(old);
    }
    return Element(m_holder, root);
}

QByteArray XmlDocument::writeToBytes(bool pretty, bool withDeclaration) const
{
    Detail::ErrorCapture capture;
    xmlBufferPtr buffer = xmlBufferCreate();
    if (!buffer) {
        throw Core::Exception("Cannot write the XML document: out of memory.");
    }
    int options = 0;
    if (pretty) {
        options |= XML_SAVE_FORMAT;
    }
    if (!withDeclaration) {
        options |= XML_SAVE_NO_DECL;
    }
    xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, "UTF-8", options);
    if (!save) {
        xmlBufferFree(buffer);
        throw Core::Exception("Cannot write the XML document.");
    }
    const long written = xmlSaveDoc(save, m_holder->doc());
    xmlSaveClose(save);
    QByteArray result(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                      xmlBufferLength(buffer));
    xmlBufferFree(buffer);
    if (written < 0) {
        const auto* error = capture.firstError();
        throw Core::Exception(
            Core::String(QStringLiteral("Cannot write the XML document: %1")
                             .arg(error ? error->message : capture.genericText())));
    }
    return result;
}

Core::String XmlDocument::writeToString(bool pretty, bool withDeclaration) const
{
    return QString::fromUtf8(writeToBytes(pretty, withDeclaration));
}

void XmlDocument::writeToFile(const Core::String& path, bool pretty) const
{
    const QByteArray bytes = writeToBytes(pretty, true);
    Core::IO::FileStream stream(path, Core::IO::FileStream::Atomic);
    stream.write(bytes);
    stream.commit();
}

Core::String XmlDocument::getUrl() const
{
    return Detail::fromXml(m_holder->doc()->URL);
}

} // namespace Xml
