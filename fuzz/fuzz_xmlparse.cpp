// The DOM parser on arbitrary bytes: every input either parses or raises
// Core::Exception; a parsed document can be searched, written and read back.
#include "outside/core/coreexception.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmldomparser.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Xml::DomParser parser;
    try {
        parser.parseMemory(bytes);
    } catch (const Core::Exception&) {
        return 0;
    }
    SmartPtr<Xml::XmlDocument> document = parser.getDocument();
    Xml::Element root = document->getRootNode();
    for (const Xml::Node& node : root.find("//*")) {
        node.get_name();
        for (const Xml::Node& child : node.get_children()) {
            child.get_content();
        }
    }
    const QByteArray written = document->writeToBytes(false);
    try {
        Xml::DomParser reader;
        reader.parseMemory(written);
    } catch (const Core::Exception& e) {
        // Our own output must always read back.
        std::fprintf(stderr, "written document does not parse: %s\n%s\n", e.what(),
                     written.constData());
        std::abort();
    }
    // A removed child stays usable through its handle.
    const auto children = root.get_children();
    if (!children.empty()) {
        root.remove_child(children.front());
        children.front().get_name();
        children.front().get_content();
        document->writeToBytes(true);
    }
    return 0;
}
