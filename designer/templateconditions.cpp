#include "templateconditions.h"

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

namespace TemplateConditions {

bool isList(const Xml::Element& element)
{
    return isKmb(element, "conditional-attributes");
}

std::vector<KMBAttribute> read(const Xml::Element& root)
{
    std::vector<KMBAttribute> conditions;
    if (root.isNull()) {
        return conditions;
    }
    for (const Xml::Element& list : root.get_child_elements()) {
        if (!isList(list)) {
            continue;
        }
        for (const Xml::Element& entry : list.get_child_elements()) {
            const Core::String object = entry.get_attribute_value("object");
            const Core::String name = entry.get_attribute_value("name");
            if (!isKmb(entry, "attribute") || object.isEmpty() || name.isEmpty()) {
                continue;
            }
            const Core::String value = entry.get_attribute_value("value");
            // Only one of the two counts, as the dialogs keep it.
            const Core::String xpath = value.isEmpty() ? entry.get_attribute_value("xpath") : Core::String();
            conditions.emplace_back(object, name, Core::String(), value, xpath, entry.get_attribute_value("test"));
        }
        break;
    }
    return conditions;
}

QByteArray markup(const std::vector<KMBAttribute>& conditions, const QByteArray& prefix, const QByteArray& indent,
                  bool asciiOnly)
{
    const QByteArray list = prefix + ":conditional-attributes";
    QByteArray out = '<' + list + ">\n";
    for (const KMBAttribute& entry : conditions) {
        out += indent + "  <" + prefix + ":attribute" + attribute("object", entry.getObjectId(), asciiOnly) +
               attribute("name", entry.getAttributeName(), asciiOnly);
        if (!entry.getValue().isEmpty() || entry.getDynamicValue().isEmpty()) {
            out += attribute("value", entry.getValue(), asciiOnly);
        } else {
            out += attribute("xpath", entry.getDynamicValue(), asciiOnly);
        }
        if (!entry.getCondition().isEmpty()) {
            out += attribute("test", entry.getCondition(), asciiOnly);
        }
        out += "/>\n";
    }
    return out + indent + "</" + list + '>';
}

} // namespace TemplateConditions
