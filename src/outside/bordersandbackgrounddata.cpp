#include "outside/bordersandbackgrounddata.h"

#include <array>

namespace {

constexpr std::array<const char16_t*, 10> StyleNames{u"none",   u"inset",  u"groove", u"outset",
                                                     u"ridge",  u"dotted", u"dashed", u"solid",
                                                     u"double", u"hidden"};

} // namespace

int BordersAndBackgroundData::getStyleIdx(const Core::String& name)
{
    for (std::size_t i = 0; i < StyleNames.size(); ++i) {
        if (name.toQString() == QStringView(StyleNames[i])) {
            return int(i);
        }
    }
    return 0;
}

Core::String BordersAndBackgroundData::getStyleName(int index)
{
    if (index < 0 || index >= getStyleCount()) {
        return Core::String();
    }
    return Core::String(StyleNames[std::size_t(index)]);
}

int BordersAndBackgroundData::getStyleCount()
{
    return int(StyleNames.size());
}
