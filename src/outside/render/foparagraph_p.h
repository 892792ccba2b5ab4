#pragma once

#include "outside/render/folayoutcontext_p.h"
#include "outside/render/foslice_p.h"

#include <deque>
#include <vector>

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
};

/// Breaks a run of inline content into lines of a block.
class Paragraph
{
public:
    Paragraph(LayoutContext& context, const Style& blockStyle, double left, double width,
              bool firstOfBlock)
        : m_context(context), m_block(blockStyle), m_left(left), m_width(std::max(width, 0.0)),
          m_firstOfBlock(firstOfBlock)
    {
    }

    void gather(const Node* node, InlineContext* context);
    void layout(std::deque<Slice>& out);

private:
    void addText(const QString& text, const Style& style, InlineContext* context,
                 bool pageNumber = false);
    void flushWord(QString& word, const Style& style, InlineContext* context, bool breakAfter,
                   bool pageNumber);
    void addObject(const Node* node, InlineContext* context);
    void finishLine(size_t begin, size_t end, bool firstLine, bool lastLine,
                    std::deque<Slice>& out);
    bool splitWord(size_t index, double room);

    LayoutContext& m_context;
    const Style& m_block;
    double m_left;
    double m_width;
    bool m_firstOfBlock;
    bool m_lastWasSpace = true;
    bool m_capitalizeNext = true;
    std::vector<Atom> m_atoms;
    std::deque<InlineContext> m_contexts;
};

} // namespace Fo
