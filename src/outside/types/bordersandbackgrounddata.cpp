#include "outside/types/bordersandbackgrounddata.h"

#include <array>

namespace {

constexpr std::array<const char16_t*, 10> StyleNames{u"none",   u"inset",  u"groove", u"outset",
                                                     u"ridge",  u"dotted", u"dashed", u"solid",
                                                     u"double", u"hidden"};

} // namespace

BordersAndBackgroundData::BordersAndBackgroundData()
{
    resetValues();
}

void BordersAndBackgroundData::resetValues()
{
    m_styles.fill(0);
    m_widths.fill(Xml::BorderWidth());
    m_colors.fill(Core::String());
    m_shadowDx = Xml::Length();
    m_shadowDy = Xml::Length();
    m_shadowColor = Core::String();
    m_backgroundColor = Core::String();
    m_backgroundImage = Core::String();
    m_gradient = Core::String();
    m_repeatMode = Repeat;
    m_positionHorizontal = Xml::LengthOrPercent();
    m_positionVertical = Xml::LengthOrPercent();
    m_paddings.fill(Xml::LengthOrPercent());
}

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

Core::String BordersAndBackgroundData::sideName(Side side)
{
    switch (side) {
    case Left:
        return "left";
    case Top:
        return "top";
    case Right:
        return "right";
    case Bottom:
        break;
    }
    return "bottom";
}

Core::String BordersAndBackgroundData::repeatModeName(RepeatMode mode)
{
    switch (mode) {
    case RepeatX:
        return "repeat-x";
    case RepeatY:
        return "repeat-y";
    case NoRepeat:
        return "no-repeat";
    case Repeat:
        break;
    }
    return "repeat";
}

BordersAndBackgroundData::RepeatMode BordersAndBackgroundData::repeatModeOf(const Core::String& text, bool* known)
{
    for (const RepeatMode mode : {RepeatX, RepeatY, NoRepeat, Repeat}) {
        if (text == repeatModeName(mode)) {
            if (known) {
                *known = true;
            }
            return mode;
        }
    }
    if (known) {
        *known = false;
    }
    return Repeat;
}
