#pragma once

#include "outside/core/corestring.h"
#include "outside/cssvalues/xmlcssproperty.h"
#include "uieditor_export.h"

#include <memory>
#include <vector>

namespace Xml {

/// One style rule of a stylesheet: its selectors, its declarations in the order
/// written, and where it stands in the text the parser was given.
///
/// A value type whose copies share the rule, so that handing rule lists around
/// is cheap. Rules made by CssParser read their declarations on the first call
/// of getProperties(): a helper looking for one rule among thousands does not
/// pay for the declarations of all the others.
class UIEDITOR_EXPORT CssStyle
{
public:
    /// The media a rule applies to, as a set of bits. A rule outside any
    /// "@media" block applies to all of them.
    enum MediaBits : int {
        ScreenBit = 0x1,
        PrintBit = 0x2,
        OtherMediaBit = 0x4, ///< speech, tv and every other media type
        AllMediaBits = ScreenBit | PrintBit | OtherMediaBit,
    };

    /// A rule without selectors or declarations.
    CssStyle();
    CssStyle(std::vector<Core::String> selectors, std::vector<CssProperty> properties, int startPos,
             int endPos, int media = AllMediaBits);
    /// A rule whose declarations are the characters `declarationsStart` to
    /// `declarationsEnd` (excluded) of `source`, read when first asked for.
    CssStyle(std::vector<Core::String> selectors, const Core::String& source, int declarationsStart,
             int declarationsEnd, int startPos, int endPos, int media);

    /// The selectors of the rule, in the order written; comments removed,
    /// white space outside strings reduced to single blanks ("div > p").
    const std::vector<Core::String>& getSelectors() const;
    /// The declarations in the order written, repeated names included.
    const std::vector<CssProperty>& getProperties() const;
    /// Index of the rule's first character (the first of its selectors).
    int getStartPos() const;
    /// Index of the rule's last character: its closing "}", or the last
    /// character of the text when the rule is not closed.
    int getEndPos() const;
    /// The MediaBits the rule applies to.
    int getMedia() const;

private:
    struct Data;
    std::shared_ptr<Data> m_d;
};

} // namespace Xml
