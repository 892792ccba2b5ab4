#include "xml/widgets/xmlrepeatedelements_p.h"

#include "outside/core/namespaces.h"
#include "outside/dom/xmlelement.h"
#include "xml/widgets/xmltreerules_p.h"

#include <cstring>
#include <QHash>

std::vector<bool> XmlRepeatedElements::flags(const std::vector<Xml::Node>& children,
                                             std::vector<QString>& names)
{
    names.assign(children.size(), QString());
    QHash<QString, int> counts;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].is_element()) {
            names[i] = XmlTreeRules::qualifiedName(children[i].cobj());
            ++counts[names[i]];
        }
    }
    std::vector<bool> repeated(children.size(), false);
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].is_element()) {
            repeated[i] = counts.value(names[i]) > 1 || isSequence(children[i].cobj());
        }
    }
    return repeated;
}

bool XmlRepeatedElements::isRepeated(const Xml::Node& node)
{
    if (node.isNull() || !node.is_element()) {
        return false;
    }
    const Xml::Element parent = node.get_parent();
    if (parent.isNull()) {
        return false;
    }
    const Core::String prefix = node.get_namespace_prefix();
    const Core::String local = node.get_local_name();
    for (const Xml::Element& sibling : parent.get_child_elements()) {
        if (sibling != node && sibling.get_local_name() == local &&
            sibling.get_namespace_prefix() == prefix) {
            return true;
        }
    }
    return isSequence(node.cobj());
}

bool XmlRepeatedElements::isSequence(const xmlNode* element)
{
    xmlChar* type = xmlGetNsProp(element, reinterpret_cast<const xmlChar*>("node-type"),
                                 reinterpret_cast<const xmlChar*>(Xml::Namespaces::DT));
    const bool sequence =
        type && std::strcmp(reinterpret_cast<const char*>(type), "element-sequence") == 0;
    xmlFree(type);
    return sequence;
}
