// The designer's markup scanner on any bytes: no crash, ranges inside the
// text and in order, and a start tag rewritten with awkward values and a
// removed attribute scans again to the same elements.
#include "fuzztext.h"
#include "markupscanner.h"
#include "starttagrewriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const MarkupScanner scanner(text);
    if (!scanner.isValid()) {
        return 0;
    }
    qsizetype previous = -1;
    for (const MarkupScanner::Element& element : scanner.elements()) {
        FuzzText::check(element.start > previous && element.start < element.startTagEnd);
        FuzzText::check(element.startTagEnd <= element.contentEnd && element.contentEnd < element.end + 1);
        FuzzText::check(element.end <= text.size());
        for (const MarkupScanner::Attribute& attribute : element.attributes) {
            FuzzText::check(attribute.start > element.start && attribute.valueEnd < element.startTagEnd);
        }
        previous = element.start;
    }
    const MarkupScanner::Element& first = scanner.elements().front();
    StartTagRewriter rewriter(text, first, size % 2 == 0);
    rewriter.set("added", QStringLiteral("a\"b'c<d>&e\nf\u00e9\U0001F600"));
    if (!first.attributes.empty()) {
        rewriter.set(first.attributes.front().name, std::nullopt);
    }
    if (first.attributes.size() > 1) {
        rewriter.set(first.attributes.back().name, QStringLiteral("'"));
    }
    QByteArray edited = text;
    edited.replace(first.start, first.startTagEnd - first.start, rewriter.result());
    const MarkupScanner again(edited);
    FuzzText::check(again.isValid() && again.elements().size() == scanner.elements().size());
    return 0;
}
