#include "xml/widgets/repeatingtablemarkup_p.h"

#include "outside/core/namespaces.h"
#include "xml/widgets/xmlrepeatedelements_p.h"
#include "xml/widgets/xmltreectrl.h"
#include "xml/widgets/xmltreerules_p.h"

#include <QSet>

Core::String RepeatingTableMarkup::build(const Xml::Element& element, const Core::String& xpath)
{
    int columns = 0;
    Core::String header;
    Core::String body;
    if (!element.isNull()) {
        for (const Xml::Attribute& attribute : element.get_attributes()) {
            if (attribute.get_local_name() == "node-type" &&
                attribute.get_namespace_uri() == Xml::Namespaces::DT) {
                continue;
            }
            header += cell(XmlTreeCtrl::getDisplayName(attribute.get_local_name()));
            body += cell(field("@" + attribute.get_name()) + "\n");
            ++columns;
        }
        QSet<QString> repeatedDone;
        for (const Xml::Element& child : element.get_child_elements()) {
            const Core::String name = child.get_name();
            if (XmlRepeatedElements::isRepeated(child)) {
                if (repeatedDone.contains(name)) {
                    continue;
                }
                repeatedDone.insert(name);
                body += cell("&#x00A0;");
            } else {
                body += cell(field(name));
            }
            header += cell(XmlTreeCtrl::getDisplayName(child.get_local_name()));
            ++columns;
        }
        for (const Xml::Node& child : element.get_children()) {
            if (child.is_text() && !XmlTreeRules::isBlankText(child.cobj())) {
                header += cell("Text");
                body += cell(field("text()"));
                ++columns;
            }
        }
    }
    Core::String table = "<fo:table width=\"100%\" table-layout=\"fixed\">\n";
    for (int i = 0; i < columns; ++i) {
        table += "<fo:table-column/>\n";
    }
    table +=
        "<fo:table-header>\n<fo:table-row>\n" + header + "</fo:table-row>\n</fo:table-header>\n";
    table += "<fo:table-body>\n<kmb:table-row-repeat xpath=\"" + xpath + "\">\n" + body +
             "</kmb:table-row-repeat>\n</fo:table-body>\n";
    table += "</fo:table>";
    return table;
}

Core::String RepeatingTableMarkup::cell(const Core::String& content)
{
    return "<fo:table-cell border=\"1pt solid black\">\n<fo:block>" + content +
           "</fo:block>\n</fo:table-cell>\n";
}

Core::String RepeatingTableMarkup::field(const Core::String& xpath)
{
    return "<kmb:field xpath=\"" + xpath + "\"/>";
}
