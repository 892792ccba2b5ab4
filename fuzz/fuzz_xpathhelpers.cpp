// XPath helpers on arbitrary text: the first line is the context, the rest the
// path. Every input must be accepted, and the documented laws must hold:
// normal form is a fixed point, and composing a relative path with its context
// gives back the absolute path it came from.
#include "outside/types/xpathhelpers.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <QString>

namespace {

void require(bool condition, const char* law, const QString& context, const QString& path)
{
    if (!condition) {
        std::fprintf(stderr, "%s\ncontext: %s\npath: %s\n", law, qPrintable(context),
                     qPrintable(path));
        std::abort();
    }
}

bool hasTopLevelBar(const QString& text)
{
    // A union is composed side by side, so it is no single absolute path; a bar
    // anywhere keeps the check simple at the cost of a few skipped inputs.
    return text.contains(u'|');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype newline = text.indexOf(u'\n');
    const QString context = newline >= 0 ? text.left(newline) : QStringLiteral("/");
    const QString path = newline >= 0 ? text.mid(newline + 1) : text;

    const QString relative = XPathHelpers::getRelativeXPath(context, path).toQString();
    const QString composed = XPathHelpers::composeXPath(context, path).toQString();
    XPathHelpers::composeXPath(context, relative);
    XPathHelpers::getRelativeXPath(path, context);

    const QString normal = XPathHelpers::normalizeXPath(path).toQString();
    require(XPathHelpers::normalizeXPath(normal).toQString() == normal,
            "normal form is not a fixed point", context, path);

    if (path.trimmed().startsWith(u'/') && !hasTopLevelBar(path)) {
        require(composed == normal, "an absolute path does not compose to its normal form", context,
                path);
        const QString back =
            XPathHelpers::composeXPath(context, XPathHelpers::getRelativeXPath(context, normal))
                .toQString();
        require(back == normal, "relative path does not compose back", context, path);
    }
    return 0;
}
