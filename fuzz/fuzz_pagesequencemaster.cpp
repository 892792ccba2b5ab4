// Page sequence masters from any markup: whatever the root element holds is
// read as a page set, and the page set written back reads as the same one.
#include "fuzztext.h"

#include "outside/core/coreexception.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmldomparser.h"
#include "outside/dom/xmlelement.h"
#include "outside/types/pagesequencemasterxml.h"

#include <cstddef>
#include <cstdint>

namespace {

const char* const Wrapper = R"(<w xmlns:fo="http://www.w3.org/1999/XSL/Format" xmlns:kmb="http://www.varnel.com/kmb/1.0">)";

Xml::Element parsedRoot(const QByteArray& bytes, SmartPtr<Xml::XmlDocument>& keep)
{
    Xml::DomParser parser;
    parser.parseMemory(bytes, "page set");
    keep = parser.getDocument();
    return keep->getRootNode();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    SmartPtr<Xml::XmlDocument> document;
    Xml::Element root;
    try {
        root = parsedRoot(bytes, document);
    } catch (const Core::Exception&) {
        return 0;
    }
    const PageMasterData pageSet = PageSequenceMasterXml::read(root);
    pageSet.isSimplePageMaster();
    for (const ReferenceInfo& reference : pageSet.getReferences()) {
        reference.getInfoString();
    }
    // What was read writes markup that reads back as the same page set,
    // unless the input held attribute names of prefixes the wrapper lacks.
    const QByteArray written = (Core::String(Wrapper) + PageSequenceMasterXml::write(pageSet) + "</w>").toQString().toUtf8();
    SmartPtr<Xml::XmlDocument> again;
    Xml::Element rereadRoot;
    try {
        rereadRoot = parsedRoot(written, again);
    } catch (const Core::Exception&) {
        return 0;
    }
    FuzzText::check(PageSequenceMasterXml::read(rereadRoot.get_first_child_element()) == pageSet);
    return 0;
}
