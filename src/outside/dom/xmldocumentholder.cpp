#include "outside/dom/xmldocumentholder_p.h"

namespace Xml::Detail {

DocumentHolder::DocumentHolder(xmlDocPtr doc) : m_doc(doc) {}

DocumentHolder::~DocumentHolder()
{
    // Removed nodes first: their names may live in the document's dictionary,
    // which goes with the document.
    for (xmlNodePtr node : m_removed) {
        if (node->type == XML_ATTRIBUTE_NODE) {
            xmlFreeProp(reinterpret_cast<xmlAttrPtr>(node));
        } else {
            xmlFreeNode(node);
        }
    }
    xmlFreeDoc(m_doc);
}

void DocumentHolder::keepRemoved(xmlNodePtr node)
{
    m_removed.push_back(node);
}

} // namespace Xml::Detail
