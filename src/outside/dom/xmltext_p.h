#pragma once

#include "outside/core/corestring.h"

#include <libxml/xmlstring.h>
#include <QByteArray>
#include <utility>

// Conversions between Core::String and libxml2's UTF-8 strings.
namespace Xml::Detail {

inline Core::String fromXml(const xmlChar* text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QString();
}

/// For strings libxml2 hands over for us to free.
Core::String takeXml(xmlChar* text);

inline const xmlChar* xmlChars(const QByteArray& utf8)
{
    return reinterpret_cast<const xmlChar*>(utf8.constData());
}

/// UTF-8 of text going into the tree, without the characters XML 1.0 cannot
/// carry (controls other than tab, line feed and carriage return; U+FFFE,
/// U+FFFF): written out they would make a file no parser reads back.
QByteArray toXmlText(const Core::String& text);

/// Splits "prefix:local" at the first colon; no colon gives an empty prefix.
std::pair<QByteArray, QByteArray> splitQualifiedName(const Core::String& name);

/// Raises Core::Exception unless `name` is a valid name without a colon.
void checkLocalName(const QByteArray& name);

} // namespace Xml::Detail
