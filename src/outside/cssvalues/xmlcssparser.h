#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/xmlcssstyle.h"
#include "uieditor_export.h"

#include <vector>

namespace Xml {

/// Reads stylesheet text into style rules (CssStyle) with their selectors,
/// their declarations and the inclusive character positions of each rule.
///
/// The parser follows the structure of CSS Syntax Level 3: comments, strings,
/// escapes, url(), "!important", at-rules with and without blocks. Rules inside
/// "@media" blocks are read with the media they apply to; every other at-rule
/// ("@import", "@font-face", "@page", ...) is passed over. It never fails: what
/// cannot be read as a rule is skipped, and the rules around it keep their
/// positions. Braces are structural: an unclosed "(", "[" or string never
/// swallows the "}" of its rule, so one typo does not take the rest of the
/// file with it. An unclosed comment runs to the end of the text.
class UIEDITOR_EXPORT CssParser
{
public:
    /// The media types getCssStyleSheet() selects rules for.
    enum MediaType : int {
        /// Rules that apply whatever the medium: those outside "@media" and
        /// those in "@media all".
        AllMedia = 0,
        ScreenMedia = 1,
        PrintMedia = 2,
    };

    CssParser() = default;

    /// Parses `text`, replacing whatever an earlier call read. Positions are
    /// indexes into `text`.
    void loadCss(const Core::String& text);

    /// The rules that apply to `media`, in stylesheet order. Rules of
    /// "@media" blocks whose queries carry conditions ("screen and
    /// (min-width: 30em)") or are negated never apply here, since a template
    /// designer cannot tell when they would.
    std::vector<CssStyle> getCssStyleSheet(int media = AllMedia) const;

    /// Every rule read, whatever its media, in stylesheet order.
    const std::vector<CssStyle>& getStyles() const { return m_styles; }

private:
    std::vector<CssStyle> m_styles;
};

} // namespace Xml
