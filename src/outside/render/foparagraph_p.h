#pragma once

#include "outside/render/foatom_p.h"
#include "outside/render/folayoutcontext_p.h"
#include "outside/render/foslice_p.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace Fo {

/// Gathers a run of inline content into atoms and breaks them into the
/// lines of a block.
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
    bool splitWord(size_t index, double room);
    bool hyphenateWord(size_t index, double room);
    void addLeader(const Node* node, InlineContext* context);
    void addCitation(const Node* node, InlineContext* context);
    void addFootnote(const Node* node, InlineContext* context);

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
