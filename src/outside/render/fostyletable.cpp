#include "outside/render/fostyletable_p.h"

#include <QHash>

namespace Fo {

namespace {

struct PropertyRow
{
    const char* name;
    PropertyReader reader;
    int rank;
};

// One row per property: its name, its reader and its rank. Lower ranks are
// read first: 0 the font size (the others' ems depend on it), 1 the colour
// and the broad shorthands, 2 the narrower shorthands, 3 the longhands.
constexpr PropertyRow propertyRows[] = {
    {"font-size", readFontSize, 0},
    {"font-family", readFontFamily, 3},
    {"font-weight", readFontWeight, 3},
    {"font-style", readFontStyle, 3},
    {"font-variant", readFontVariant, 3},
    {"font", readFont, 1},
    {"color", readColor, 1},
    {"text-align", readTextAlign, 3},
    {"text-align-last", readTextAlignLast, 3},
    {"text-indent", readLengthPct<&Style::textIndent>, 3},
    {"last-line-end-indent", readLengthPct<&Style::lastLineEndIndent>, 3},
    {"line-height", readLineHeight, 3},
    {"text-transform", readTextTransform, 3},
    {"letter-spacing", readLetterSpacing, 3},
    {"word-spacing", readWordSpacing, 3},
    {"white-space", readWhiteSpace, 1},
    {"white-space-collapse", readWhiteSpaceCollapse, 3},
    {"linefeed-treatment", readLinefeedTreatment, 3},
    {"white-space-treatment", readWhiteSpaceTreatment, 3},
    {"wrap-option", readWrapOption, 3},
    {"display-align", readDisplayAlign, 3},
    {"border-collapse", readBorderCollapse, 3},
    {"border-spacing", readBorderSpacing, 1},
    {"border-separation", readBorderSpacing, 1},
    {"border-separation.inline-progression-direction", readBorderSpacingH, 3},
    {"border-separation.block-progression-direction", readBorderSpacingV, 3},
    {"text-decoration", readTextDecoration, 2},
    {"text-underline-style", readUnderlineStyle, 3},
    {"text-overline-style", readOverlineStyle, 3},
    {"text-line-through-style", readLineThroughStyle, 3},
    {"margin", readMargin, 1},
    {"padding", readPadding, 1},
    {"border", readBorder, 1},
    {"border-width", readBorderWidth, 2},
    {"border-style", readBorderStyle, 2},
    {"border-color", readBorderColor, 2},
    {"space-before", readSpaceBefore, 2},
    {"space-before.optimum", readSpaceBefore, 3},
    {"space-after", readSpaceAfter, 2},
    {"space-after.optimum", readSpaceAfter, 3},
    {"start-indent", readLengthPct<&Style::startIndent>, 3},
    {"end-indent", readLengthPct<&Style::endIndent>, 3},
    {"background", readBackground, 1},
    {"background-color", readBackgroundColor, 3},
    {"background-image", readBackgroundImage, 3},
    {"background-repeat", readBackgroundRepeat, 3},
    {"background-position", readBackgroundPosition, 2},
    {"background-position-horizontal", readBackgroundPositionH, 3},
    {"background-position-vertical", readBackgroundPositionV, 3},
    {"background-size", readBackgroundSize, 3},
    {"box-shadow", readBoxShadow, 3},
    {"width", readWidth, 2},
    {"inline-progression-dimension", readWidth, 3},
    {"inline-progression-dimension.optimum", readWidth, 3},
    {"height", readHeight, 2},
    {"block-progression-dimension", readHeight, 2},
    {"block-progression-dimension.optimum", readHeight, 3},
    {"block-progression-dimension.minimum", readMinHeight, 3},
    {"block-progression-dimension.maximum", readMaxHeight, 3},
    {"top", readOffset<Top>, 3},
    {"right", readOffset<Right>, 3},
    {"bottom", readOffset<Bottom>, 3},
    {"left", readOffset<Left>, 3},
    {"absolute-position", readAbsolutePosition, 3},
    {"overflow", readOverflow, 3},
    {"span", readSpan, 3},
    {"reference-orientation", readReferenceOrientation, 3},
    {"writing-mode", readWritingMode, 3},
    {"baseline-shift", readBaselineShift, 3},
    {"vertical-align", readVerticalAlign, 2},
    {"content-width", readContentWidth, 3},
    {"content-height", readContentHeight, 3},
    {"scaling", readScaling, 3},
    {"break-before", readBreakBefore, 3},
    {"break-after", readBreakAfter, 3},
    {"page-break-before", readPageBreakBefore, 2},
    {"page-break-after", readPageBreakAfter, 2},
    {"page-break-inside", readPageBreakInside, 2},
    {"keep-together", readKeepTogether, 2},
    {"keep-together.within-column", readKeepTogetherColumn, 3},
    {"keep-together.within-page", readKeepTogetherPage, 3},
    {"keep-with-next", readKeepWithNext, 2},
    {"keep-with-next.within-column", readKeepWithNextColumn, 3},
    {"keep-with-next.within-page", readKeepWithNextPage, 3},
    {"keep-with-previous", readKeepWithPrevious, 2},
    {"keep-with-previous.within-column", readKeepWithPreviousColumn, 3},
    {"keep-with-previous.within-page", readKeepWithPreviousPage, 3},
    {"widows", readWidows, 3},
    {"orphans", readOrphans, 3},
    {"hyphenate", readHyphenate, 3},
    {"language", readLanguage, 2},
    {"lang", readLanguage, 2},
    {"country", readCountry, 3},
    {"hyphenation-character", readHyphenationCharacter, 3},
    {"hyphenation-push-character-count", readHyphenationPush, 3},
    {"hyphenation-remain-character-count", readHyphenationRemain, 3},
};

/// A property written once per side: prefix + side + suffix.
struct SidePropertyRow
{
    const char* prefix;
    const char* suffix;
    PropertyReader reader;
    int rank;
    bool relativeRefines; ///< "before", "start"... rank one above "top", "left"...
};

constexpr SidePropertyRow sidePropertyRows[] = {
    {"margin-", "", readMarginSide, 3, false},
    {"padding-", "", readPaddingSide, 3, true},
    {"padding-", ".length", readPaddingSide, 3, true},
    {"border-", "", readBorderSide, 2, false},
    {"border-", "-width", readBorderSideWidth, 3, true},
    {"border-", "-width.length", readBorderSideWidth, 3, true},
    {"border-", "-style", readBorderSideStyle, 3, true},
    {"border-", "-color", readBorderSideColor, 3, true},
};

struct SideName
{
    const char* name;
    Side side;
    bool relative;
};

// Relative names map to the absolute sides of our only writing mode.
constexpr SideName sideNames[] = {
    {"top", Top, false},   {"right", Right, false}, {"bottom", Bottom, false},
    {"left", Left, false}, {"before", Top, true},   {"after", Bottom, true},
    {"start", Left, true}, {"end", Right, true},
};

QHash<QString, PropertyEntry> buildPropertyTable()
{
    QHash<QString, PropertyEntry> table;
    for (const PropertyRow& row : propertyRows) {
        table.insert(QString::fromLatin1(row.name), {row.reader, 0, row.rank});
    }
    for (const SidePropertyRow& row : sidePropertyRows) {
        for (const SideName& side : sideNames) {
            const int rank = row.rank + (row.relativeRefines && side.relative ? 1 : 0);
            table.insert(QString::fromLatin1(row.prefix) + QString::fromLatin1(side.name) +
                             QString::fromLatin1(row.suffix),
                         {row.reader, side.side, rank});
        }
    }
    return table;
}

} // namespace

PropertyEntry propertyEntry(const QString& name)
{
    static const QHash<QString, PropertyEntry> table = buildPropertyTable();
    return table.value(name);
}

} // namespace Fo
