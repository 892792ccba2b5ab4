#include "xml/model/elementdata.h"

#include <algorithm>

ElementData::ElementData(const Core::String& name, const Core::String& description,
                         std::vector<Core::String> properties, std::vector<Core::String> content,
                         const Core::String& autoFill)
    : m_name(name), m_description(description), m_properties(std::move(properties)),
      m_content(std::move(content)), m_autoFill(autoFill)
{
}

bool ElementData::hasProperty(const Core::String& qualifiedName) const
{
    return std::find(m_properties.begin(), m_properties.end(), qualifiedName) != m_properties.end();
}

bool ElementData::canContain(const Core::String& qualifiedName) const
{
    return std::find(m_content.begin(), m_content.end(), qualifiedName) != m_content.end();
}
