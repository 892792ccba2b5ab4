#pragma once

#include "outside/render/foatom_p.h"
#include "outside/render/folayoutcontext_p.h"
#include "outside/render/foslice_p.h"

#include <vector>

namespace Fo {

/// Turns the atoms of one line into a slice: alignment and justification,
/// the line's height from its strut and atoms, inline boxes, text runs and
/// objects.
class LineBuilder
{
public:
    LineBuilder(LayoutContext& context, const Style& blockStyle, double left, double width,
                bool firstOfBlock)
        : m_context(context), m_block(blockStyle), m_left(left), m_width(width),
          m_firstOfBlock(firstOfBlock)
    {
    }

    /// The line of atoms [begin, end).
    Slice build(const std::vector<Atom>& atoms, size_t begin, size_t end, bool firstLine,
                bool lastLine) const;

private:
    LayoutContext& m_context;
    const Style& m_block;
    double m_left;
    double m_width;
    bool m_firstOfBlock;
};

} // namespace Fo
