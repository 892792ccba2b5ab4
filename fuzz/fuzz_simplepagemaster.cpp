// The page layout reader on any document: no crash, and a layout it read,
// written out and read back, is the same layout.
#include "fuzztext.h"
#include "outside/core/coreexception.h"
#include "outside/types/simplepagemasterxml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    PageLayoutData layout;
    try {
        layout = SimplePageMasterXml::readText(text);
    } catch (const Core::Exception&) {
        return 0;
    }
    const Core::String written =
        SimplePageMasterXml::write(layout, "  ", size % 2 == 0 ? "\n" : "\r\n");
    PageLayoutData again;
    try {
        again = SimplePageMasterXml::readText(
            "<r xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
            "xmlns:kmb=\"http://www.varnel.com/kmb/1.0\""
            " xmlns:km=\"http://www.varnel.com/km/1.0\" xmlns:svg=\"http://www.w3.org/2000/svg\""
            " xmlns:zc=\"http://www.varnel.com/2008/zc\">" +
            written + "</r>");
    } catch (const Core::Exception&) {
        FuzzText::check(false);
    }
    FuzzText::check(again == layout);
    return 0;
}
