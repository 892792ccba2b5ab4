#include "outside/render/fokeeptracker_p.h"

#include <algorithm>

namespace Fo {

void KeepTracker::observe(Slice& slice)
{
    switch (slice.kind) {
    case Slice::BlockStart:
        if (slice.style) {
            const Keeps& k = slice.style->keeps;
            m_column = std::max(m_column, k.previousColumn);
            m_page = std::max(m_page, k.previousPage);
            m_open.push_back({k.togetherColumn, k.togetherPage, m_content});
        } else {
            m_open.push_back({});
        }
        return;
    case Slice::BlockEnd:
        if (slice.style) {
            m_column = std::max(m_column, slice.style->keeps.nextColumn);
            m_page = std::max(m_page, slice.style->keeps.nextPage);
        }
        if (!m_open.empty()) {
            m_open.pop_back();
        }
        return;
    case Slice::Break:
        m_column = 0;
        m_page = 0;
        return;
    case Slice::Content:
        break;
    }
    int column = std::max(m_column, slice.keepColumn);
    int page = std::max(m_page, slice.keepPage);
    // Blocks that already hold content hold this one too.
    for (const Open& open : m_open) {
        if (open.contentAtStart >= m_content) {
            break; // this block and those inside it start here
        }
        column = std::max(column, open.column);
        page = std::max(page, open.page);
    }
    slice.keepColumn = column;
    slice.keepPage = page;
    m_column = 0;
    m_page = 0;
    ++m_content;
}

} // namespace Fo
