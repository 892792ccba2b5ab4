#include "css/designertemplates.h"

#include "outside/core/coreapplication.h"

#include <map>

std::vector<DesignerTemplate> GetDesignerTemplates()
{
    const DesignerTemplateConfiguration configuration(
        Core::Application::loadFileFromResources("DesktopDesignerTemplates.config", "Config"));
    return GetDesignerTemplates(configuration, Core::Application::getCurrentLanguage().getName());
}

std::vector<DesignerTemplate>
GetDesignerTemplates(const DesignerTemplateConfiguration& configuration,
                     const Core::String& languageName)
{
    static const Core::String templatePrefix("template.");
    const Core::String language = languageName.toLower();
    const bool english = languageName.compare("en") == 0;

    std::vector<Core::String> names;
    std::vector<Core::String> values;
    std::map<Core::String, Core::String> localised;
    for (const auto& [key, value] : configuration.getEntries()) {
        if (key.isEmpty() || value.isEmpty()) {
            continue;
        }
        if (key.startsWith(templatePrefix)) {
            names.push_back(key.subString(templatePrefix.length()));
            values.push_back(value);
        } else if (!english && !key.startsWith(":") && key.toLower().startsWith(language)) {
            localised[key.substringAfter(":")] = value;
        }
    }

    std::vector<DesignerTemplate> result;
    result.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto found = localised.find(names[i]);
        const bool translated = found != localised.end() && !found->second.isEmpty();
        result.emplace_back(translated ? found->second : names[i], values[i]);
    }
    return result;
}

SmartPtr<Core::IO::Stream> GetTemplateContent(Core::String name)
{
    return Core::Application::loadFileFromResources(name, "Templates");
}
