#pragma once

#include "outside/core/corestring.h"
#include "outside/types/propertycollection.h"
#include "uieditor_export.h"

/// The font settings of one formatting object as the font dialog edits them,
/// each with a flag saying whether the user changed it. Only changed settings
/// are written back, and none is ever removed, so that opening the dialog on
/// an object and changing its colour hands back the colour and nothing else.
class UIEDITOR_EXPORT FontProperties
{
public:
    /// Bits of the style value, as the style list carries them.
    static constexpr int Italic = 0x1;
    static constexpr int Bold = 0x10000;

    enum Underline { NoUnderline = 0, Solid, Double, Dotted, Dashed };

    /// Takes every setting from `properties`; flags are left as they are.
    void read(const PropertyCollection& properties);
    /// Sets the changed settings in `properties`. A setting switched off is
    /// written as "normal" or "none" only where the collection already holds
    /// the property, since absent and off mean the same.
    void write(PropertyCollection& properties) const;
    void clearChanged();

    /// The leading integer of `text` ("10.5pt" gives 10); 0 when there is none.
    static int leadingInteger(const Core::String& text);

    Core::String family;
    bool familyChanged = false;
    int size = 12;
    bool sizeChanged = false;
    Core::String color;
    bool colorChanged = false;
    int style = 0;
    bool italicChanged = false;
    bool boldChanged = false;
    int underline = NoUnderline;
    bool underlineChanged = false;
    int lineThrough = 0;
    int doubleLineThrough = 0;
    bool lineThroughChanged = false;
    int overline = 0;
    int doubleOverline = 0;
    bool overlineChanged = false;
    int smallCaps = 0;
    int capitalize = 0;
    int lowercase = 0;
    int uppercase = 0;
    bool caseChanged = false;
};
