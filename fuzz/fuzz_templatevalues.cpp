// The kmb:values reader on any document: no crash, and what it read is
// written out, read back and written out again the same.
#include "fuzztext.h"
#include "outside/core/coreexception.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmldomparser.h"
#include "templatevalues.h"

namespace {

TemplateValues parsed(const QByteArray& bytes, bool& ok)
{
    Xml::DomParser parser;
    try {
        parser.parseMemory(bytes);
    } catch (const Core::Exception&) {
        ok = false;
        return {};
    }
    ok = true;
    return TemplateValues::read(parser.getDocument()->getRootNode());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    bool ok = false;
    const TemplateValues values = parsed(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), ok);
    if (!ok) {
        return 0;
    }
    const QByteArray written = values.markup("kmb", "  ", size % 2 == 0);
    const TemplateValues again =
        parsed("<r xmlns:kmb=\"http://www.varnel.com/kmb/1.0\">" + written + "</r>", ok);
    FuzzText::check(ok && again.markup("kmb", "  ", size % 2 == 0) == written);
    return 0;
}
