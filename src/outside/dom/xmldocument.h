#pragma once

#include "outside/core/coreobject.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/dom/xmlelement.h"
#include "uieditor_export.h"

#include <QByteArray>

struct _xmlDoc;

namespace Xml {

/// An XML document, handed around as SmartPtr<XmlDocument>. Node handles
/// taken from it keep its tree alive on their own, so they stay valid even
/// after the last SmartPtr to the document is gone.
class UIEDITOR_EXPORT XmlDocument : public Core::Object
{
public:
    /// A new empty document, version 1.0, without a root element.
    XmlDocument();
    /// Takes ownership of a document built by libxml2.
    explicit XmlDocument(_xmlDoc* document);
    ~XmlDocument() override;
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    /// The root element, or null when the document has none.
    Element getRootNode() const;
    /// Makes a new root element (replacing any root there was). `name` may be
    /// empty, to be named later with set_name; `nsPrefix` needs `nsUri`, and
    /// the pair is declared on the new root.
    Element createRootNode(const Core::String& name, const Core::String& nsUri = Core::String(),
                           const Core::String& nsPrefix = Core::String());

    /// The document as UTF-8 text, optionally indented and without the XML declaration.
    Core::String writeToString(bool pretty = true, bool withDeclaration = true) const;
    /// The same as UTF-8 bytes, as a file would hold them.
    QByteArray writeToBytes(bool pretty = true, bool withDeclaration = true) const;
    /// Writes the document to `path` in UTF-8. The file is replaced only once
    /// the whole text is written, so a failed write leaves it as it was.
    /// Raises Core::Exception naming the file.
    void writeToFile(const Core::String& path, bool pretty = true) const;

    /// The path or URL the document was read from, "" when created.
    Core::String getUrl() const;

    /// The libxml2 document, for code that calls libxml2 (or libxslt) itself.
    _xmlDoc* cobj() const;

private:
    SmartPtr<Detail::DocumentHolder> m_holder;
};

} // namespace Xml
