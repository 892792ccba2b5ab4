#!/usr/bin/env python3
"""Writes the syntax definition files the library reads at run time.

Usage: scripts/generate-syntax.py [OUTPUT_DIR]   (default: resources/syntax)

Besides the files, it writes src/xml/model/syntaxnametexts.cpp: every display
name and group the files hold, for lupdate to collect. Lists translate them
through SyntaxNames; their German and French are in
resources/translations/syntaxnames.tsv.

Four vocabularies, one file each:
  FOSytanx.xml   XSL-FO 1.1: every formatting object, the properties it takes,
                 the objects it may hold, and each property's kind of value;
  KMBSytanx.xml  the designer's own kmb: markup;
  XSLSyntax.xml  XSLT 1.0;
  KMSyntax.xml   the product family's km: markup.

Layout of a file:
  <syntax-definition prefix=".." namespace=".." root-element="..">
    <elements>
      <element name="block" description="..">
        <properties><ref-attribute name="color" namespace="fo"/>...</properties>
        <content><ref-element name="inline"/><ref-element name="field" namespace="kmb"/>...</content>
        <auto-fill>markup placed inside a new element so that it is complete</auto-fill>
      </element>
    </elements>
    <attributes>
      <attribute name="color" display-name="Color" group="Color">
        <color description=".."/>      (or <url>, <string role="..">, <enum><value>..</value></enum>)
      </attribute>
    </attributes>
  </syntax-definition>

A ref-attribute without namespace is an attribute in no namespace; one with a
namespace prefix is written with that prefix. A ref-element without namespace
belongs to the file's own vocabulary. The generated files are committed; edit
this script and run it again rather than editing them.
"""
import sys
from pathlib import Path
from xml.sax.saxutils import escape, quoteattr

ROOT = Path(__file__).resolve().parent.parent

NAMESPACES = {
    "fo": "http://www.w3.org/1999/XSL/Format",
    "kmb": "http://www.varnel.com/kmb/1.0",
    "km": "http://www.varnel.com/km/1.0",
    "xsl": "http://www.w3.org/1999/XSL/Transform",
}

# ---------------------------------------------------------------------------
# XSL-FO properties. Each entry: name -> (kind, argument, group, description).
# kind "enum": argument is "value|value|..." and, after a ";", the role of a
#   value that may be typed instead (a length, a number...);
# kind "string": argument is the role of the free text;
# kind "color" and "url": no argument.
# ---------------------------------------------------------------------------

BORDER_STYLES = "none|hidden|dotted|dashed|solid|double|groove|ridge|inset|outset|inherit"
BORDER_WIDTHS = "thin|medium|thick|inherit;length"
BOOL = "true|false"
BOOL_INHERIT = "true|false|inherit"
ALIGNMENT_BASELINES = ("auto|baseline|before-edge|text-before-edge|middle|central|after-edge|"
                       "text-after-edge|ideographic|alphabetic|hanging|mathematical|inherit")

P = {}


def prop(name, kind, arg, group, description):
    assert name not in P, name
    P[name] = (kind, arg, group, description)


# Common accessibility
prop("source-document", "url", None, "Accessibility", "The source document the content was transformed from.")
prop("role", "string", "text", "Accessibility", "A hint for alternate renderers: the role of the content.")
# Common absolute and relative position
prop("absolute-position", "enum", "auto|absolute|fixed|inherit", "Position", "Whether the area is positioned absolutely.")
for side in ("top", "right", "bottom", "left"):
    prop(side, "string", "length-or-percent", "Position", f"Offset of the {side} edge of a positioned area.")
prop("relative-position", "enum", "static|relative|inherit", "Position", "Whether the area is offset from its normal place.")
# Common aural
prop("azimuth", "string", "angle", "Aural", "The direction a sound comes from.")
prop("cue-after", "url", None, "Aural", "A sound played after the content.")
prop("cue-before", "url", None, "Aural", "A sound played before the content.")
prop("elevation", "string", "angle", "Aural", "The height a sound comes from.")
prop("pause-after", "string", "time", "Aural", "A pause after the content is spoken.")
prop("pause-before", "string", "time", "Aural", "A pause before the content is spoken.")
prop("pitch", "enum", "x-low|low|medium|high|x-high|inherit;frequency", "Aural", "The average pitch of the voice.")
prop("pitch-range", "string", "number", "Aural", "How much the pitch varies.")
prop("play-during", "url", None, "Aural", "A background sound played while the content is spoken.")
prop("richness", "string", "number", "Aural", "The brightness of the voice.")
prop("speak", "enum", "normal|none|spell-out|inherit", "Aural", "Whether and how the content is spoken.")
prop("speak-header", "enum", "once|always|inherit", "Aural", "How often table headers are spoken.")
prop("speak-numeral", "enum", "digits|continuous|inherit", "Aural", "How numbers are spoken.")
prop("speak-punctuation", "enum", "code|none|inherit", "Aural", "Whether punctuation is spoken.")
prop("speech-rate", "enum", "x-slow|slow|medium|fast|x-fast|faster|slower|inherit;number", "Aural", "The speaking rate in words per minute.")
prop("stress", "string", "number", "Aural", "The stress of the voice.")
prop("voice-family", "string", "text", "Aural", "The voices to speak with, in order of preference.")
prop("volume", "enum", "silent|x-soft|soft|medium|loud|x-loud|inherit;number", "Aural", "The loudness of the voice.")
# Common border, padding and background
prop("background-attachment", "enum", "scroll|fixed|inherit", "Background", "Whether the background image scrolls with the content.")
prop("background-color", "color", None, "Background", "The colour behind the content.")
prop("background-image", "url", None, "Background", "The image behind the content.")
prop("background-repeat", "enum", "repeat|repeat-x|repeat-y|no-repeat|inherit", "Background", "How the background image is tiled.")
prop("background-position-horizontal", "enum", "left|center|right|inherit;length-or-percent", "Background", "Horizontal place of the background image.")
prop("background-position-vertical", "enum", "top|center|bottom|inherit;length-or-percent", "Background", "Vertical place of the background image.")
for side in ("before", "after", "start", "end", "top", "bottom", "left", "right"):
    prop(f"border-{side}-color", "color", None, "Borders", f"Colour of the {side} border.")
    prop(f"border-{side}-style", "enum", BORDER_STYLES, "Borders", f"Line style of the {side} border.")
    prop(f"border-{side}-width", "enum", BORDER_WIDTHS, "Borders", f"Width of the {side} border.")
for side in ("before", "after", "start", "end", "top", "bottom", "left", "right"):
    prop(f"padding-{side}", "string", "length-or-percent", "Padding", f"Space between the content and the {side} border.")
# Common font
prop("font-family", "string", "font-family", "Font", "The fonts to use, in order of preference.")
prop("font-selection-strategy", "enum", "auto|character-by-character|inherit", "Font", "How fonts are chosen for each character.")
prop("font-size", "enum", "xx-small|x-small|small|medium|large|x-large|xx-large|larger|smaller|inherit;length-or-percent", "Font", "The size of the font.")
prop("font-stretch", "enum", "normal|wider|narrower|ultra-condensed|extra-condensed|condensed|semi-condensed|semi-expanded|expanded|extra-expanded|ultra-expanded|inherit", "Font", "How condensed or expanded the font is.")
prop("font-size-adjust", "enum", "none|inherit;number", "Font", "The aspect value kept when another font replaces the first.")
prop("font-style", "enum", "normal|italic|oblique|backslant|inherit", "Font", "Upright, italic or oblique letters.")
prop("font-variant", "enum", "normal|small-caps|inherit", "Font", "Whether small capitals are used.")
prop("font-weight", "enum", "normal|bold|bolder|lighter|100|200|300|400|500|600|700|800|900|inherit", "Font", "How bold the letters are.")
# Common hyphenation
prop("country", "string", "country", "Hyphenation", "The country of the text (ISO 3166 code).")
prop("language", "string", "language", "Hyphenation", "The language of the text (ISO 639 code).")
prop("script", "string", "script", "Hyphenation", "The script of the text (ISO 15924 code).")
prop("hyphenate", "enum", BOOL_INHERIT, "Hyphenation", "Whether words may be hyphenated at line ends.")
prop("hyphenation-character", "string", "character", "Hyphenation", "The character shown at a hyphenation point.")
prop("hyphenation-push-character-count", "string", "integer", "Hyphenation", "Fewest characters carried to the next line.")
prop("hyphenation-remain-character-count", "string", "integer", "Hyphenation", "Fewest characters left before a hyphen.")
# Common margins
for side in ("top", "bottom", "left", "right"):
    prop(f"margin-{side}", "string", "length-or-percent", "Margins", f"Space outside the {side} border.")
prop("space-before", "string", "space", "Margins", "Space before the block, in the block-progression direction.")
prop("space-after", "string", "space", "Margins", "Space after the block, in the block-progression direction.")
prop("space-start", "string", "space", "Margins", "Space before the inline, in the inline-progression direction.")
prop("space-end", "string", "space", "Margins", "Space after the inline, in the inline-progression direction.")
prop("start-indent", "string", "length-or-percent", "Margins", "Distance of the start edge from the containing area.")
prop("end-indent", "string", "length-or-percent", "Margins", "Distance of the end edge from the containing area.")
# Area alignment
prop("alignment-adjust", "enum", ALIGNMENT_BASELINES.replace("|inherit", "") + "|inherit;length-or-percent", "Area Alignment", "Which point of the area is aligned with the baseline.")
prop("alignment-baseline", "enum", ALIGNMENT_BASELINES, "Area Alignment", "The baseline of the parent that the area is aligned with.")
prop("baseline-shift", "enum", "baseline|sub|super|inherit;length-or-percent", "Area Alignment", "Raises or lowers the area, as for subscripts.")
prop("display-align", "enum", "auto|before|center|after|inherit", "Area Alignment", "Vertical alignment of the content in its area.")
prop("dominant-baseline", "enum", "auto|use-script|no-change|reset-size|ideographic|alphabetic|hanging|mathematical|central|middle|text-after-edge|text-before-edge|inherit", "Area Alignment", "The baseline table used for alignment.")
prop("relative-align", "enum", "before|baseline|inherit", "Area Alignment", "How table cells and list items are aligned with each other.")
# Area dimension
prop("allowed-height-scale", "string", "scale-list", "Area Dimension", "The scalings allowed for the height of an image.")
prop("allowed-width-scale", "string", "scale-list", "Area Dimension", "The scalings allowed for the width of an image.")
prop("block-progression-dimension", "string", "length-range", "Area Dimension", "The extent of the area in the block-progression direction.")
prop("content-height", "enum", "auto|scale-to-fit|scale-down-to-fit|scale-up-to-fit|inherit;length-or-percent", "Area Dimension", "The height the image content is scaled to.")
prop("content-width", "enum", "auto|scale-to-fit|scale-down-to-fit|scale-up-to-fit|inherit;length-or-percent", "Area Dimension", "The width the image content is scaled to.")
prop("height", "enum", "auto|inherit;length-or-percent", "Area Dimension", "The height of the area.")
prop("inline-progression-dimension", "string", "length-range", "Area Dimension", "The extent of the area in the inline-progression direction.")
prop("max-height", "enum", "none|inherit;length-or-percent", "Area Dimension", "The greatest height of the area.")
prop("max-width", "enum", "none|inherit;length-or-percent", "Area Dimension", "The greatest width of the area.")
prop("min-height", "string", "length-or-percent", "Area Dimension", "The smallest height of the area.")
prop("min-width", "string", "length-or-percent", "Area Dimension", "The smallest width of the area.")
prop("scaling", "enum", "uniform|non-uniform|inherit", "Area Dimension", "Whether an image keeps its aspect ratio when scaled.")
prop("scaling-method", "enum", "auto|integer-pixels|resample-any-method|inherit", "Area Dimension", "How a bitmap image is scaled.")
prop("width", "enum", "auto|inherit;length-or-percent", "Area Dimension", "The width of the area.")
# Block and line
prop("hyphenation-keep", "enum", "auto|column|page|inherit", "Block and Line", "Whether the last line of a column or page may end hyphenated.")
prop("hyphenation-ladder-count", "enum", "no-limit|inherit;integer", "Block and Line", "Most hyphenated lines in a row.")
prop("last-line-end-indent", "string", "length-or-percent", "Block and Line", "Indent at the end of the last line of a paragraph.")
prop("line-height", "enum", "normal|inherit;line-height", "Block and Line", "The height of each line.")
prop("line-height-shift-adjustment", "enum", "consider-shifts|disregard-shifts|inherit", "Block and Line", "Whether raised and lowered text makes lines taller.")
prop("line-stacking-strategy", "enum", "line-height|font-height|max-height|inherit", "Block and Line", "How the height of a line is found.")
prop("linefeed-treatment", "enum", "ignore|preserve|treat-as-space|treat-as-zero-width-space|inherit", "Block and Line", "What happens to line feeds in the text.")
prop("white-space-treatment", "enum", "ignore|preserve|ignore-if-before-linefeed|ignore-if-after-linefeed|ignore-if-surrounding-linefeed|inherit", "Block and Line", "What happens to white space around line feeds.")
prop("text-align", "enum", "start|center|end|justify|inside|outside|left|right|inherit;character", "Block and Line", "Alignment of the lines of a paragraph.")
prop("text-align-last", "enum", "relative|start|center|end|justify|inside|outside|left|right|inherit", "Block and Line", "Alignment of the last line of a paragraph.")
prop("text-indent", "string", "length-or-percent", "Block and Line", "Indent of the first line of a paragraph.")
prop("white-space-collapse", "enum", BOOL_INHERIT, "Block and Line", "Whether runs of spaces collapse into one.")
prop("wrap-option", "enum", "no-wrap|wrap|inherit", "Block and Line", "Whether long lines wrap.")
# Character
prop("character", "string", "character", "Character", "The character an fo:character stands for.")
prop("letter-spacing", "enum", "normal|inherit;length", "Character", "Extra space between letters.")
prop("suppress-at-line-break", "enum", "auto|suppress|retain|inherit", "Character", "Whether the character vanishes at a line break.")
prop("text-decoration", "enum", "none|underline|no-underline|overline|no-overline|line-through|no-line-through|blink|no-blink|inherit", "Character", "Lines drawn under, over or through the text.")
prop("text-shadow", "string", "shadow", "Character", "Shadows drawn behind the text.")
prop("text-transform", "enum", "capitalize|uppercase|lowercase|none|inherit", "Character", "Changes the case of the text.")
prop("treat-as-word-space", "enum", "auto|true|false|inherit", "Character", "Whether the character counts as a word space.")
prop("word-spacing", "enum", "normal|inherit;length", "Character", "Extra space between words.")
# Color
prop("color", "color", None, "Color", "The colour of the text.")
prop("color-profile-name", "string", "name", "Color", "The name a colour profile is referred to by.")
prop("rendering-intent", "enum", "auto|perceptual|relative-colorimetric|saturation|absolute-colorimetric|inherit", "Color", "How colours outside the profile are mapped.")
# Float
prop("clear", "enum", "start|end|left|right|inside|outside|both|none|inherit", "Float", "Which floats the area must stay clear of.")
prop("float", "enum", "before|start|end|left|right|inside|outside|none|inherit", "Float", "Where the float is placed.")
prop("intrusion-displace", "enum", "auto|none|line|indent|block|inherit", "Float", "How the area makes room for floats.")
# Keeps and breaks
prop("break-after", "enum", "auto|column|page|even-page|odd-page|inherit", "Keeps and Breaks", "A break forced after the area.")
prop("break-before", "enum", "auto|column|page|even-page|odd-page|inherit", "Keeps and Breaks", "A break forced before the area.")
prop("keep-together", "enum", "auto|always|inherit;integer", "Keeps and Breaks", "Keeps the content of the area on one page or line.")
prop("keep-with-next", "enum", "auto|always|inherit;integer", "Keeps and Breaks", "Keeps the area with the one that follows.")
prop("keep-with-previous", "enum", "auto|always|inherit;integer", "Keeps and Breaks", "Keeps the area with the one before.")
prop("orphans", "string", "integer", "Keeps and Breaks", "Fewest lines of a paragraph left at the bottom of a page.")
prop("widows", "string", "integer", "Keeps and Breaks", "Fewest lines of a paragraph carried to the top of a page.")
# Layout
prop("clip", "string", "clip", "Layout", "The part of the content that is shown: auto or rect(...).")
prop("overflow", "enum", "visible|hidden|scroll|error-if-overflow|repeat|auto|inherit", "Layout", "What happens to content that does not fit.")
prop("reference-orientation", "enum", "0|90|180|270|-90|-180|-270|inherit", "Layout", "Rotation of the content, in degrees.")
prop("span", "enum", "none|all|inherit", "Layout", "Whether the block spans all columns.")
# Leader and rule
prop("leader-alignment", "enum", "none|reference-area|page|inherit", "Leader and Rule", "How leader patterns line up.")
prop("leader-pattern", "enum", "space|rule|dots|use-content|inherit", "Leader and Rule", "What the leader is drawn with.")
prop("leader-pattern-width", "enum", "use-font-metrics|inherit;length-or-percent", "Leader and Rule", "The width of one repetition of the pattern.")
prop("leader-length", "string", "length-range", "Leader and Rule", "The length of the leader.")
prop("rule-style", "enum", "none|dotted|dashed|solid|double|groove|ridge|inherit", "Leader and Rule", "Line style of a rule leader.")
prop("rule-thickness", "string", "length", "Leader and Rule", "Thickness of a rule leader.")
# Dynamic effects
prop("active-state", "enum", "link|visited|active|hover|focus", "Dynamic Effects", "The state in which a property set applies.")
prop("auto-restore", "enum", BOOL, "Dynamic Effects", "Whether a switch returns to its first case when hidden.")
prop("case-name", "string", "name", "Dynamic Effects", "The name a multi-case is switched to by.")
prop("case-title", "string", "text", "Dynamic Effects", "The title shown for a multi-case.")
prop("destination-placement-offset", "string", "length", "Dynamic Effects", "Distance from the top of the window to the link target.")
prop("external-destination", "url", None, "Dynamic Effects", "The address a link leads to.")
prop("indicate-destination", "enum", BOOL, "Dynamic Effects", "Whether the link target is highlighted.")
prop("internal-destination", "string", "idref", "Dynamic Effects", "The identifier of the object a link leads to.")
prop("show-destination", "enum", "replace|new", "Dynamic Effects", "Whether the target opens in a new window.")
prop("starting-state", "enum", "show|hide", "Dynamic Effects", "Whether the item is shown at first.")
prop("switch-to", "string", "name-list", "Dynamic Effects", "The case a toggle switches to.")
prop("target-presentation-context", "string", "uri", "Dynamic Effects", "How the link target is presented.")
prop("target-processing-context", "string", "uri", "Dynamic Effects", "The root for resolving the link target.")
prop("target-stylesheet", "string", "uri", "Dynamic Effects", "The stylesheet used to show the link target.")
# Markers
prop("marker-class-name", "string", "name", "Markers", "The class a marker belongs to.")
prop("retrieve-class-name", "string", "name", "Markers", "The class of the markers retrieved.")
prop("retrieve-position", "enum", "first-starting-within-page|first-including-carryover|last-starting-within-page|last-ending-within-page", "Markers", "Which marker of the page is retrieved.")
prop("retrieve-boundary", "enum", "page|page-sequence|document", "Markers", "How far back markers are searched.")
prop("retrieve-position-within-table", "enum", "first-starting|first-including-carryover|last-starting|last-ending", "Markers", "Which marker of the table is retrieved.")
prop("retrieve-boundary-within-table", "enum", "table|table-fragment|page", "Markers", "How far back table markers are searched.")
# Number to string
prop("format", "string", "format", "Number to String", "The number format, such as 1, 01, i, I, a or A.")
prop("grouping-separator", "string", "character", "Number to String", "The character between digit groups.")
prop("grouping-size", "string", "integer", "Number to String", "The number of digits in a group.")
prop("letter-value", "enum", "auto|alphabetic|traditional", "Number to String", "Which letter numbering is used.")
# Pagination and layout
prop("blank-or-not-blank", "enum", "blank|not-blank|any|inherit", "Pagination", "Whether the page master serves blank pages.")
prop("column-count", "string", "integer", "Pagination", "The number of columns of the region.")
prop("column-gap", "string", "length-or-percent", "Pagination", "The space between columns.")
prop("extent", "string", "length", "Pagination", "The depth of an outer region.")
prop("flow-name", "string", "name", "Pagination", "The region the flow is poured into.")
prop("force-page-count", "enum", "auto|even|odd|end-on-even|end-on-odd|no-force|inherit", "Pagination", "Makes the sequence have an even or odd number of pages.")
prop("initial-page-number", "enum", "auto|auto-odd|auto-even|inherit;integer", "Pagination", "The number of the first page.")
prop("master-name", "string", "name", "Pagination", "The name a page master is referred to by.")
prop("master-reference", "string", "master-reference", "Pagination", "The page master used.")
prop("maximum-repeats", "enum", "no-limit|inherit;integer", "Pagination", "How many times the page master may repeat.")
prop("media-usage", "enum", "auto|paginate|bounded-in-one-dimension|unbounded", "Pagination", "How the result is divided into pages.")
prop("odd-or-even", "enum", "odd|even|any|inherit", "Pagination", "Whether the page master serves odd or even pages.")
prop("page-height", "enum", "auto|indefinite|inherit;length", "Pagination", "The height of the page.")
prop("page-position", "enum", "only|first|last|rest|any|inherit", "Pagination", "Which pages of the sequence the page master serves.")
prop("page-width", "enum", "auto|indefinite|inherit;length", "Pagination", "The width of the page.")
prop("precedence", "enum", BOOL_INHERIT, "Pagination", "Whether the region takes the corners before the side regions.")
prop("region-name", "string", "name", "Pagination", "The name flows refer to the region by.")
prop("flow-map-name", "string", "name", "Pagination", "The name a flow map is referred to by.")
prop("flow-map-reference", "string", "name", "Pagination", "The flow map the page sequence uses.")
prop("flow-name-reference", "string", "name", "Pagination", "The flow a flow map assigns.")
prop("region-name-reference", "string", "name", "Pagination", "The region a flow map assigns to.")
# Table
for side in ("after", "before", "end", "start"):
    prop(f"border-{side}-precedence", "enum", "force|inherit;integer", "Table", f"Which {side} border wins where borders collapse.")
prop("border-collapse", "enum", "collapse|collapse-with-precedence|separate|inherit", "Table", "Whether cell borders merge.")
prop("border-separation", "string", "length-pair", "Table", "Space between the borders of adjacent cells.")
prop("caption-side", "enum", "before|after|start|end|top|bottom|left|right|inherit", "Table", "Where the caption is placed.")
prop("column-number", "string", "integer", "Table", "The column the cell or column description is in.")
prop("column-width", "string", "column-width", "Table", "The width of the column, or proportional-column-width(n).")
prop("empty-cells", "enum", "show|hide|inherit", "Table", "Whether borders are drawn around empty cells.")
prop("ends-row", "enum", BOOL, "Table", "Whether the cell ends a row.")
prop("number-columns-repeated", "string", "integer", "Table", "How many columns the description stands for.")
prop("number-columns-spanned", "string", "integer", "Table", "How many columns the cell spans.")
prop("number-rows-spanned", "string", "integer", "Table", "How many rows the cell spans.")
prop("starts-row", "enum", BOOL, "Table", "Whether the cell starts a row.")
prop("table-layout", "enum", "auto|fixed|inherit", "Table", "Whether column widths come from the content or are fixed.")
prop("table-omit-footer-at-break", "enum", BOOL, "Table", "Whether the footer is left out where the table breaks.")
prop("table-omit-header-at-break", "enum", BOOL, "Table", "Whether the header is left out where the table breaks.")
# Writing mode
prop("direction", "enum", "ltr|rtl|inherit", "Writing Mode", "The direction of the text for the bidirectional algorithm.")
prop("glyph-orientation-horizontal", "string", "angle", "Writing Mode", "Rotation of the glyphs in horizontal text.")
prop("glyph-orientation-vertical", "enum", "auto|inherit;angle", "Writing Mode", "Rotation of the glyphs in vertical text.")
prop("text-altitude", "enum", "use-font-metrics|inherit;length-or-percent", "Writing Mode", "The height of the text above the baseline.")
prop("text-depth", "enum", "use-font-metrics|inherit;length-or-percent", "Writing Mode", "The depth of the text below the baseline.")
prop("unicode-bidi", "enum", "normal|embed|bidi-override|inherit", "Writing Mode", "How the bidirectional algorithm treats the content.")
prop("writing-mode", "enum", "lr-tb|rl-tb|tb-rl|tb-lr|lr-bt|rl-bt|bt-lr|bt-rl|lr-alternating-rl-bt|lr-alternating-rl-tb|lr-inverting-rl-bt|lr-inverting-rl-tb|tb-lr-in-lr-pairs|lr|rl|tb|inherit", "Writing Mode", "The directions lines and text progress in.")
# Miscellaneous
prop("change-bar-class", "string", "name", "Change Bars", "Pairs the beginning and end of a change bar.")
prop("change-bar-color", "color", None, "Change Bars", "The colour of the change bar.")
prop("change-bar-offset", "string", "length", "Change Bars", "Distance of the change bar from the column.")
prop("change-bar-placement", "enum", "start|end|left|right|inside|outside|alternate", "Change Bars", "Which side the change bar is drawn on.")
prop("change-bar-style", "enum", BORDER_STYLES, "Change Bars", "Line style of the change bar.")
prop("change-bar-width", "enum", "thin|medium|thick;length", "Change Bars", "Width of the change bar.")
prop("content-type", "string", "content-type", "Miscellaneous", "The media type of the external content.")
prop("id", "string", "id", "Miscellaneous", "The identifier of the object, unique in the document.")
prop("index-class", "string", "name", "Index", "Groups index entries that belong together.")
prop("index-key", "string", "text", "Index", "The index term the object is cited under.")
prop("intrinsic-scale-value", "string", "percent", "Miscellaneous", "The scale cited for an image.")
prop("merge-pages-across-index-key-references", "enum", "merge|leave-separate", "Index", "Whether page numbers of different references are merged.")
prop("merge-ranges-across-index-key-references", "enum", "merge|leave-separate", "Index", "Whether page ranges of different references are merged.")
prop("merge-sequential-page-numbers", "enum", "merge|leave-separate", "Index", "Whether consecutive page numbers become a range.")
prop("page-citation-strategy", "enum", "all|normal|non-blank|inherit", "Miscellaneous", "Which pages count for the last page cited.")
prop("page-number-treatment", "enum", "link|no-link", "Index", "Whether cited page numbers are links.")
prop("provisional-distance-between-starts", "string", "length-or-percent", "Miscellaneous", "Distance from the start of the label to the start of the body of list items.")
prop("provisional-label-separation", "string", "length-or-percent", "Miscellaneous", "Distance between the end of the label and the start of the body of list items.")
prop("ref-id", "string", "idref", "Miscellaneous", "The identifier of the object referred to.")
prop("ref-index-key", "string", "text", "Index", "The index term whose pages are cited.")
prop("scale-option", "enum", "width|height", "Miscellaneous", "Which scale of the image is cited.")
prop("score-spaces", "enum", BOOL_INHERIT, "Miscellaneous", "Whether underlines also run under spaces.")
prop("src", "url", None, "Miscellaneous", "The address of the external content.")
prop("visibility", "enum", "visible|hidden|collapse|inherit", "Miscellaneous", "Whether the content is shown.")
prop("z-index", "enum", "auto|inherit;integer", "Miscellaneous", "The stacking order of positioned areas.")
# Shorthands
prop("background", "string", "background", "Shorthands", "Background colour, image, repetition and position at once.")
prop("background-position", "string", "background-position", "Shorthands", "Both positions of the background image.")
prop("border", "string", "border", "Shorthands", "Width, style and colour of all four borders.")
for side in ("top", "right", "bottom", "left"):
    prop(f"border-{side}", "string", "border", "Shorthands", f"Width, style and colour of the {side} border.")
prop("border-color", "string", "color-list", "Shorthands", "The colours of the four borders.")
prop("border-style", "string", "border-style-list", "Shorthands", "The line styles of the four borders.")
prop("border-width", "string", "length-list", "Shorthands", "The widths of the four borders.")
prop("border-spacing", "string", "length-pair", "Shorthands", "Space between the borders of adjacent cells.")
prop("cue", "string", "uri-list", "Shorthands", "The sounds played before and after the content.")
prop("font", "string", "font", "Shorthands", "Font style, weight, size, line height and family at once.")
prop("margin", "string", "length-list", "Shorthands", "The four margins.")
prop("padding", "string", "length-list", "Shorthands", "The four paddings.")
prop("page-break-after", "enum", "auto|always|avoid|left|right|inherit", "Shorthands", "Page break after the area (CSS form).")
prop("page-break-before", "enum", "auto|always|avoid|left|right|inherit", "Shorthands", "Page break before the area (CSS form).")
prop("page-break-inside", "enum", "avoid|auto|inherit", "Shorthands", "Whether the area may break across pages (CSS form).")
prop("pause", "string", "time-list", "Shorthands", "The pauses before and after the content.")
prop("position", "enum", "static|relative|absolute|fixed|inherit", "Shorthands", "How the area is positioned (CSS form).")
prop("size", "enum", "auto|landscape|portrait|inherit;length-pair", "Shorthands", "The size and orientation of the page.")
prop("vertical-align", "enum", "baseline|middle|sub|super|text-top|text-bottom|top|bottom|inherit;length-or-percent", "Shorthands", "Vertical alignment of an inline (CSS form).")
prop("white-space", "enum", "normal|pre|nowrap|inherit", "Shorthands", "How white space and line feeds are treated (CSS form).")
prop("xml:lang", "string", "language", "Shorthands", "Language and country of the text at once, as en-US.")
# The designer's extensions: CSS properties its renderer draws.
prop("box-shadow", "string", "shadow", "Designer", "A shadow drawn behind the box: offsets and colour.")
prop("background-size", "string", "length-pair", "Designer", "The size the background image is drawn at.")
prop("text-underline-style", "enum", "none|solid|double|dotted|dashed", "Designer", "Line style of the underline.")
prop("text-underline-width", "enum", "auto|thin|medium|thick;length", "Designer", "Thickness of the underline.")
prop("text-underline-color", "color", None, "Designer", "Colour of the underline.")
prop("text-overline-style", "enum", "none|solid|double|dotted|dashed", "Designer", "Line style of the overline.")
prop("text-line-through-style", "enum", "none|solid|double|dotted|dashed", "Designer", "Line style of the line through the text.")

# ---------------------------------------------------------------------------
# Property groups of XSL 1.1, as the object descriptions cite them.
# ---------------------------------------------------------------------------
SIDES_REL = ("before", "after", "start", "end")
SIDES_ABS = ("top", "bottom", "left", "right")
ACCESSIBILITY = ["source-document", "role"]
ABSOLUTE_POSITION = ["absolute-position", "top", "right", "bottom", "left"]
RELATIVE_POSITION = ["relative-position", "top", "right", "bottom", "left"]
AURAL = ["azimuth", "cue-after", "cue-before", "elevation", "pause-after", "pause-before", "pitch",
         "pitch-range", "play-during", "richness", "speak", "speak-header", "speak-numeral",
         "speak-punctuation", "speech-rate", "stress", "voice-family", "volume"]
BORDER_PADDING_BACKGROUND = (
    ["background-attachment", "background-color", "background-image", "background-repeat",
     "background-position-horizontal", "background-position-vertical"]
    + [f"border-{s}-{p}" for s in SIDES_REL + SIDES_ABS for p in ("color", "style", "width")]
    + [f"padding-{s}" for s in SIDES_REL + SIDES_ABS])
FONT = ["font-family", "font-selection-strategy", "font-size", "font-stretch", "font-size-adjust",
        "font-style", "font-variant", "font-weight"]
HYPHENATION = ["country", "language", "script", "hyphenate", "hyphenation-character",
               "hyphenation-push-character-count", "hyphenation-remain-character-count"]
MARGIN_BLOCK = ["margin-top", "margin-bottom", "margin-left", "margin-right", "space-before",
                "space-after", "start-indent", "end-indent"]
MARGIN_INLINE = ["margin-top", "margin-bottom", "margin-left", "margin-right", "space-start", "space-end"]
INDEX = ["id", "index-class", "index-key"]
KEEPS = ["keep-together", "keep-with-next", "keep-with-previous"]
BREAKS = ["break-after", "break-before"]
PRECEDENCE = ["border-after-precedence", "border-before-precedence", "border-end-precedence",
              "border-start-precedence"]
DIMENSIONS = ["block-progression-dimension", "inline-progression-dimension", "height", "width"]
INLINE_ALIGNMENT = ["alignment-adjust", "alignment-baseline", "baseline-shift", "dominant-baseline"]
# What a template author sets on a container for its content to inherit.
INHERITED = FONT + HYPHENATION + [
    "color", "line-height", "line-height-shift-adjustment", "line-stacking-strategy", "text-align",
    "text-align-last", "text-indent", "last-line-end-indent", "linefeed-treatment",
    "white-space-treatment", "white-space-collapse", "wrap-option", "letter-spacing", "word-spacing",
    "text-transform", "orphans", "widows", "hyphenation-keep", "hyphenation-ladder-count",
    "visibility", "score-spaces", "text-underline-style", "text-underline-width",
    "text-underline-color", "text-overline-style", "text-line-through-style"]

# Shorthands (and the designer's extensions) go wherever what they stand for goes.
SHORTHAND_RULES = [
    ("background-color", ["background", "background-position", "background-size", "box-shadow"]),
    ("border-top-style", ["border", "border-top", "border-right", "border-bottom", "border-left",
                          "border-color", "border-style", "border-width"]),
    ("padding-top", ["padding"]),
    ("margin-top", ["margin"]),
    ("font-family", ["font"]),
    ("break-before", ["page-break-after", "page-break-before"]),
    ("keep-together", ["page-break-inside"]),
    ("white-space-collapse", ["white-space"]),
    ("alignment-baseline", ["vertical-align"]),
    ("relative-position", ["position"]),
    ("absolute-position", ["position"]),
    ("page-height", ["size"]),
    ("language", ["xml:lang"]),
    ("cue-after", ["cue"]),
    ("pause-after", ["pause"]),
    ("border-separation", ["border-spacing"]),
    ("text-decoration", ["text-underline-style", "text-underline-width", "text-underline-color",
                         "text-overline-style", "text-line-through-style"]),
]

# ---------------------------------------------------------------------------
# Content models. Names without a prefix are formatting objects.
# ---------------------------------------------------------------------------
BLOCKS = ["block", "block-container", "table-and-caption", "table", "list-block"]
INLINES = ["bidi-override", "character", "external-graphic", "instream-foreign-object", "inline",
           "inline-container", "leader", "page-number", "page-number-citation",
           "page-number-citation-last", "scaling-value-citation", "basic-link", "multi-toggle",
           "index-page-citation-list"]
NEUTRAL = ["multi-switch", "multi-properties", "index-range-begin", "index-range-end", "wrapper",
           "retrieve-marker", "change-bar-begin", "change-bar-end"]
DESIGNER_BLOCKS = ["kmb:conditional-block-sequence", "kmb:subdocument-content"]
DESIGNER_INLINES = ["kmb:field", "kmb:conditional-inline-sequence", "km:barcode", "km:geomap",
                    "km:object-3d", "km:media-object"]
BLOCK_CONTENT = BLOCKS + NEUTRAL + ["float"] + DESIGNER_BLOCKS
MIXED_CONTENT = INLINES + BLOCKS + NEUTRAL + ["float", "footnote"] + DESIGNER_BLOCKS + DESIGNER_INLINES
INLINE_CONTENT = INLINES + NEUTRAL + ["footnote"] + DESIGNER_INLINES
ROOT_EXTRAS = ["kmb:script", "kmb:variable", "kmb:bookmark-tree", "km:info", "km:stylesheet",
               "km:transpromo", "kmb:conditional-attributes"]
ROOT_PROPERTIES = ["kmb:sample-xml", "kmb:sample-xsd", "kmb:sample-lfa", "kmb:xslt-engine"]

FO = []  # (name, description, properties, content, auto-fill)


def fo(name, description, properties=(), content=(), auto_fill=""):
    FO.append((name, description, list(properties), list(content), auto_fill))


BLOCK_FILL = "<fo:block/>"
ROW_FILL = "<fo:table-row><fo:table-cell><fo:block/></fo:table-cell></fo:table-row>"

# Declarations and pagination
fo("root", "The top of an XSL-FO document: page masters, then page sequences.",
   ["media-usage"] + INHERITED + ROOT_PROPERTIES,
   ["layout-master-set", "declarations", "bookmark-tree", "page-sequence", "page-sequence-wrapper"] + ROOT_EXTRAS,
   '<fo:layout-master-set><fo:simple-page-master master-name="all-pages" page-height="29.7cm" page-width="21cm">'
   '<fo:region-body region-name="xsl-region-body"/></fo:simple-page-master></fo:layout-master-set>'
   '<fo:page-sequence master-reference="all-pages"><fo:flow flow-name="xsl-region-body"><fo:block/></fo:flow></fo:page-sequence>')
fo("declarations", "Global declarations: colour profiles.", [], ["color-profile"])
fo("color-profile", "A colour profile the document refers to by name.",
   ["src", "color-profile-name", "rendering-intent"])
fo("page-sequence", "A run of pages made from one page master and its flows.",
   ["country", "flow-map-reference", "format", "language", "letter-value", "grouping-separator",
    "grouping-size", "id", "index-class", "index-key", "initial-page-number", "force-page-count",
    "master-reference", "reference-orientation", "writing-mode"] + INHERITED,
   ["title", "folio-prefix", "folio-suffix", "static-content", "flow"],
   '<fo:flow flow-name="xsl-region-body"><fo:block/></fo:flow>')
fo("page-sequence-wrapper", "Groups page sequences that share an index class.",
   ["id", "index-class", "index-key"], ["page-sequence", "page-sequence-wrapper"])
fo("layout-master-set", "The page masters and page sequence masters of the document.", [],
   ["simple-page-master", "page-sequence-master", "flow-map"])
fo("page-sequence-master", "The order in which page masters are used.",
   ["master-name", "kmb:xpath", "kmb:condition", "kmb:sort", "kmb:parent-set"],
   ["single-page-master-reference", "repeatable-page-master-reference", "repeatable-page-master-alternatives"])
fo("single-page-master-reference", "One page made from the named page master.", ["master-reference"])
fo("repeatable-page-master-reference", "Pages made from the named page master, repeated.",
   ["master-reference", "maximum-repeats"])
fo("repeatable-page-master-alternatives", "Pages whose master is chosen by conditions, repeated.",
   ["maximum-repeats"], ["conditional-page-master-reference"])
fo("conditional-page-master-reference", "A page master chosen when the page matches its conditions.",
   ["master-reference", "page-position", "odd-or-even", "blank-or-not-blank"])
fo("simple-page-master", "The size, margins and regions of a page.",
   MARGIN_BLOCK + ["master-name", "page-height", "page-width", "reference-orientation", "writing-mode"],
   ["region-body", "region-before", "region-after", "region-start", "region-end", "kmb:hidden-region"],
   '<fo:region-body region-name="xsl-region-body"/>')
fo("region-body", "The main area of the page, where the flow goes.",
   BORDER_PADDING_BACKGROUND + MARGIN_BLOCK + ["clip", "column-count", "column-gap", "display-align",
                                               "overflow", "region-name", "reference-orientation", "writing-mode"])
for region, where in (("region-before", "top"), ("region-after", "bottom")):
    fo(region, f"The region at the {where} of the page, for running headers and footers.",
       BORDER_PADDING_BACKGROUND + ["clip", "display-align", "extent", "overflow", "precedence",
                                    "region-name", "reference-orientation", "writing-mode"])
for region, where in (("region-start", "start"), ("region-end", "end")):
    fo(region, f"The region at the {where} side of the page.",
       BORDER_PADDING_BACKGROUND + ["clip", "display-align", "extent", "overflow", "region-name",
                                    "reference-orientation", "writing-mode"])
fo("flow-map", "Assigns flows to regions.", ["flow-map-name"], ["flow-assignment"])
fo("flow-assignment", "One assignment of flows to regions.", [], ["flow-source-list", "flow-target-list"])
fo("flow-source-list", "The flows of an assignment.", [], ["flow-name-specifier"])
fo("flow-name-specifier", "Names one flow of an assignment.", ["flow-name-reference"])
fo("flow-target-list", "The regions of an assignment.", [], ["region-name-specifier"])
fo("region-name-specifier", "Names one region of an assignment.", ["region-name-reference"])
fo("flow", "The content poured into the body region, page after page.", ["flow-name"] + INHERITED,
   BLOCK_CONTENT, BLOCK_FILL)
fo("static-content", "Content repeated on every page, such as headers and footers.",
   ["flow-name"] + INHERITED, BLOCK_CONTENT, BLOCK_FILL)
fo("title", "The title of a page sequence, for the window title of a viewer.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + FONT + MARGIN_INLINE + ["color", "line-height", "visibility"],
   INLINE_CONTENT)
fo("folio-prefix", "Text put before every page number of the sequence.", [], INLINE_CONTENT)
fo("folio-suffix", "Text put after every page number of the sequence.", [], INLINE_CONTENT)
# Block level
fo("block", "A paragraph, heading or other block of text.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + FONT + HYPHENATION + MARGIN_BLOCK + RELATIVE_POSITION
   + BREAKS + ["color", "text-depth", "text-altitude", "hyphenation-keep", "hyphenation-ladder-count"] + INDEX
   + ["intrusion-displace"] + KEEPS + ["last-line-end-indent", "linefeed-treatment", "line-height",
                                       "line-height-shift-adjustment", "line-stacking-strategy", "orphans",
                                       "white-space-treatment", "span", "text-align", "text-align-last",
                                       "text-indent", "visibility", "white-space-collapse", "widows", "wrap-option"],
   ["marker", "initial-property-set"] + MIXED_CONTENT)
fo("block-container", "A box of blocks that may be positioned, sized, rotated and clipped.",
   ABSOLUTE_POSITION + BORDER_PADDING_BACKGROUND + MARGIN_BLOCK + ["block-progression-dimension"] + BREAKS
   + ["clear", "clip", "display-align", "height"] + INDEX + ["inline-progression-dimension", "intrusion-displace"]
   + KEEPS + ["overflow", "reference-orientation", "span", "width", "writing-mode", "z-index"] + INHERITED,
   ["marker"] + BLOCK_CONTENT, BLOCK_FILL)
# Inline level
fo("bidi-override", "Text whose writing direction is set explicitly.",
   AURAL + FONT + RELATIVE_POSITION + ["color", "direction"] + INDEX
   + ["letter-spacing", "line-height", "score-spaces", "unicode-bidi", "word-spacing"],
   ["marker"] + MIXED_CONTENT)
fo("character", "A single character with its own formatting.",
   AURAL + BORDER_PADDING_BACKGROUND + FONT + HYPHENATION + MARGIN_INLINE + RELATIVE_POSITION
   + ["alignment-adjust", "treat-as-word-space", "alignment-baseline", "baseline-shift", "character", "color",
      "dominant-baseline", "text-depth", "text-altitude", "glyph-orientation-horizontal",
      "glyph-orientation-vertical"] + INDEX
   + ["keep-with-next", "keep-with-previous", "letter-spacing", "line-height", "score-spaces",
      "suppress-at-line-break", "text-decoration", "text-shadow", "text-transform", "visibility", "word-spacing"])
fo("initial-property-set", "Formatting of the first line of a block.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + FONT + RELATIVE_POSITION
   + ["color", "id", "letter-spacing", "line-height", "score-spaces", "text-decoration", "text-shadow",
      "text-transform", "word-spacing"])
GRAPHIC = (ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + MARGIN_INLINE + RELATIVE_POSITION
           + ["alignment-adjust", "alignment-baseline", "allowed-height-scale", "allowed-width-scale",
              "baseline-shift", "block-progression-dimension", "clip", "content-height", "content-type",
              "content-width", "display-align", "dominant-baseline", "height"] + INDEX
           + ["inline-progression-dimension", "keep-with-next", "keep-with-previous", "line-height", "overflow",
              "scaling", "scaling-method", "text-align", "width", "km:alt-text"])
fo("external-graphic", "An image or other graphic read from a file or a data URL.", GRAPHIC + ["src"])
fo("instream-foreign-object", "A graphic written into the template, such as SVG or a chart.", GRAPHIC,
   ["svg:svg", "zc:chart"])
fo("inline", "A run of text with its own formatting inside a line.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + FONT + MARGIN_INLINE + RELATIVE_POSITION
   + INLINE_ALIGNMENT + ["block-progression-dimension", "color", "height"] + INDEX
   + ["inline-progression-dimension"] + KEEPS + ["line-height", "text-decoration", "visibility", "width",
                                                  "wrap-option"] + INHERITED,
   ["marker"] + MIXED_CONTENT)
fo("inline-container", "A box of blocks placed inside a line.",
   BORDER_PADDING_BACKGROUND + MARGIN_INLINE + RELATIVE_POSITION + INLINE_ALIGNMENT
   + ["block-progression-dimension", "clip", "display-align", "height"] + INDEX
   + ["inline-progression-dimension"] + KEEPS + ["line-height", "overflow", "reference-orientation", "width",
                                                  "writing-mode"],
   ["marker"] + BLOCK_CONTENT, BLOCK_FILL)
fo("leader", "A rule, a row of dots or a space that fills a line, as in tables of contents.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + FONT + MARGIN_INLINE + RELATIVE_POSITION
   + INLINE_ALIGNMENT + ["color", "text-depth", "text-altitude"] + INDEX
   + ["keep-with-next", "keep-with-previous", "leader-alignment", "leader-length", "leader-pattern",
      "leader-pattern-width", "rule-style", "rule-thickness", "letter-spacing", "line-height", "text-shadow",
      "visibility", "word-spacing"],
   [name for name in INLINE_CONTENT if name != "leader"])
NUMBER_CITATION = (ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + FONT + MARGIN_INLINE + RELATIVE_POSITION
                   + INLINE_ALIGNMENT + INDEX
                   + ["keep-with-next", "keep-with-previous", "letter-spacing", "line-height", "score-spaces",
                      "text-altitude", "text-decoration", "text-depth", "text-shadow", "text-transform",
                      "visibility", "word-spacing", "wrap-option"])
fo("page-number", "The number of the current page.", NUMBER_CITATION)
fo("page-number-citation", "The number of the page an object with the given id is on.",
   NUMBER_CITATION + ["ref-id"])
fo("page-number-citation-last", "The number of the last page an object with the given id is on.",
   NUMBER_CITATION + ["page-citation-strategy", "ref-id"])
fo("scaling-value-citation", "The scale at which an image with the given id is drawn.",
   NUMBER_CITATION + ["ref-id", "intrinsic-scale-value", "scale-option"])
# Tables
fo("table-and-caption", "A table with its caption.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + MARGIN_BLOCK + RELATIVE_POSITION + BREAKS
   + ["caption-side", "clear"] + INDEX + ["intrusion-displace"] + KEEPS + ["text-align"] + INHERITED,
   ["marker", "table-caption", "table"],
   "<fo:table-caption><fo:block/></fo:table-caption><fo:table><fo:table-body>" + ROW_FILL + "</fo:table-body></fo:table>")
fo("table", "A table: column descriptions, header, footer and bodies.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + MARGIN_BLOCK + RELATIVE_POSITION
   + ["block-progression-dimension"] + PRECEDENCE + ["border-collapse", "border-separation"] + BREAKS
   + ["clear"] + INDEX + ["inline-progression-dimension", "intrusion-displace", "height"] + KEEPS
   + ["table-layout", "table-omit-footer-at-break", "table-omit-header-at-break", "width", "writing-mode"]
   + INHERITED,
   ["marker", "table-column", "table-header", "table-footer", "table-body"],
   "<fo:table-body>" + ROW_FILL + "</fo:table-body>")
fo("table-column", "Width and formatting shared by the cells of a column.",
   BORDER_PADDING_BACKGROUND + PRECEDENCE + ["column-number", "column-width", "number-columns-repeated",
                                             "number-columns-spanned", "visibility"])
fo("table-caption", "The caption of a table.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + RELATIVE_POSITION
   + ["block-progression-dimension", "height"] + INDEX
   + ["inline-progression-dimension", "intrusion-displace", "keep-together", "width"] + INHERITED,
   ["marker"] + BLOCK_CONTENT, BLOCK_FILL)
for part, what in (("table-header", "The rows repeated at the top of every page of a table."),
                   ("table-footer", "The rows repeated at the bottom of every page of a table."),
                   ("table-body", "The rows of a table.")):
    fo(part, what,
       ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + RELATIVE_POSITION + PRECEDENCE + INDEX
       + ["visibility"] + INHERITED,
       ["marker", "table-row", "table-cell", "kmb:table-row-repeat"]
       + (["retrieve-table-marker"] if part != "table-body" else []),
       ROW_FILL)
fo("table-row", "A row of table cells.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + RELATIVE_POSITION + ["block-progression-dimension"]
   + PRECEDENCE + BREAKS + INDEX + ["height"] + KEEPS + ["visibility"] + INHERITED,
   ["table-cell"], "<fo:table-cell><fo:block/></fo:table-cell>")
fo("table-cell", "A cell of a table, holding blocks.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + RELATIVE_POSITION + PRECEDENCE
   + ["block-progression-dimension", "column-number", "display-align", "relative-align", "empty-cells",
      "ends-row", "height"] + INDEX + ["inline-progression-dimension", "keep-together", "number-columns-spanned",
                                       "number-rows-spanned", "starts-row", "width"] + INHERITED,
   ["marker"] + BLOCK_CONTENT, BLOCK_FILL)
# Lists
fo("list-block", "A list of items, each with a label and a body.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + MARGIN_BLOCK + RELATIVE_POSITION + BREAKS
   + ["clear"] + INDEX + ["intrusion-displace"] + KEEPS
   + ["provisional-distance-between-starts", "provisional-label-separation"] + INHERITED,
   ["marker", "list-item"],
   "<fo:list-item><fo:list-item-label end-indent=\"label-end()\"><fo:block/></fo:list-item-label>"
   "<fo:list-item-body start-indent=\"body-start()\"><fo:block/></fo:list-item-body></fo:list-item>")
fo("list-item", "An item of a list: its label and its body.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + MARGIN_BLOCK + RELATIVE_POSITION + BREAKS + INDEX
   + ["intrusion-displace"] + KEEPS + ["relative-align"] + INHERITED,
   ["marker", "list-item-label", "list-item-body"],
   "<fo:list-item-label end-indent=\"label-end()\"><fo:block/></fo:list-item-label>"
   "<fo:list-item-body start-indent=\"body-start()\"><fo:block/></fo:list-item-body>")
fo("list-item-body", "The content of a list item.",
   ACCESSIBILITY + INDEX + ["keep-together"] + INHERITED + ["start-indent", "end-indent"],
   ["marker"] + BLOCK_CONTENT, BLOCK_FILL)
fo("list-item-label", "The label of a list item, such as a bullet or a number.",
   ACCESSIBILITY + INDEX + ["keep-together"] + INHERITED + ["start-indent", "end-indent"],
   ["marker"] + BLOCK_CONTENT, BLOCK_FILL)
# Dynamic effects and links
fo("basic-link", "A link to an object of the document or to an external address.",
   ACCESSIBILITY + AURAL + BORDER_PADDING_BACKGROUND + MARGIN_INLINE + RELATIVE_POSITION + INLINE_ALIGNMENT
   + ["destination-placement-offset", "external-destination"] + INDEX
   + ["indicate-destination", "internal-destination"] + KEEPS
   + ["line-height", "show-destination", "target-processing-context", "target-presentation-context",
      "target-stylesheet"] + INHERITED,
   ["marker"] + MIXED_CONTENT)
fo("multi-switch", "Alternative contents, of which one is shown at a time.",
   ACCESSIBILITY + ["auto-restore"] + INDEX, ["multi-case"],
   '<fo:multi-case starting-state="show"/>')
fo("multi-case", "One alternative of a multi-switch.",
   ACCESSIBILITY + INDEX + ["starting-state", "case-name", "case-title"], MIXED_CONTENT)
fo("multi-toggle", "Switches a multi-switch to another case when activated.",
   ACCESSIBILITY + INDEX + ["switch-to"], MIXED_CONTENT)
fo("multi-properties", "Content whose formatting changes with its state (hover, visited...).",
   ACCESSIBILITY + INDEX, ["multi-property-set", "wrapper"])
fo("multi-property-set", "The formatting of multi-properties in one state.", ["id", "active-state"])
# Index
fo("index-page-number-prefix", "Text put before cited page numbers.", [], INLINE_CONTENT)
fo("index-page-number-suffix", "Text put after cited page numbers.", [], INLINE_CONTENT)
fo("index-range-begin", "Starts a range of pages cited under an index key.", INDEX)
fo("index-range-end", "Ends a range of pages cited under an index key.", ["ref-id"])
fo("index-key-reference", "Cites the pages of an index key.", ["page-number-treatment", "ref-index-key"],
   ["index-page-number-prefix", "index-page-number-suffix"])
fo("index-page-citation-list", "The list of pages cited for index keys.",
   ["merge-sequential-page-numbers", "merge-ranges-across-index-key-references",
    "merge-pages-across-index-key-references"],
   ["index-page-citation-list-separator", "index-page-citation-range-separator", "index-key-reference"])
fo("index-page-citation-list-separator", "The text between cited pages.", [], INLINE_CONTENT)
fo("index-page-citation-range-separator", "The text between the ends of a page range.", [], INLINE_CONTENT)
# Bookmarks
fo("bookmark-tree", "The outline of the document shown by a PDF viewer.", [], ["bookmark"])
fo("bookmark", "An entry of the outline, pointing at an object or address.",
   ACCESSIBILITY + ["external-destination", "internal-destination", "starting-state"],
   ["bookmark-title", "bookmark"], "<fo:bookmark-title/>")
fo("bookmark-title", "The text of a bookmark.", ACCESSIBILITY + ["color", "font-style", "font-weight"])
# Out of line
fo("float", "Content placed at the side or at the top of the page, with text flowing around it.",
   ["float", "clear"] + INHERITED, BLOCK_CONTENT, BLOCK_FILL)
fo("footnote", "A footnote: its citation in the text and its body at the bottom of the page.",
   ACCESSIBILITY + INDEX + INHERITED, ["inline", "footnote-body"],
   "<fo:inline baseline-shift=\"super\" font-size=\"75%\">1</fo:inline><fo:footnote-body><fo:block/></fo:footnote-body>")
fo("footnote-body", "The text of a footnote.", ACCESSIBILITY + INDEX + INHERITED, BLOCK_CONTENT, BLOCK_FILL)
# Other
fo("change-bar-begin", "Starts a change bar in the margin.",
   ["change-bar-class", "change-bar-color", "change-bar-offset", "change-bar-placement", "change-bar-style",
    "change-bar-width", "z-index"])
fo("change-bar-end", "Ends a change bar.", ["change-bar-class"])
fo("wrapper", "Carries inherited properties to its content without making an area.",
   INDEX + INHERITED, ["marker"] + MIXED_CONTENT)
fo("marker", "Content retrieved into static content, such as running headers.",
   ["marker-class-name"], [name for name in MIXED_CONTENT])
fo("retrieve-marker", "Shows the content of a marker of the given class.",
   ["retrieve-class-name", "retrieve-position", "retrieve-boundary"])
fo("retrieve-table-marker", "Shows the content of a table marker in a header or footer.",
   ["retrieve-class-name", "retrieve-position-within-table", "retrieve-boundary-within-table"])

# ---------------------------------------------------------------------------
# The designer's kmb: markup.
# ---------------------------------------------------------------------------
KMB_ATTRIBUTES = {
    "xpath": ("string", "xpath", "Data", "The XPath of the data, relative to the context."),
    "format": ("string", "format", "Data", "How the value prints: number:, currency:, date:, phone: or custom: followed by its pattern."),
    "sort": ("string", "sort", "Data", "The sort criteria: s:select dt:type or:order co:case;..."),
    "group-context": ("string", "xpath", "Data", "The nodes whose rows form one group, relative to the repeat."),
    "group-by": ("string", "xpath", "Data", "The expression the rows of one group share, relative to the group context."),
    "group-merge": ("enum", "true|false", "Data", "Whether a group's content is merged into its first row."),
    "test": ("string", "xpath", "Data", "The condition under which the section is shown or the attribute is set."),
    "object": ("string", "idref", "Data", "The id of the template object the conditional attribute belongs to."),
    "src": ("url", None, "Data", "The building block file, as url(path)."),
    "name": ("string", "name", "Data", "The name of the parameter or variable, or of the attribute a condition sets."),
    "value": ("string", "xpath", "Data", "The value of the parameter (an XPath expression), or the fixed value a condition sets."),
    "select": ("string", "xpath", "Data", "The default value of the variable: an XPath expression."),
    "prefix": ("string", "prefix", "Scripts", "The namespace prefix expressions call the script's functions with."),
    "language": ("enum", "JScript|CSharp|VBScript", "Scripts", "The language the script is written in."),
    "sample-xml": ("url", None, "Sample Data", "The sample XML file the template is designed against."),
    "sample-xsd": ("url", None, "Sample Data", "The XML schema the sample data follows."),
    "sample-lfa": ("url", None, "Sample Data", "The data aggregation file that makes the sample data."),
    "xslt-engine": ("string", "integer", "Sample Data", "The XSLT engine the template is run with."),
    "title": ("string", "text", "Bookmarks", "The fixed title of the bookmark."),
    "id": ("string", "idref", "Bookmarks", "The identifier of the template object the bookmark points at."),
    "condition": ("string", "xpath", "Bookmarks", "The condition under which the bookmark appears."),
    "objectId": ("string", "id", "Bookmarks", "The identifier the host keeps the bookmark's dynamic title under."),
    "parent-set": ("string", "name", "Page Sets", "The page set a dynamic page set repeats within."),
}
KMB_ELEMENTS = [
    ("document", "A template whose root is the designer's own: page masters, then page sequences.",
     ["kmb:sample-xml", "kmb:sample-xsd", "kmb:sample-lfa", "kmb:xslt-engine", "fo:media-usage"]
     + ["fo:" + name for name in INHERITED],
     ["fo:layout-master-set", "fo:declarations", "fo:bookmark-tree", "fo:page-sequence",
      "fo:page-sequence-wrapper", "script", "variable", "bookmark-tree", "km:info", "km:stylesheet", "km:transpromo",
      "conditional-attributes"],
     ""),
    ("field", "A value taken from the data.", ["xpath", "format", "fo:id"], [], ""),
    ("table-row-repeat", "Table rows repeated once for every node the XPath selects.",
     ["xpath", "sort", "group-context", "group-by", "group-merge", "fo:id"], ["fo:table-row"],
     "<fo:table-row><fo:table-cell><fo:block/></fo:table-cell></fo:table-row>"),
    ("subdocument-content", "The content of a building block, included with its parameters.",
     ["kmb:src", "fo:id"], ["subdocument-parameter"], ""),
    ("subdocument-parameter", "A parameter passed to a building block.", ["name", "value"], [], ""),
    ("conditional-block-sequence", "Alternative blocks: the first whose test holds is shown, else the last one without test.",
     [], ["conditional-block"], "<kmb:conditional-block><fo:block/></kmb:conditional-block>"),
    ("conditional-block", "One alternative of a conditional block sequence.", ["test"],
     ["fo:block", "fo:block-container", "fo:table-and-caption", "fo:table", "fo:list-block", "fo:wrapper",
      "conditional-block-sequence", "subdocument-content"], "<fo:block/>"),
    ("conditional-inline-sequence", "Alternative inline content: the first whose test holds is shown, else the last one without test.",
     [], ["conditional-inline"], "<kmb:conditional-inline><fo:inline/></kmb:conditional-inline>"),
    ("conditional-inline", "One alternative of a conditional inline sequence.", ["test"],
     ["fo:" + name for name in INLINES] + ["fo:wrapper", "field", "conditional-inline-sequence"], "<fo:inline/>"),
    ("conditional-attributes", "The template's conditional formatting: attributes its objects take while a condition holds.",
     [], ["attribute"], ""),
    ("attribute", "An attribute the object with the given id takes while the test holds: the fixed value, or what the XPath selects.",
     ["object", "name", "value", "xpath", "test"], [], ""),
    ("hidden-region", "A region of a page layout that is switched off, kept with its settings.", [],
     ["fo:region-before", "fo:region-after", "fo:region-start", "fo:region-end"], ""),
    ("script", "Script code whose functions expressions call through its prefix.", ["prefix", "language"], [], ""),
    ("variable", "A parameter of the template, with its default value.", ["name", "select"], [], ""),
    ("bookmark-tree", "The template's outline of static and dynamic bookmarks.", [],
     ["bookmark", "dynamic-bookmark"], ""),
    ("bookmark", "A bookmark with a fixed title.", ["title", "id"], ["bookmark", "dynamic-bookmark"], ""),
    ("dynamic-bookmark", "Bookmarks repeated for the data, with titles taken from it.",
     ["id", "xpath", "condition", "sort", "objectId"], ["bookmark", "dynamic-bookmark"], ""),
]

# ---------------------------------------------------------------------------
# The product family's km: markup.
# ---------------------------------------------------------------------------
BARCODE_TYPES = ("UPC-E|EAN-8|UPC-A|EAN-13|DataMatrix|3of9|2of5|Postnet|Planet|Code128|Code128Raw|"
                 "Code128UCC|OMR|Pdf417|Aztec|Maxicode|QRBarcode|IntelligentMail")
KM_ATTRIBUTES = {
    "type": ("enum", BARCODE_TYPES, "Barcode", "The symbology of the barcode."),
    "value": ("string", "text", "Barcode", "The value the element shows."),
    "draw-text": ("enum", BOOL, "Barcode", "Whether the human-readable text is drawn."),
    "rotation": ("enum", "0|90|180|270", "Barcode", "Rotation of the barcode, in degrees."),
    "value-type": ("enum", "text|hex", "Barcode", "Whether the value is text or hexadecimal bytes."),
    "include-checksum": ("enum", BOOL, "Barcode", "Whether a 2 of 5 barcode carries a check digit."),
    "extended": ("enum", BOOL, "Barcode", "Whether a 3 of 9 barcode uses the full ASCII set."),
    "address": ("string", "text", "Map", "The address the map shows."),
    "key": ("string", "text", "Map", "The user's key for the map service."),
    "map-type": ("enum", "roadmap|mobile|satellite|terrain|hybrid", "Map", "The kind of map."),
    "zoom": ("enum", "|".join(str(level) for level in range(19)), "Map", "The zoom level; 0 lets the service choose."),
    "display-marker": ("enum", BOOL, "Map", "Whether a marker shows the address."),
    "src": ("url", None, "Media", "The file of the model, media or stylesheet."),
    "preview-src": ("url", None, "Media", "The image shown where the model or media cannot play."),
    "lighting-scheme": ("enum", "Artwork|None|White|Day|Night|Hard|Primary|Blue|Red|Cube|CAD|Headlamp", "Media",
                        "The lighting of the 3D model."),
    "name": ("string", "name", "Media", "The name of the parameter."),
    "param-type": ("enum", "uri|player", "Media", "Whether the parameter is an address or a player setting."),
    "alt-text": ("string", "text", "Media", "The text read out in place of the image."),
    "title": ("string", "text", "Document Information", "The title of the document."),
    "author": ("string", "text", "Document Information", "The author of the document."),
    "subject": ("string", "text", "Document Information", "The subject of the document."),
    "keywords": ("string", "text", "Document Information", "Keywords describing the document."),
    "rule": ("string", "text", "Transpromo", "The rule that finds where the promotional image goes."),
    "meta-type": ("string", "text", "Sample Data", "Annotation of sample data: the type of the node."),
    "ref-type": ("string", "text", "Sample Data", "Annotation of sample data: the type the node refers to."),
    "repeated-element": ("enum", BOOL, "Sample Data", "Annotation of sample data: the element repeats."),
}
BOX = ["fo:id", "fo:content-width", "fo:content-height", "fo:width", "fo:height", "fo:scaling"]
KM_ELEMENTS = [
    ("barcode", "A barcode of one of eighteen symbologies.",
     ["km:type", "km:value", "km:draw-text", "km:rotation", "km:value-type", "include-checksum", "extended"] + BOX,
     [], ""),
    ("geomap", "A map picture of an address, drawn by a map service.",
     ["address", "key", "map-type", "zoom", "display-marker"] + BOX, [], ""),
    ("object-3d", "A 3D model with its preview image.",
     ["km:src", "km:preview-src", "km:lighting-scheme"] + BOX, [], ""),
    ("media-object", "A media file with its preview image and player parameters.",
     ["km:src", "km:preview-src"] + BOX, ["media-parameter"], ""),
    ("media-parameter", "A parameter of the media player.", ["name", "value", "param-type", "fo:id"], [], ""),
    ("info", "The document information: title, author, subject and keywords.",
     ["title", "author", "subject", "keywords", "fo:id"], [], ""),
    ("stylesheet", "A CSS stylesheet the template uses.", ["src", "fo:id"], [], ""),
    ("transpromo", "A promotional image placed into free space of the pages.", ["fo:src", "km:rule", "fo:id"], [], ""),
]

# ---------------------------------------------------------------------------
# XSLT 1.0.
# ---------------------------------------------------------------------------
YES_NO = "yes|no"
XSL_ATTRIBUTES = {
    "version": ("string", "number", "The XSLT version the stylesheet is written for."),
    "id": ("string", "id", "The identifier of the stylesheet."),
    "extension-element-prefixes": ("string", "prefix-list", "Prefixes of extension elements."),
    "exclude-result-prefixes": ("string", "prefix-list", "Prefixes not copied into the result."),
    "href": ("url", None, "The stylesheet to import or include."),
    "elements": ("string", "name-tests", "The elements the rule applies to."),
    "method": ("enum", "xml|html|text", "How the result is written."),
    "encoding": ("string", "encoding", "The character encoding of the result."),
    "omit-xml-declaration": ("enum", YES_NO, "Whether the XML declaration is left out."),
    "standalone": ("enum", YES_NO, "The standalone declaration of the result."),
    "doctype-public": ("string", "text", "The public identifier of the result's document type."),
    "doctype-system": ("string", "text", "The system identifier of the result's document type."),
    "cdata-section-elements": ("string", "qname-list", "Elements whose text is written as CDATA sections."),
    "indent": ("enum", YES_NO, "Whether the result is indented."),
    "media-type": ("string", "content-type", "The media type of the result."),
    "name": ("string", "qname", "The qualified name of the template, variable, key or result node."),
    "match": ("string", "pattern", "The pattern of the nodes the template or key applies to."),
    "use": ("string", "xpath", "The expression whose value is the key."),
    "decimal-separator": ("string", "character", "The decimal separator of the format."),
    "grouping-separator": ("string", "character", "The character between digit groups."),
    "infinity": ("string", "text", "The text shown for infinity."),
    "minus-sign": ("string", "character", "The minus sign of the format."),
    "NaN": ("string", "text", "The text shown for a value that is not a number."),
    "percent": ("string", "character", "The percent sign of the format."),
    "per-mille": ("string", "character", "The per-mille sign of the format."),
    "zero-digit": ("string", "character", "The digit zero of the format."),
    "digit": ("string", "character", "The digit placeholder of the format."),
    "pattern-separator": ("string", "character", "The separator of positive and negative patterns."),
    "stylesheet-prefix": ("string", "prefix", "The prefix used in the stylesheet."),
    "result-prefix": ("string", "prefix", "The prefix written into the result."),
    "use-attribute-sets": ("string", "qname-list", "The attribute sets copied onto the element."),
    "select": ("string", "xpath", "The expression whose value is used."),
    "priority": ("string", "number", "The priority of the template among those that match."),
    "mode": ("string", "qname", "The mode the templates are applied in."),
    "disable-output-escaping": ("enum", YES_NO, "Whether special characters are written unescaped."),
    "test": ("string", "xpath", "The condition."),
    "lang": ("string", "language", "The language of the sort or number."),
    "data-type": ("enum", "text|number", "Whether the sort keys are compared as text or numbers."),
    "order": ("enum", "ascending|descending", "The direction of the sort."),
    "case-order": ("enum", "upper-first|lower-first", "Whether capitals sort before small letters."),
    "namespace": ("url", None, "The namespace URI of the created node."),
    "level": ("enum", "single|multiple|any", "Which nodes are counted."),
    "count": ("string", "pattern", "The pattern of the nodes counted."),
    "from": ("string", "pattern", "The pattern of the node counting starts at."),
    "value": ("string", "xpath", "The number to format."),
    "format": ("string", "format", "The number format, such as 1, 01, i, I, a or A."),
    "letter-value": ("enum", "alphabetic|traditional", "Which letter numbering is used."),
    "grouping-size": ("string", "integer", "The number of digits in a group."),
    "terminate": ("enum", YES_NO, "Whether the transformation stops after the message."),
}
INSTRUCTIONS = ["apply-templates", "call-template", "apply-imports", "for-each", "value-of", "copy-of",
                "number", "choose", "if", "text", "copy", "variable", "message", "fallback",
                "processing-instruction", "comment", "element", "attribute"]
TOP_LEVEL = ["import", "include", "strip-space", "preserve-space", "output", "key", "decimal-format",
             "namespace-alias", "attribute-set", "variable", "param", "template"]
XSL_ELEMENTS = [
    ("stylesheet", "The stylesheet: top-level declarations and templates.",
     ["id", "extension-element-prefixes", "exclude-result-prefixes", "version"], TOP_LEVEL, ""),
    ("transform", "The same as xsl:stylesheet.",
     ["id", "extension-element-prefixes", "exclude-result-prefixes", "version"], TOP_LEVEL, ""),
    ("import", "Imports the templates of another stylesheet at lower precedence.", ["href"], [], ""),
    ("include", "Includes the declarations of another stylesheet.", ["href"], [], ""),
    ("strip-space", "Elements whose white-space text is removed from the source.", ["elements"], [], ""),
    ("preserve-space", "Elements whose white-space text is kept.", ["elements"], [], ""),
    ("output", "How the result is written.",
     ["method", "version", "encoding", "omit-xml-declaration", "standalone", "doctype-public", "doctype-system",
      "cdata-section-elements", "indent", "media-type"], [], ""),
    ("key", "A key for looking nodes up with the key() function.", ["name", "match", "use"], [], ""),
    ("decimal-format", "A number format for format-number().",
     ["name", "decimal-separator", "grouping-separator", "infinity", "minus-sign", "NaN", "percent", "per-mille",
      "zero-digit", "digit", "pattern-separator"], [], ""),
    ("namespace-alias", "Writes one namespace prefix as another in the result.",
     ["stylesheet-prefix", "result-prefix"], [], ""),
    ("attribute-set", "A named set of attributes.", ["name", "use-attribute-sets"], ["attribute"], ""),
    ("variable", "A variable bound to a value.", ["name", "select"], INSTRUCTIONS, ""),
    ("param", "A parameter with its default value.", ["name", "select"], INSTRUCTIONS, ""),
    ("template", "A template rule or named template.", ["match", "name", "priority", "mode"],
     ["param"] + INSTRUCTIONS, ""),
    ("apply-templates", "Processes the selected nodes with the matching templates.", ["select", "mode"],
     ["sort", "with-param"], ""),
    ("call-template", "Calls a named template.", ["name"], ["with-param"], ""),
    ("apply-imports", "Applies the imported templates to the current node.", [], [], ""),
    ("with-param", "A parameter passed to a template.", ["name", "select"], INSTRUCTIONS, ""),
    ("value-of", "Writes the text value of an expression.", ["select", "disable-output-escaping"], [], ""),
    ("copy-of", "Copies the selected nodes into the result.", ["select"], [], ""),
    ("copy", "Copies the current node without its children.", ["use-attribute-sets"], INSTRUCTIONS, ""),
    ("if", "Processes its content when the test holds.", ["test"], INSTRUCTIONS, ""),
    ("choose", "Processes the first alternative whose test holds.", [], ["when", "otherwise"],
     '<xsl:when test="true()"/><xsl:otherwise/>'),
    ("when", "An alternative of xsl:choose.", ["test"], INSTRUCTIONS, ""),
    ("otherwise", "The alternative of xsl:choose taken when no test holds.", [], INSTRUCTIONS, ""),
    ("for-each", "Processes its content once for every selected node.", ["select"], ["sort"] + INSTRUCTIONS, ""),
    ("sort", "A sort key of the nodes processed.", ["select", "lang", "data-type", "order", "case-order"], [], ""),
    ("element", "Creates an element.", ["name", "namespace", "use-attribute-sets"], INSTRUCTIONS, ""),
    ("attribute", "Creates an attribute.", ["name", "namespace"], INSTRUCTIONS, ""),
    ("text", "Writes text as it stands.", ["disable-output-escaping"], [], ""),
    ("comment", "Creates a comment.", [], INSTRUCTIONS, ""),
    ("processing-instruction", "Creates a processing instruction.", ["name"], INSTRUCTIONS, ""),
    ("number", "Writes a formatted number, such as the position of the node.",
     ["level", "count", "from", "value", "format", "lang", "letter-value", "grouping-separator", "grouping-size"],
     [], ""),
    ("message", "Reports a message, and may stop the transformation.", ["terminate"], INSTRUCTIONS, ""),
    ("fallback", "Content used when the enclosing instruction is not supported.", [], INSTRUCTIONS, ""),
]

# ---------------------------------------------------------------------------
# Writing.
# ---------------------------------------------------------------------------
SIDE_WORDS = ("top", "bottom", "left", "right")
WORDS = {"id": "ID", "xpath": "XPath", "url": "URL", "xml:lang": "XML Language", "NaN": "NaN",
         "3d": "3D", "objectId": "Object ID", "xslt": "XSLT", "lfa": "LFA", "xsd": "XSD", "xml": "XML"}


def display_name(name):
    """The name lists show. The side of an absolute border property is left
    out: the conditional formatting dialog puts "Left ", "Right "... before it."""
    if name in WORDS:
        return WORDS[name]
    words = name.split("-")
    if words[0] == "border" and len(words) >= 2 and words[1] in SIDE_WORDS:
        words = [words[0]] + words[2:]
    return " ".join(WORDS.get(word, word[:1].upper() + word[1:]) for word in words)


def split_ref(name, own):
    """("prefix", "local") of a reference; no prefix means the file's own vocabulary."""
    if ":" in name and not name.startswith("xml:"):
        prefix, local = name.split(":", 1)
        return (None if prefix == own else prefix), local
    return None, name


def kind_xml(kind, arg, description):
    desc = quoteattr(description)
    if kind == "enum":
        values, _, role = arg.partition(";")
        role_attr = f" role={quoteattr(role)}" if role else ""
        items = "".join(f"<value>{escape(v)}</value>" for v in values.split("|"))
        return f"<enum{role_attr} description={desc}>{items}</enum>"
    if kind == "string":
        return f"<string role={quoteattr(arg)} description={desc}/>"
    return f"<{kind} description={desc}/>"


def unique(names):
    seen = []
    for name in names:
        if name not in seen:
            seen.append(name)
    return seen


NAMES_CONTEXT = "SyntaxNames"
NAMES_SOURCE = ROOT / "src/xml/model/syntaxnametexts.cpp"


def write_name_texts(path, attribute_lists):
    """The display names and groups as translatable texts of one context."""
    texts = sorted({text for attributes in attribute_lists for name, (_, _, group, _) in attributes
                    for text in (display_name(name), group)})
    assert not any('"' in text or "\\" in text for text in texts), "texts are written unescaped"
    lines = ["// Generated by scripts/generate-syntax.py: edit the script, not this file.",
             "// The display names and groups of the syntax files, collected by lupdate;",
             "// SyntaxNames translates them where lists show them.",
             "#include <QtGlobal>",
             "",
             "namespace {",
             "[[maybe_unused]] const char* const SyntaxNameTexts[] = {"]
    lines += [f'    QT_TRANSLATE_NOOP("{NAMES_CONTEXT}", "{text}"),' for text in texts]
    lines += ["};", "} // namespace"]
    path.write_text("\n".join(lines) + "\n", encoding="utf-8")


def write_file(path, prefix, root_element, elements, attributes, comment):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f"<!-- {comment} Generated by scripts/generate-syntax.py: edit the script, not this file. -->"]
    root_attr = f" root-element={quoteattr(root_element)}" if root_element else ""
    lines.append(f"<syntax-definition prefix={quoteattr(prefix)} namespace={quoteattr(NAMESPACES[prefix])}{root_attr}>")
    lines.append("  <elements>")
    for name, description, properties, content, auto_fill in elements:
        lines.append(f"    <element name={quoteattr(name)} description={quoteattr(description)}>")
        refs = []
        for ref in unique(properties):
            ns, local = split_ref(ref, None)
            ns_attr = f" namespace={quoteattr(ns)}" if ns else ""
            refs.append(f"<ref-attribute name={quoteattr(local)}{ns_attr}/>")
        lines.append("      <properties>" + "".join(refs) + "</properties>" if refs else "      <properties/>")
        refs = []
        for ref in unique(content):
            ns, local = split_ref(ref, prefix)
            ns_attr = f" namespace={quoteattr(ns)}" if ns else ""
            refs.append(f"<ref-element name={quoteattr(local)}{ns_attr}/>")
        lines.append("      <content>" + "".join(refs) + "</content>" if refs else "      <content/>")
        lines.append(f"      <auto-fill>{escape(auto_fill)}</auto-fill>" if auto_fill else "      <auto-fill/>")
        lines.append("    </element>")
    lines.append("  </elements>")
    lines.append("  <attributes>")
    for name, (kind, arg, group, description) in attributes:
        lines.append(f"    <attribute name={quoteattr(name)} display-name={quoteattr(display_name(name))}"
                     f" group={quoteattr(group)}>{kind_xml(kind, arg, description)}</attribute>")
    lines.append("  </attributes>")
    lines.append("</syntax-definition>")
    path.write_text("\n".join(lines) + "\n", encoding="utf-8")


def with_shorthands(properties):
    result = list(properties)
    for longhand, shorthands in SHORTHAND_RULES:
        if longhand in properties:
            result += shorthands
    return result


def qualify_fo(properties):
    """FO properties are named with the fo: prefix, as property collections name them."""
    return [name if (":" in name and not name.startswith("xml:")) else "fo:" + name for name in properties]


def check():
    names = {element[0] for element in FO}
    for name, _, properties, content, _ in FO:
        for prop_name in properties:
            if ":" not in prop_name or prop_name.startswith("xml:"):
                assert prop_name in P, f"fo:{name} takes the unknown property {prop_name}"
        for child in content:
            if ":" not in child:
                assert child in names, f"fo:{name} holds the unknown object {child}"
    kmb_names = {element[0] for element in KMB_ELEMENTS}
    km_names = {element[0] for element in KM_ELEMENTS}
    known = {"fo": (names, P), "kmb": (kmb_names, KMB_ATTRIBUTES), "km": (km_names, KM_ATTRIBUTES)}
    for prefix, elements in (("fo", FO), ("kmb", KMB_ELEMENTS), ("km", KM_ELEMENTS)):
        for name, _, properties, content, _ in elements:
            for ref in properties:
                ns, local = split_ref(ref, None)
                ns = ns or prefix
                if ns in known and not local.startswith("xml:"):
                    assert local in known[ns][1], f"{prefix}:{name} takes the unknown {ns}:{local}"
            for ref in content:
                ns, local = split_ref(ref, None)
                ns = ns or prefix
                if ns in known:
                    assert local in known[ns][0], f"{prefix}:{name} holds the unknown {ns}:{local}"
    for name, _, properties, content, _ in XSL_ELEMENTS:
        for ref in properties:
            assert ref in XSL_ATTRIBUTES, f"xsl:{name} takes the unknown {ref}"
        for ref in content:
            assert ref in {e[0] for e in XSL_ELEMENTS}, f"xsl:{name} holds the unknown {ref}"


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "resources/syntax"
    out.mkdir(parents=True, exist_ok=True)
    fo_elements = [(n, d, qualify_fo(with_shorthands(p)), c, a) for n, d, p, c, a in FO]
    check()
    fo_attributes = sorted(P.items())
    kmb_attributes = sorted(KMB_ATTRIBUTES.items())
    xsl_attributes = [(n, (k, a, "XSLT", d)) for n, (k, a, d) in sorted(XSL_ATTRIBUTES.items())]
    km_attributes = sorted(KM_ATTRIBUTES.items())
    write_file(out / "FOSytanx.xml", "fo", "root", fo_elements, fo_attributes,
               "XSL-FO 1.1 formatting objects and properties, with the designer's extensions.")
    write_file(out / "KMBSytanx.xml", "kmb", "document", KMB_ELEMENTS, kmb_attributes, "The designer's kmb: markup.")
    write_file(out / "XSLSyntax.xml", "xsl", "stylesheet", XSL_ELEMENTS, xsl_attributes, "XSLT 1.0.")
    write_file(out / "KMSyntax.xml", "km", "", KM_ELEMENTS, km_attributes, "The product family's km: markup.")
    write_name_texts(NAMES_SOURCE, [fo_attributes, kmb_attributes, xsl_attributes, km_attributes])


if __name__ == "__main__":
    main()
