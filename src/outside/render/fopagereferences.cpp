#include "outside/render/fopagereferences_p.h"

#include "outside/render/fofont_p.h"
#include "outside/render/fopagenumberformat_p.h"
#include "outside/render/fotree_p.h"

#include <algorithm>

namespace Fo {

std::optional<QString> PageReferences::pageOf(const QString& id, bool lastPage, bool complete) const
{
    auto it = m_ids.find(id);
    if (it == m_ids.end()) {
        return std::nullopt;
    }
    if (!lastPage) {
        return it->second.first;
    }
    // Ended: its box closed, or a later page went without it.
    if (complete || it->second.ended || it->second.lastIndex < m_lastIndex) {
        return it->second.last;
    }
    return std::nullopt;
}

void PageReferences::see(const QString& id, const Page& page, int index, bool ended)
{
    auto [it, added] = m_ids.try_emplace(id);
    Seen& seen = it->second;
    const QString number = formatPageNumber(page.number, page.format);
    if (added) {
        seen.first = number;
    }
    if (added || seen.lastIndex != index) {
        seen.ended = false;
    }
    seen.last = number;
    seen.lastIndex = index;
    seen.ended = seen.ended || ended;
}

void PageReferences::record(const Page& page, int index)
{
    m_lastIndex = index;
    if (!page.sequenceId.isEmpty()) {
        see(page.sequenceId, page, index, false); // ends with a page of another sequence
    }
    for (size_t i = 0; i < page.items.size(); ++i) {
        const PaintItem& item = page.items[i];
        if (item.citation) {
            m_waiting.push_back({index, i});
        }
        if (!item.node || item.node->id.isEmpty()) {
            continue;
        }
        see(item.node->id, page, index, false);
        if (item.kind == PaintItem::Box) {
            m_ids[item.node->id].ended = !(item.openSides & (1 << Bottom));
        }
    }
}

bool PageReferences::waiting(int index) const
{
    return std::any_of(m_waiting.begin(), m_waiting.end(),
                       [index](const Waiting& w) { return w.page <= index; });
}

void PageReferences::resolve(std::vector<Page>& pages, bool complete)
{
    auto it = std::remove_if(m_waiting.begin(), m_waiting.end(), [&](const Waiting& w) {
        if (w.page < 0 || size_t(w.page) >= pages.size() ||
            w.item >= pages[size_t(w.page)].items.size()) {
            return true;
        }
        const PaintItem& item = pages[size_t(w.page)].items[w.item];
        if (!item.citation || !item.citation->node) {
            return true;
        }
        const Node* node = item.citation->node;
        const std::optional<QString> page = pageOf(node->text, node->citesLastPage, complete);
        if (!page && !complete) {
            return false;
        }
        putIn(pages[size_t(w.page)].items, w.item, page.value_or(QStringLiteral("?")));
        return true;
    });
    m_waiting.erase(it, m_waiting.end());
}

void PageReferences::putIn(std::vector<PaintItem>& items, size_t index, const QString& number)
{
    PaintItem& item = items[index];
    const CitationSlot slot = *item.citation;
    item.citation.reset();
    if (!item.font) {
        return;
    }
    const size_t begin = index - std::min(index, size_t(slot.before));
    const size_t end = std::min(items.size(), index + 1 + size_t(slot.after));
    const double width = item.font->width(number);
    const double spare = item.rect.width() - width; // the room kept for the number, unused
    item.text = number;
    item.rect.setWidth(width);
    const auto shift = [&](size_t from, size_t to, double dx) {
        for (size_t i = from; i < to; ++i) {
            items[i].rect.translate(dx, 0);
        }
    };
    // A leader before the number takes up the spare room, as it would have
    // on a line laid out with the number; otherwise the line keeps its alignment.
    for (size_t i = index; i-- > begin;) {
        if (items[i].kind == PaintItem::Leader) {
            items[i].rect.setRight(items[i].rect.right() + spare);
            shift(i + 1, index + 1, spare);
            return;
        }
    }
    switch (slot.align) {
    case TextAlign::End:
        shift(begin, index + 1, spare);
        break;
    case TextAlign::Center:
        shift(begin, index + 1, spare / 2.0);
        shift(index + 1, end, -spare / 2.0);
        break;
    default:
        shift(index + 1, end, -spare);
        break;
    }
}

} // namespace Fo
