#include "outside/types/pagesequencemasterxml.h"

#include "outside/core/namespaces.h"
#include "outside/dom/xmlattribute.h"
#include "outside/dom/xmlelement.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr const char* ConditionNames[] = {"page-position", "odd-or-even", "blank-or-not-blank"};

// Plain names for XSL-FO properties, "kmb:" for the designer's, as written otherwise.
Core::String nameOf(const Xml::Attribute& attribute)
{
    const Core::String uri = attribute.get_namespace_uri();
    if (uri.isEmpty() || uri == Xml::Namespaces::FO) {
        return attribute.get_local_name();
    }
    if (uri == Xml::Namespaces::KMB) {
        return "kmb:" + attribute.get_local_name();
    }
    return attribute.get_name();
}

ReferenceInfo::Attributes attributesOf(const Xml::Element& element, std::initializer_list<const char*> except)
{
    ReferenceInfo::Attributes attributes;
    for (const Xml::Attribute& attribute : element.get_attributes()) {
        const Core::String name = nameOf(attribute);
        if (std::none_of(except.begin(), except.end(), [&](const char* skipped) { return name == skipped; })) {
            attributes.emplace_back(name, attribute.get_value());
        }
    }
    return attributes;
}

ReferenceInfo conditionalReference(const Xml::Element& element)
{
    ReferenceInfo reference(ReferenceInfo::Conditional, element.get_attribute_value("master-reference"));
    ReferenceInfo::Attributes others;
    for (const Xml::Attribute& attribute : element.get_attributes()) {
        const Core::String name = nameOf(attribute);
        if (name == "master-reference") {
            continue;
        }
        const bool condition = std::any_of(std::begin(ConditionNames), std::end(ConditionNames),
                                           [&](const char* known) { return name == known; });
        // The first condition is the one the record holds; a page set made
        // by hand may add more, which stay as they were.
        if (condition && reference.getCondition().isEmpty()) {
            reference.setCondition(name);
            reference.setConditionValue(attribute.get_value());
        } else {
            others.emplace_back(name, attribute.get_value());
        }
    }
    reference.setOtherAttributes(others);
    return reference;
}

QString escaped(const Core::String& value)
{
    QString text = value.toQString().toHtmlEscaped();
    // Line breaks and tabs in attributes would come back as blanks.
    text.replace(QLatin1Char('\n'), QLatin1String("&#10;"));
    text.replace(QLatin1Char('\r'), QLatin1String("&#13;"));
    text.replace(QLatin1Char('\t'), QLatin1String("&#9;"));
    return text;
}

QString attributeText(const Core::String& name, const Core::String& value)
{
    return QLatin1Char(' ') + name.toQString() + QLatin1String("=\"") + escaped(value) + QLatin1Char('"');
}

QString attributesText(const ReferenceInfo::Attributes& attributes)
{
    QString text;
    for (const auto& [name, value] : attributes) {
        text += attributeText(name, value);
    }
    return text;
}

QString referenceElement(const ReferenceInfo& reference)
{
    QString text;
    switch (reference.getType()) {
    case ReferenceInfo::OneTimeOnly:
        text = QStringLiteral("<fo:single-page-master-reference");
        break;
    case ReferenceInfo::Conditional:
        text = QStringLiteral("<fo:conditional-page-master-reference");
        break;
    default:
        text = QStringLiteral("<fo:repeatable-page-master-reference");
        break;
    }
    text += attributeText("master-reference", reference.getMasterName());
    if (reference.getType() == ReferenceInfo::MultipleTimes) {
        const Core::String maximum = reference.getMaximumRepeat();
        text += attributeText("maximum-repeats", maximum.isEmpty() ? Core::String(ReferenceInfo::NoLimit) : maximum);
    }
    if (reference.getType() == ReferenceInfo::Conditional && !reference.getCondition().isEmpty()) {
        text += attributeText(reference.getCondition(), reference.getConditionValue());
    }
    return text + attributesText(reference.getOtherAttributes()) + QLatin1String("/>");
}

} // namespace

PageMasterData PageSequenceMasterXml::read(const Xml::Element& pageSequenceMaster)
{
    PageMasterData data;
    data.setMasterName(pageSequenceMaster.get_attribute_value("master-name"));
    for (const auto& [name, value] : attributesOf(pageSequenceMaster, {"master-name"})) {
        data.setAttribute(name, value);
    }
    std::vector<ReferenceInfo>& references = data.references();
    for (const Xml::Element& child : pageSequenceMaster.get_child_elements()) {
        if (child.isNamed(Xml::Namespaces::FO, "single-page-master-reference")) {
            ReferenceInfo reference(ReferenceInfo::OneTimeOnly, child.get_attribute_value("master-reference"));
            reference.setOtherAttributes(attributesOf(child, {"master-reference"}));
            references.push_back(reference);
        } else if (child.isNamed(Xml::Namespaces::FO, "repeatable-page-master-reference")) {
            const Xml::Attribute maximum = child.get_attribute("maximum-repeats");
            ReferenceInfo reference(maximum.isNull() ? ReferenceInfo::AllPages : ReferenceInfo::MultipleTimes,
                                    child.get_attribute_value("master-reference"));
            // An empty maximum is no limit, as the page set writes it.
            const Core::String value = maximum.isNull() ? Core::String() : maximum.get_value();
            reference.setMaximumRepeat(!maximum.isNull() && value.isEmpty() ? Core::String(ReferenceInfo::NoLimit)
                                                                            : value);
            reference.setOtherAttributes(attributesOf(child, {"master-reference", "maximum-repeats"}));
            references.push_back(reference);
        } else if (child.isNamed(Xml::Namespaces::FO, "repeatable-page-master-alternatives")) {
            const ReferenceInfo::Attributes group = attributesOf(child, {});
            for (const Xml::Element& alternative : child.get_child_elements()) {
                if (alternative.isNamed(Xml::Namespaces::FO, "conditional-page-master-reference")) {
                    ReferenceInfo reference = conditionalReference(alternative);
                    reference.setGroupAttributes(group);
                    references.push_back(reference);
                }
            }
        }
    }
    return data;
}

Core::String PageSequenceMasterXml::write(const PageMasterData& data, const Core::String& indent,
                                          const Core::String& lineEnd)
{
    const QString end = lineEnd.toQString();
    const QString inner = indent.toQString() + QLatin1String("  ");
    QString text = QLatin1String("<fo:page-sequence-master") + attributeText("master-name", data.getMasterName()) +
                   attributesText(data.getAttributes()) + QLatin1Char('>') + end;
    const std::vector<ReferenceInfo>& references = data.getReferences();
    for (size_t i = 0; i < references.size(); ++i) {
        const ReferenceInfo& reference = references[i];
        if (reference.getType() != ReferenceInfo::Conditional) {
            text += inner + referenceElement(reference) + end;
            continue;
        }
        // The conditional references that follow with the same alternatives
        // attributes form one set of alternatives.
        text += inner + QLatin1String("<fo:repeatable-page-master-alternatives") +
                attributesText(reference.getGroupAttributes()) + QLatin1Char('>') + end;
        for (; i < references.size() && references[i].getType() == ReferenceInfo::Conditional &&
               references[i].getGroupAttributes() == reference.getGroupAttributes();
             ++i) {
            text += inner + QLatin1String("  ") + referenceElement(references[i]) + end;
        }
        --i;
        text += inner + QLatin1String("</fo:repeatable-page-master-alternatives>") + end;
    }
    return text + indent.toQString() + QLatin1String("</fo:page-sequence-master>");
}
