#pragma once

#include "outside/core/corestring.h"
#include "outside/types/propertycollection.h"
#include "uieditor_export.h"

#include <vector>

/// Converts between the CSS shorthands of the border family, padding and
/// margin and their longhands inside a PropertyCollection whose names carry
/// the "fo:" prefix. Property dialogs expand the collection they receive, so
/// that each control edits one longhand, and collapse it before handing it
/// back. Nothing here reports an error: tokens that fit no kind are dropped,
/// and incomplete sets of longhands stay as they are.
class UIEDITOR_EXPORT ShorthandHelper
{
public:
    /// The side names used in the longhand names ("fo:padding-left").
    static const Core::String Left;
    static const Core::String Right;
    static const Core::String Top;
    static const Core::String Bottom;

    /// Replaces every "fo:border", "fo:border-left|right|top|bottom",
    /// "fo:border-color|style|width", "fo:padding" and "fo:margin" by its
    /// longhands; a shorthand whose value gives nothing is removed.
    static void expandShorthands(PropertyCollection& properties);
    /// Replaces complete sets of longhands by shorthands: the border family
    /// first (into "fo:border" when every side has the same single width, style
    /// and colour, else into per-family or per-side shorthands), then padding
    /// and margin.
    static void collapseShorthands(PropertyCollection& properties);
    /// Removes "padding", "margin" and their side properties (unprefixed names)
    /// whose value is empty or a zero length or percentage.
    static void removeDefaultValues(PropertyCollection& properties);

private:
    ShorthandHelper() = delete;

    static void expandShorthand(const Core::String& name, const Core::String& value,
                                PropertyCollection& properties);
    static PropertyCollection expandBorder(const Core::String& value);
    static PropertyCollection expandBorder(const Core::String& side, const Core::String& value);
    static PropertyCollection expandBorderLeft(const Core::String& value);
    static PropertyCollection expandBorderRight(const Core::String& value);
    static PropertyCollection expandBorderTop(const Core::String& value);
    static PropertyCollection expandBorderBottom(const Core::String& value);
    static PropertyCollection expandBorderColor(const Core::String& value);
    static PropertyCollection expandBorderStyle(const Core::String& value);
    static PropertyCollection expandBorderWidth(const Core::String& value);
    static PropertyCollection expandPadding(const Core::String& value);
    static PropertyCollection expandMargin(const Core::String& value);
    static PropertyCollection createSideProperties(const Core::String& pattern,
                                                   const std::vector<Core::String>& values);

    static bool getMixedAttributes(const Core::String& value, Core::String& style,
                                   Core::String& width, Core::String& color);
    static bool getLengthAttributes(const Core::String& value, std::vector<Core::String>& values);
    static bool getStyleAttributes(const Core::String& value, std::vector<Core::String>& values);
    static bool getColorAttributes(const Core::String& value, std::vector<Core::String>& values);

    static Core::String extract_word_or_function(const Core::String& text, int& position);
    static bool skip_ws(const Core::String& text, int& position);
    static bool skip_nws(const Core::String& text, int& position);

    static void collapseSideProperties(const Core::String& pattern, const Core::String& shorthand,
                                       PropertyCollection& properties);
    static void collapseMixedProperties(const Core::String& stylePattern,
                                        const Core::String& widthPattern,
                                        const Core::String& colorPattern,
                                        const Core::String& targetPattern, const Core::String& side,
                                        PropertyCollection& properties);
    static void collapseBorder(PropertyCollection& properties);

    static void removePropetyIfZero(PropertyCollection& properties, const Core::String& name);
    static void removePropetyIfEmpty(PropertyCollection& properties, const Core::String& name);
};
