#include "gallerysamples.h"

namespace GallerySamples {

SmartPtr<TemplateDocument> invoice()
{
    return TemplateDocument::load(":/designer/samples/invoice-template.fo");
}

SmartPtr<TemplateDocument> invoiceSelecting(const char* xpath)
{
    SmartPtr<TemplateDocument> document = invoice();
    const auto found = document->root().find(xpath);
    if (!found.empty()) {
        document->select(Xml::Element(found.front()));
    }
    return document;
}

} // namespace GallerySamples
