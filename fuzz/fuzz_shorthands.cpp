// Shorthand values from any text: expanding leaves no shorthand behind and
// only longhands of the families handled; collapsing and expanding again never
// fail; default values are removed without touching other names.
#include "css/shorthandhelper.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <QString>

namespace {

void check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

const std::array<const char*, 10> Shorthands{
    "fo:border",       "fo:border-left",  "fo:border-right", "fo:border-top", "fo:border-bottom",
    "fo:border-color", "fo:border-style", "fo:border-width", "fo:padding",    "fo:margin"};

bool isLonghand(const QString& name)
{
    static const QStringList sides{"left", "right", "top", "bottom"};
    for (const QString& side : sides) {
        for (const char* kind : {"color", "style", "width"}) {
            if (name == QStringLiteral("fo:border-%1-%2").arg(side, QLatin1String(kind))) {
                return true;
            }
        }
        if (name == QStringLiteral("fo:padding-") + side ||
            name == QStringLiteral("fo:margin-") + side) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    // The first byte picks which shorthands get the text as their value.
    const unsigned pick = data[0] | 1u;
    const QString value =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    PropertyCollection properties;
    properties.addProperty(EditableProperty("fo:color", "red"), true);
    for (std::size_t i = 0; i < Shorthands.size(); ++i) {
        if (pick & (1u << (i % 8))) {
            properties.addProperty(EditableProperty(Shorthands[i], value), true);
        }
    }
    ShorthandHelper::expandShorthands(properties);
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        const QString& name = property->getName();
        check(name == QLatin1String("fo:color") || isLonghand(name));
        check(!property->getValue().isEmpty());
    }

    PropertyCollection collapsed = properties;
    ShorthandHelper::collapseShorthands(collapsed);
    check(collapsed.getPropertyValue("fo:color") == Core::String("red"));
    check(collapsed.count() <= properties.count());
    ShorthandHelper::expandShorthands(collapsed);

    PropertyCollection plain;
    plain.addProperty(EditableProperty("padding", value), true);
    plain.addProperty(EditableProperty("margin-left", value), true);
    plain.addProperty(EditableProperty("fo:margin", value), true);
    ShorthandHelper::removeDefaultValues(plain);
    check(plain.containsProperty("fo:margin"));
    return 0;
}
