#include "css/csshelper.h"

#include "css/stylesheetfile.h"
#include "outside/core/coreformat.h"
#include "outside/cssvalues/xmlcssparser.h"

#include <algorithm>
#include <optional>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Whether one selector of a rule is the wanted element and class: ".C" when
// the element is empty, "E.C" otherwise. Bare elements and complex selectors
// never are.
bool selectorMatches(const Core::String& selector, const Core::String& element,
                     const Core::String& className)
{
    // The class is part of every selector that can match: most selectors of a
    // large stylesheet fail here without being taken apart.
    if (!className.isEmpty() && !selector.contains(className)) {
        return false;
    }
    Core::String selectorElement;
    Core::String selectorClass;
    switch (CssHelper::parseSelector(selector, selectorElement, selectorClass)) {
    case Xml::ClassSelector:
        return element.isEmpty() && selectorClass.compare(className) == 0;
    case Xml::ElementClassSelector:
        return selectorElement.compare(element) == 0 && selectorClass.compare(className) == 0;
    case Xml::ElementSelector:
    case Xml::ComplexSelector:
        break;
    }
    return false;
}

bool ruleMatches(const Xml::CssStyle& rule, const Core::String& element,
                 const Core::String& className)
{
    for (const Core::String& selector : rule.getSelectors()) {
        if (selectorMatches(selector, element, className)) {
            return true;
        }
    }
    return false;
}

std::vector<Xml::CssStyle> readRules(const Core::String& text)
{
    Xml::CssParser parser;
    parser.loadCss(text);
    return parser.getCssStyleSheet(Xml::CssParser::AllMedia);
}

bool givesPriority(const Core::String& value)
{
    static const QRegularExpression important(QStringLiteral("!\\s*important\\s*$"),
                                              QRegularExpression::CaseInsensitiveOption);
    return important.match(value.toQString()).hasMatch();
}

// getStyleProperties hands out values without their priority; a rule rewritten
// from them keeps "!important" where the replaced rule had it.
PropertyCollection keepPriorities(const PropertyCollection& properties,
                                  const Xml::CssStyle& replaced)
{
    PropertyCollection kept;
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        // Named as written: without everything up to the first ":".
        QString name = property->getName().toQString();
        name = name.mid(name.indexOf(QLatin1Char(':')) + 1);
        const auto& declarations = replaced.getProperties();
        const bool important =
            std::any_of(declarations.begin(), declarations.end(), [&](const auto& declaration) {
                return declaration.isImportant() &&
                       declaration.getName().toQString().compare(name, Qt::CaseInsensitive) == 0;
            });
        const Core::String& value = property->getValue();
        kept.addProperty(EditableProperty(property->getName(),
                                          important && !value.isEmpty() && !givesPriority(value)
                                              ? value + " !important"
                                              : value),
                         false);
    }
    return kept;
}

} // namespace

CssHelper::CssHelper(Core::String path) : m_path(std::move(path)) {}

Xml::SelectorType CssHelper::parseSelector(const Core::String& selector, Core::String& element,
                                           Core::String& className)
{
    if (selector.startsWith(".")) {
        className = selector.subString(1);
        return Xml::ClassSelector;
    }
    if (selector.split(">:+").size() >= 2) {
        return Xml::ComplexSelector;
    }
    const std::vector<Core::String> parts = selector.split(".");
    element = parts.front();
    className = parts.size() == 2 ? parts[1] : Core::String();
    return parts.size() == 1 ? Xml::ElementSelector : Xml::ElementClassSelector;
}

Core::String CssHelper::composeItemName(Core::String element, Core::String className)
{
    element.trim();
    className.trim();
    if (className.isEmpty()) {
        return element;
    }
    return element + "." + className;
}

void CssHelper::getElementClassName(Core::String itemName, Core::String& element,
                                    Core::String& className)
{
    const int dot = itemName.find(QChar(u'.'));
    if (dot <= 0) {
        className = itemName;
        return;
    }
    element = itemName.subString(0, dot - 1);
    className = itemName.subString(dot + 1);
}

Core::String CssHelper::getPropertiesAsString(Core::String element, Core::String className,
                                              PropertyCollection properties)
{
    element.trim();
    className.trim();
    Core::String text = className.isEmpty()
                            ? Core::Format::format("{0}\n{{\n", element)
                            : Core::Format::format("{0}.{1}\n{{\n", element, className);
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        Core::String name = property->getName();
        const int colon = name.find(QChar(u':'));
        if (colon >= 0) {
            name = name.subString(colon + 1);
        }
        const Core::String& value = property->getValue();
        if (!name.isEmpty() && !value.isEmpty()) {
            text = Core::Format::format("{0}{1}:{2};\n", text, name, value);
        }
    }
    return Core::Format::format("{0}}}", text);
}

std::map<Core::String, CssHelper::PropertyMap>
CssHelper::combineProperties(const std::map<Core::String, PropertyMap>& classStyles,
                             const std::map<Core::String, Xml::ElementStyleInfo>& elementStyles)
{
    std::map<Core::String, PropertyMap> result;
    for (const auto& [className, properties] : classStyles) {
        result[composeItemName(Core::String(), className)] = properties;
    }
    for (const auto& [elementName, info] : elementStyles) {
        for (const auto& [className, properties] : info.getClassStyles()) {
            result[composeItemName(elementName, className)] = properties;
        }
        const Core::String trimmed = elementName.trimmed();
        if (!info.getProperties().empty() && !trimmed.isEmpty()) {
            result[trimmed] = info.getProperties();
        }
    }
    return result;
}

std::vector<Core::String>
CssHelper::getExistingNames(const std::map<Core::String, PropertyMap>& classStyles,
                            const std::map<Core::String, Xml::ElementStyleInfo>& elementStyles)
{
    std::vector<Core::String> names;
    for (const auto& entry : combineProperties(classStyles, elementStyles)) {
        names.push_back(entry.first);
    }
    return names;
}

PropertyCollection CssHelper::getStyleProperties(Core::String element, Core::String className) const
{
    PropertyCollection properties;
    const StylesheetFile file(m_path);
    for (const Xml::CssStyle& rule : readRules(file.text())) {
        if (!ruleMatches(rule, element, className)) {
            continue;
        }
        for (const Xml::CssProperty& declaration : rule.getProperties()) {
            properties.addProperty(
                EditableProperty(Core::Format::format("{0}:{1}", "fo", declaration.getName()),
                                 declaration.getValue()),
                true);
        }
    }
    return properties;
}

void CssHelper::addStylesToCss(Core::String element, Core::String className,
                               PropertyCollection properties) const
{
    const Core::String rule = getPropertiesAsString(element, className, properties);
    const QFileInfo target(m_path.toQString());
    if (!m_path.isEmpty() && !target.exists() && !target.isSymLink()) {
        // A host's first rule makes the stylesheet.
        StylesheetFile::create(m_path, "\n" + rule);
        return;
    }
    StylesheetFile file(m_path);
    file.append("\n" + rule);
}

void CssHelper::editStyle(Core::String element, Core::String className,
                          PropertyCollection properties) const
{
    StylesheetFile file(m_path);
    std::optional<Xml::CssStyle> edited;
    for (const Xml::CssStyle& rule : readRules(file.text())) {
        if (ruleMatches(rule, element, className)) {
            edited = rule;
        }
    }
    if (!edited) {
        return;
    }
    file.replace(edited->getStartPos(), edited->getEndPos(),
                 getPropertiesAsString(element, className, keepPriorities(properties, *edited)));
}
