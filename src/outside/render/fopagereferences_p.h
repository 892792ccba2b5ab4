#pragma once

#include "outside/render/fopage_p.h"

#include <QString>

#include <optional>
#include <unordered_map>
#include <vector>

namespace Fo {

/// The pages that the objects with an id fall on, and the page-number
/// citations that waited for them: pages are laid out first, and the
/// numbers a page cites ahead are put in when they become known.
class PageReferences
{
public:
    /// The number of the first page the object `id` is on, or of its last
    /// page once it has ended, as its page sequence writes it; nothing while
    /// that is not known. With `complete`, every page is known.
    std::optional<QString> pageOf(const QString& id, bool lastPage, bool complete = false) const;
    /// Learns the ids on page `index` (pages come in order) and its citations.
    void record(const Page& page, int index);
    /// Whether a page up to `index` has a citation still waiting.
    bool waiting(int index) const;
    /// Puts in the numbers known now; with `complete`, every page is laid
    /// out and a citation of an id that no object has shows "?".
    void resolve(std::vector<Page>& pages, bool complete);

private:
    struct Seen
    {
        QString first;
        QString last;
        int lastIndex = 0;
        bool ended = false;
    };
    struct Waiting
    {
        int page = 0;
        size_t item = 0;
    };

    void see(const QString& id, const Page& page, int index, bool ended);
    static void putIn(std::vector<PaintItem>& items, size_t index, const QString& number);

    std::unordered_map<QString, Seen> m_ids;
    std::vector<Waiting> m_waiting;
    int m_lastIndex = -1;
};

} // namespace Fo
