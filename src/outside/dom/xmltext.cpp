#include "outside/dom/xmltext_p.h"

#include "outside/core/coreexception.h"

#include <libxml/tree.h>

namespace Xml::Detail {

Core::String takeXml(xmlChar* text)
{
    Core::String result = fromXml(text);
    xmlFree(text);
    return result;
}

QByteArray toXmlText(const Core::String& text)
{
    QString clean;
    const QString& source = text.toQString();
    clean.reserve(source.size());
    for (const QChar c : source) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r';
        if (!control && u != 0xFFFE && u != 0xFFFF) {
            clean += c;
        }
    }
    // Lone surrogates become U+FFFD on the way to UTF-8.
    return clean.toUtf8();
}

std::pair<QByteArray, QByteArray> splitQualifiedName(const Core::String& name)
{
    const QByteArray utf8 = name.toUtf8();
    const qsizetype colon = utf8.indexOf(':');
    if (colon < 0) {
        return {QByteArray(), utf8};
    }
    return {utf8.left(colon), utf8.mid(colon + 1)};
}

void checkLocalName(const QByteArray& name)
{
    if (xmlValidateNCName(xmlChars(name), 0) != 0) {
        throw Core::Exception(Core::String(
            QStringLiteral("\"%1\" is not a valid XML name.").arg(QString::fromUtf8(name))));
    }
}

} // namespace Xml::Detail
