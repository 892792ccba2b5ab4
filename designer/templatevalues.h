#pragma once

#include "outside/dom/xmlelement.h"
#include "outside/types/propertyvalueex.h"

#include <QByteArray>
#include <map>
#include <utility>

/// The dynamic and conditional values of a template's objects. The markup of
/// an object carries only a value's static text; the rest is kept in the
/// template as one kmb:values element, the last child of the root:
///
///     <kmb:values>
///       <kmb:value object="ID" name="ATTRIBUTE" type="dynamic" xpath="XPATH"/>
///       <kmb:value object="ID" name="ATTRIBUTE" type="conditional">
///         <kmb:case test="XPATH" value="TEXT"/>
///         <kmb:case test="XPATH" type="dynamic" xpath="XPATH"/>
///       </kmb:value>
///     </kmb:values>
///
/// "object" is the "id" of the element the value belongs to.
class TemplateValues
{
public:
    using Key = std::pair<QString, QString>; ///< object id, attribute name

    /// The values written in the first kmb:values child of `root`; what is
    /// not understood is skipped. Static values come from the attributes of
    /// the objects, found by id below `root`.
    static TemplateValues read(const Xml::Element& root);

    /// Keeps `value` when it is dynamic or conditional, forgets it otherwise.
    void set(const PropertyValueEx& value);
    /// The value kept for attribute `name` of object `objectId`, if any.
    const PropertyValueEx* find(const QString& objectId, const QString& name) const;
    /// Whether any value belongs to object `objectId`.
    bool hasObject(const QString& objectId) const;
    bool isEmpty() const { return m_values.empty(); }
    bool operator==(const TemplateValues&) const = default;

    /// The kmb:values element, written with `prefix` for the designer's
    /// namespace, for a line indented by `indent` (its children one step further).
    QByteArray markup(const QByteArray& prefix, const QByteArray& indent, bool asciiOnly) const;

private:
    std::map<Key, PropertyValueEx> m_values;
};
