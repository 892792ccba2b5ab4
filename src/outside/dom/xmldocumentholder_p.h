#pragma once

#include "outside/core/coreobject.h"

#include <libxml/tree.h>
#include <vector>

namespace Xml::Detail {

/// Owns one libxml2 document. Every node handle shares it, so the tree lives
/// as long as any handle into it, whatever became of the XmlDocument.
///
/// Nodes taken out of the tree are not freed on removal: a host may still hold
/// a handle to them (the XML tree keeps nodes as item data). They are kept
/// here and freed with the document, so a stale handle reads valid memory.
class DocumentHolder : public Core::Object
{
public:
    explicit DocumentHolder(xmlDocPtr doc);
    ~DocumentHolder() override;
    DocumentHolder(const DocumentHolder&) = delete;
    DocumentHolder& operator=(const DocumentHolder&) = delete;

    xmlDocPtr doc() const { return m_doc; }

    /// Takes an unlinked node (element, text, attribute...) into safekeeping.
    void keepRemoved(xmlNodePtr node);

private:
    xmlDocPtr m_doc;
    std::vector<xmlNodePtr> m_removed;
};

} // namespace Xml::Detail
