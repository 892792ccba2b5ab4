#include "outside/types/pagemasterdata.h"

#include <algorithm>

Core::String PageMasterData::getAttribute(const Core::String& name) const
{
    for (const auto& [key, value] : m_attributes) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

void PageMasterData::setAttribute(const Core::String& name, const Core::String& value)
{
    const auto found =
        std::find_if(m_attributes.begin(), m_attributes.end(), [&](const auto& pair) { return pair.first == name; });
    if (value.isEmpty()) {
        if (found != m_attributes.end()) {
            m_attributes.erase(found);
        }
    } else if (found != m_attributes.end()) {
        found->second = value;
    } else {
        m_attributes.emplace_back(name, value);
    }
}

bool PageMasterData::isSimplePageMaster() const
{
    return m_references.size() == 1 && m_references.front().getType() == ReferenceInfo::AllPages;
}
