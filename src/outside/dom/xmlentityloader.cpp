#include "outside/dom/xmlentityloader.h"

#include <cstring>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/uri.h>

namespace Xml {

namespace {

xmlExternalEntityLoader previousLoader = nullptr;

bool startsWithNoCase(const char* text, const char* prefix)
{
    return xmlStrncasecmp(reinterpret_cast<const xmlChar*>(text),
                          reinterpret_cast<const xmlChar*>(prefix), int(std::strlen(prefix))) == 0;
}

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

// "//server/share" and "\\server\share" name files on other machines.
bool isNetworkPath(const char* path)
{
    return isSeparator(path[0]) && isSeparator(path[1]);
}

// A URI scheme: a letter, then letters, digits, "+", "-" or ".", then ":".
// One letter before the colon is a drive ("C:\..."), not a scheme.
bool hasScheme(const char* url)
{
    const char* p = url;
    if (!((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z'))) {
        return false;
    }
    ++p;
    while ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || (*p >= '0' && *p <= '9') ||
           *p == '+' || *p == '-' || *p == '.') {
        ++p;
    }
    return *p == ':' && p - url > 1;
}

// The path part of a file: URL as libxml2's file input will read it.
const char* filePathOf(const char* url)
{
    if (startsWithNoCase(url, "file://localhost/")) {
        return url + 16;
    }
    if (startsWithNoCase(url, "file:///")) {
        return url + 7;
    }
    if (startsWithNoCase(url, "file://")) {
        return nullptr; // another host
    }
    return url + 5; // "file:/path" or "file:path"
}

xmlParserInputPtr safeLoader(const char* url, const char* id, xmlParserCtxtPtr context)
{
    if (!url || !isLocalEntityUrl(url)) {
        return nullptr;
    }
    if (!context) {
        return previousLoader ? previousLoader(url, id, context) : nullptr;
    }
    // Straight to the file: no catalogue lookup that could turn it into a URL.
    return xmlNewInputFromFile(context, url);
}

} // namespace

bool isLocalEntityUrl(const char* url)
{
    if (!url || !*url) {
        return false;
    }
    const char* path = url;
    if (startsWithNoCase(url, "file:")) {
        path = filePathOf(url);
        if (!path) {
            return false;
        }
    } else if (hasScheme(url)) {
        return false;
    }
    if (isNetworkPath(path)) {
        return false;
    }
    // libxml2 unescapes file names it cannot open as given: look at that form too.
    char* unescaped = xmlURIUnescapeString(path, 0, nullptr);
    const bool network = unescaped && isNetworkPath(unescaped);
    xmlFree(unescaped);
    return !network;
}

void installSafeEntityLoader()
{
    static const bool installed = [] {
        xmlInitParser();
        previousLoader = xmlGetExternalEntityLoader();
        xmlSetExternalEntityLoader(&safeLoader);
        return true;
    }();
    (void)installed;
}

} // namespace Xml
