#pragma once

// Readers of single properties. Each takes a value as written and changes the
// style only when the value parses. The table in fostyletable.cpp names them;
// they live by topic: fonts and text, borders and padding, background, sizes
// and breaks.

#include "outside/render/fostyle_p.h"

#include <QStringView>

#include <algorithm>

namespace Fo {

/// One property being read into a style.
struct PropertyReading
{
    Style& style;
    const Style& parent;
    QStringView value;          ///< trimmed; never empty nor "inherit"
    size_t side = 0;            ///< for the properties of one side: Top, Right, Bottom or Left
    double em = 0.0;            ///< what an em stands for while this property is read
    bool decorationSet = false; ///< some property asked for a text decoration
};

using PropertyReader = void (*)(PropertyReading& r);

/// A length or percentage of any sign into the style member `Field`
/// (a LengthPct or an optional one): the indents.
template <auto Field> void readLengthPct(PropertyReading& r)
{
    if (auto l = StyleResolver::parseLengthPct(r.value, r.em)) {
        r.style.*Field = *l;
    }
}

// Fonts and text
void readFontSize(PropertyReading& r);
void readFontFamily(PropertyReading& r);
void readFontWeight(PropertyReading& r);
void readFontStyle(PropertyReading& r);
void readFontVariant(PropertyReading& r);
void readFont(PropertyReading& r);
void readColor(PropertyReading& r);
void readTextAlign(PropertyReading& r);
void readTextAlignLast(PropertyReading& r);
void readLineHeight(PropertyReading& r);
void readTextTransform(PropertyReading& r);
void readLetterSpacing(PropertyReading& r);
void readWordSpacing(PropertyReading& r);
void readWhiteSpace(PropertyReading& r);
void readWhiteSpaceCollapse(PropertyReading& r);
void readLinefeedTreatment(PropertyReading& r);
void readWhiteSpaceTreatment(PropertyReading& r);
void readWrapOption(PropertyReading& r);
void readTextDecoration(PropertyReading& r);
void readUnderlineStyle(PropertyReading& r);
void readOverlineStyle(PropertyReading& r);
void readLineThroughStyle(PropertyReading& r);

// Borders, padding and margins
void readMargin(PropertyReading& r);
void readMarginSide(PropertyReading& r);
void readPadding(PropertyReading& r);
void readPaddingSide(PropertyReading& r);
void readBorder(PropertyReading& r);
void readBorderSide(PropertyReading& r);
void readBorderWidth(PropertyReading& r);
void readBorderStyle(PropertyReading& r);
void readBorderColor(PropertyReading& r);
void readBorderSideWidth(PropertyReading& r);
void readBorderSideStyle(PropertyReading& r);
void readBorderSideColor(PropertyReading& r);
void readBorderCollapse(PropertyReading& r);
void readBorderSpacing(PropertyReading& r);
void readBorderSpacingH(PropertyReading& r);
void readBorderSpacingV(PropertyReading& r);

// Background and shadow
void readBackground(PropertyReading& r);
void readBackgroundColor(PropertyReading& r);
void readBackgroundImage(PropertyReading& r);
void readBackgroundRepeat(PropertyReading& r);
void readBackgroundPosition(PropertyReading& r);
void readBackgroundPositionH(PropertyReading& r);
void readBackgroundPositionV(PropertyReading& r);
void readBackgroundSize(PropertyReading& r);
void readBoxShadow(PropertyReading& r);

// Sizes, spaces, alignment and breaks
void readSpaceBefore(PropertyReading& r);
void readSpaceAfter(PropertyReading& r);
void readWidth(PropertyReading& r);
void readHeight(PropertyReading& r);
void readMinHeight(PropertyReading& r);
void readMaxHeight(PropertyReading& r);
void readAbsolutePosition(PropertyReading& r);
void readOverflow(PropertyReading& r);
void readSpan(PropertyReading& r);
void readReferenceOrientation(PropertyReading& r);
void readWritingMode(PropertyReading& r);
void readBaselineShift(PropertyReading& r);
/// top, right, bottom or left of an absolutely positioned container.
template <Side side> void readOffset(PropertyReading& r)
{
    if (r.value == u"auto") {
        r.style.offset[size_t(side)].reset();
    } else if (auto l = StyleResolver::parseLengthPct(r.value, r.em)) {
        r.style.offset[size_t(side)] = LengthPct{std::clamp(l->value, -1e6, 1e6), l->isPercent};
    }
}
void readVerticalAlign(PropertyReading& r);
void readContentWidth(PropertyReading& r);
void readContentHeight(PropertyReading& r);
void readScaling(PropertyReading& r);
void readDisplayAlign(PropertyReading& r);
void readBreakBefore(PropertyReading& r);
void readBreakAfter(PropertyReading& r);

// Keeps, widows and orphans, hyphenation
void readKeepTogether(PropertyReading& r);
void readKeepTogetherColumn(PropertyReading& r);
void readKeepTogetherPage(PropertyReading& r);
void readKeepWithNext(PropertyReading& r);
void readKeepWithNextColumn(PropertyReading& r);
void readKeepWithNextPage(PropertyReading& r);
void readKeepWithPrevious(PropertyReading& r);
void readKeepWithPreviousColumn(PropertyReading& r);
void readKeepWithPreviousPage(PropertyReading& r);
void readPageBreakInside(PropertyReading& r);
void readPageBreakBefore(PropertyReading& r);
void readPageBreakAfter(PropertyReading& r);
void readWidows(PropertyReading& r);
void readOrphans(PropertyReading& r);
void readHyphenate(PropertyReading& r);
void readLanguage(PropertyReading& r);
void readCountry(PropertyReading& r);
void readHyphenationCharacter(PropertyReading& r);
void readHyphenationPush(PropertyReading& r);
void readHyphenationRemain(PropertyReading& r);

} // namespace Fo
