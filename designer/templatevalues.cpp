#include "templatevalues.h"

#include "outside/core/namespaces.h"
#include "starttagrewriter.h"

namespace {

bool isKmb(const Xml::Element& element, const char* local)
{
    return element.isNamed(Xml::Namespaces::KMB, local);
}

QByteArray attribute(const char* name, const Core::String& value, bool asciiOnly)
{
    return StartTagRewriter::attributeText(name, value.toQString(), asciiOnly);
}

} // namespace

TemplateValues TemplateValues::read(const Xml::Element& root)
{
    TemplateValues values;
    Xml::Element list;
    for (const Xml::Element& child : root.get_child_elements()) {
        if (isKmb(child, "values")) {
            list = child;
            break;
        }
    }
    if (list.isNull()) {
        return values;
    }
    std::map<QString, Xml::Element> owners;
    for (const Xml::Node& node : root.find(QStringLiteral("//*[@id]"))) {
        const Xml::Element element(node);
        owners.emplace(element.get_attribute_value("id").toQString(), element);
    }
    for (const Xml::Element& entry : list.get_child_elements()) {
        const Core::String object = entry.get_attribute_value("object");
        const Core::String name = entry.get_attribute_value("name");
        const Core::String type = entry.get_attribute_value("type");
        if (!isKmb(entry, "value") || object.isEmpty() || name.isEmpty() ||
            (type != "dynamic" && type != "conditional")) {
            continue;
        }
        PropertyValueEx value(name, object);
        value.setType(type == "dynamic" ? PropertyValueType::Dynamic : PropertyValueType::Conditional);
        value.setDynamicValue(entry.get_attribute_value("xpath"));
        for (const Xml::Element& item : entry.get_child_elements()) {
            if (isKmb(item, "case")) {
                value.addConditionalValue(ConditionalValue(item.get_attribute_value("value"),
                                                           item.get_attribute_value("xpath"),
                                                           item.get_attribute_value("test"),
                                                           item.get_attribute_value("type") == "dynamic"));
            }
        }
        if (const auto owner = owners.find(object.toQString()); owner != owners.end()) {
            value.setStaticValue(owner->second.get_attribute_value(name));
        }
        values.set(value);
    }
    return values;
}

void TemplateValues::set(const PropertyValueEx& value)
{
    const Key key(value.getObjectId().toQString(), value.getAttributeName().toQString());
    if (value.isStatic()) {
        m_values.erase(key);
    } else {
        m_values[key] = value;
    }
}

const PropertyValueEx* TemplateValues::find(const QString& objectId, const QString& name) const
{
    const auto found = m_values.find(Key(objectId, name));
    return found == m_values.end() ? nullptr : &found->second;
}

bool TemplateValues::hasObject(const QString& objectId) const
{
    const auto next = m_values.lower_bound(Key(objectId, QString()));
    return next != m_values.end() && next->first.first == objectId;
}

QByteArray TemplateValues::markup(const QByteArray& prefix, const QByteArray& indent, bool asciiOnly) const
{
    const QByteArray values = prefix + ":values";
    const QByteArray value = prefix + ":value";
    QByteArray out = '<' + values + ">\n";
    for (const auto& [key, entry] : m_values) {
        out += indent + "  <" + value + attribute("object", entry.getObjectId(), asciiOnly) +
               attribute("name", entry.getAttributeName(), asciiOnly) +
               (entry.isDynamic() ? " type=\"dynamic\"" : " type=\"conditional\"");
        if (!entry.getDynamicValue().isEmpty()) {
            out += attribute("xpath", entry.getDynamicValue(), asciiOnly);
        }
        if (entry.getConditionalValues().empty()) {
            out += "/>\n";
            continue;
        }
        out += ">\n";
        for (const ConditionalValue& item : entry.getConditionalValues()) {
            out += indent + "    <" + prefix + ":case" + attribute("test", item.getCondition(), asciiOnly) +
                   attribute("value", item.getStaticValue(), asciiOnly);
            if (item.isDynamic()) {
                out += " type=\"dynamic\"";
            }
            if (!item.getDynamicValue().isEmpty()) {
                out += attribute("xpath", item.getDynamicValue(), asciiOnly);
            }
            out += "/>\n";
        }
        out += indent + "  </" + value + ">\n";
    }
    return out + indent + "</" + values + '>';
}
