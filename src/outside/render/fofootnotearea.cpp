#include "outside/render/fofootnotearea_p.h"

#include "outside/render/foflowcursor_p.h"

#include <algorithm>
#include <iterator>

namespace Fo {

std::vector<FootnoteArea::Footnote> FootnoteArea::layout(const std::vector<const Node*>& bodies,
                                                         double width, double& added)
{
    std::vector<Footnote> notes;
    added = 0.0;
    for (const Node* body : bodies) {
        Footnote& note = notes.emplace_back();
        note.height = stackContent(m_context, body, width, note.items);
        added += note.height;
    }
    m_context.nestedFootnotes.clear(); // footnotes in footnotes are not shown
    if (!notes.empty() && m_notes.empty() && m_separator) {
        m_separatorLayout = Footnote();
        m_separatorLayout.height =
            stackContent(m_context, m_separator, width, m_separatorLayout.items);
        added += m_separatorLayout.height;
    }
    return notes;
}

void FootnoteArea::add(std::vector<Footnote> notes, double added)
{
    m_height += added;
    std::move(notes.begin(), notes.end(), std::back_inserter(m_notes));
}

void FootnoteArea::truncate(size_t count, double height)
{
    if (count < m_notes.size()) {
        m_notes.resize(count);
    }
    m_height = height;
}

void FootnoteArea::clear()
{
    m_notes.clear();
    m_height = 0.0;
}

void FootnoteArea::place(std::vector<PaintItem>& out, const QRectF& area)
{
    if (m_notes.empty()) {
        return;
    }
    double y = std::max(area.top(), area.bottom() - m_height);
    const auto put = [&](Footnote& note) {
        for (PaintItem& item : note.items) {
            item.translate(area.left(), y);
            out.push_back(std::move(item));
        }
        y += note.height;
    };
    if (m_separator) {
        put(m_separatorLayout);
    }
    for (Footnote& note : m_notes) {
        put(note);
    }
    clear();
}

} // namespace Fo
