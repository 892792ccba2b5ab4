#pragma once

// The pieces a paragraph is made of before it is broken into lines.

#include "outside/render/fofont_p.h"
#include "outside/render/fotree_p.h"

#include <QString>

namespace Fo {

/// An inline box open around the atoms it holds.
struct InlineContext
{
    const Node* node = nullptr;
    const Style* style = nullptr;
    const FontInfo* font = nullptr;
    InlineContext* parent = nullptr;
    bool decorated = false;
    int index = 0;
};

/// A word, a blank, an object, an inline box edge or a forced break.
struct Atom
{
    enum Kind : unsigned char { Word, Space, Object, BoxStart, BoxEnd, Break };
    Kind kind = Word;
    bool breakAfter = false;
    bool pageNumber = false;
    bool collapsible = true;
    const Node* node = nullptr;
    const Style* style = nullptr;
    const FontInfo* font = nullptr;
    const FontInfo* decorationFont = nullptr; ///< small capitals keep the full-size lines
    InlineContext* context = nullptr;
    QString text;
    double width = 0.0;
    // Objects: the content size and the box around it.
    double contentWidth = 0.0;
    double contentHeight = 0.0;
    double above = 0.0;
    // Leaders: how far the width may shrink and grow on its line.
    double shrink = 0.0;
    double stretch = 0.0;
    const Node* citation = nullptr; ///< a page-number citation still to be resolved
    const Node* footnote = nullptr; ///< a footnote cited where this atom ends
};

} // namespace Fo
