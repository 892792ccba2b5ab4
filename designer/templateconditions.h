#pragma once

#include "outside/dom/xmlelement.h"
#include "outside/types/kmbattribute.h"

#include <QByteArray>
#include <vector>

/// The conditional formatting of a template's objects, kept in the template
/// as one kmb:conditional-attributes child of the root, in the order the
/// host's list has them:
///
///     <kmb:conditional-attributes>
///       <kmb:attribute object="ID" name="fo:color" value="red" test="amount &lt; 0"/>
///       <kmb:attribute object="ID" name="fo:font-weight" xpath="XPATH" test="XPATH"/>
///     </kmb:conditional-attributes>
///
/// "object" is the "id" of the element the attribute belongs to; "value" is
/// the fixed value and "xpath" the dynamic one, only one of them written.
namespace TemplateConditions {

/// The entries of the first kmb:conditional-attributes child of `root`;
/// an entry without object or name is skipped.
std::vector<KMBAttribute> read(const Xml::Element& root);

/// The element holding `conditions`, written with `prefix` for the designer's
/// namespace, for a line indented by `indent` (its entries one step further).
QByteArray markup(const std::vector<KMBAttribute>& conditions, const QByteArray& prefix,
                  const QByteArray& indent, bool asciiOnly);

/// Whether `element` is the list itself.
bool isList(const Xml::Element& element);

} // namespace TemplateConditions
