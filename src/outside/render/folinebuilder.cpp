#include "outside/render/folinebuilder_p.h"

#include "outside/render/folayoutmetrics_p.h"

#include <algorithm>

namespace Fo {

namespace {

/// How far the baseline of an inline rises above the line's: the shifts
/// of the inline and of those around it add up.
double baselineShiftOf(const InlineContext* context)
{
    double rise = 0.0;
    for (; context; context = context->parent) {
        rise += context->style->baselineShift;
    }
    return rise;
}

} // namespace

Slice LineBuilder::build(const std::vector<Atom>& atoms, size_t begin, size_t end, bool firstLine,
                         bool lastLine) const
{
    // Trailing blanks and the break that ended the line take no room.
    size_t lastContent = begin;
    bool any = false;
    for (size_t k = begin; k < end; ++k) {
        const Atom::Kind kind = atoms[k].kind;
        if (kind == Atom::Word || kind == Atom::Object || kind == Atom::BoxStart ||
            (kind == Atom::Space && !atoms[k].collapsible)) {
            lastContent = k;
            any = true;
        }
    }
    const bool forcedBreak = end > begin && atoms[end - 1].kind == Atom::Break;
    std::vector<size_t> used;
    for (size_t k = begin; k < end; ++k) {
        const Atom::Kind kind = atoms[k].kind;
        if (kind == Atom::Break) {
            continue;
        }
        if (kind == Atom::Space && (!any || k > lastContent)) {
            continue;
        }
        used.push_back(k);
    }

    const double indent = (firstLine && m_firstOfBlock) ? m_block.textIndent.resolve(m_width) : 0.0;
    const double endIndent = lastLine ? m_block.lastLineEndIndent.resolve(m_width) : 0.0;
    const double avail = m_width - indent - endIndent;
    double natural = 0.0;
    int spaces = 0;
    double shrink = 0.0, stretch = 0.0;
    std::vector<double> widths(used.size());
    for (size_t u = 0; u < used.size(); ++u) {
        const Atom& a = atoms[used[u]];
        widths[u] = a.width;
        natural += a.width;
        shrink += a.shrink;
        stretch += a.stretch;
        if (a.kind == Atom::Space) {
            ++spaces;
        }
    }
    TextAlign align = m_block.textAlign;
    if (lastLine || forcedBreak) {
        align =
            m_block.textAlignLast == TextAlign::Relevant
                ? (m_block.textAlign == TextAlign::Justify ? TextAlign::Start : m_block.textAlign)
                : m_block.textAlignLast;
    }
    // Leaders give room back on a full line and, on a justified one, take
    // the room left before the blanks do.
    const double leaderRoom = natural > avail               ? -std::min(shrink, natural - avail)
                              : align == TextAlign::Justify ? std::min(stretch, avail - natural)
                                                            : 0.0;
    if (leaderRoom != 0.0) {
        const double total = leaderRoom < 0 ? shrink : stretch;
        for (size_t u = 0; u < used.size(); ++u) {
            const Atom& a = atoms[used[u]];
            const double share = leaderRoom < 0 ? a.shrink : a.stretch;
            if (share > 0 && total > 0) {
                widths[u] += leaderRoom * share / total;
            }
        }
        natural += leaderRoom;
    }
    double offset = 0.0;
    double perSpace = 0.0;
    const double slack = avail - natural;
    if (align == TextAlign::End) {
        offset = slack;
    } else if (align == TextAlign::Center) {
        offset = slack / 2.0;
    } else if (align == TextAlign::Justify && spaces > 0 && slack > 0) {
        perSpace = slack / spaces;
    }

    // Vertical: the block's strut, then every atom's own extent.
    const FontInfo* strutFont = m_context.fonts.get(m_block);
    const auto extent = [](const FontInfo* font, const Style& style, double& above, double& below) {
        const double lh = style.lineHeightPx();
        const double half = (lh - (font->ascent + font->descent)) / 2.0;
        above = font->ascent + half;
        below = font->descent + half;
    };
    double maxAbove = 0, maxBelow = 0;
    extent(strutFont, m_block, maxAbove, maxBelow);
    for (size_t k : used) {
        const Atom& a = atoms[k];
        double above = 0, below = 0;
        const double rise = baselineShiftOf(a.context);
        switch (a.kind) {
        case Atom::Word:
        case Atom::Space:
            extent(a.font, *a.style, above, below);
            break;
        case Atom::Object:
            above = a.above;
            below = a.node && a.node->kind == NodeKind::Leader ? a.font->descent : 0.0;
            if (a.node && a.node->kind == NodeKind::Leader) {
                above = a.font->ascent;
            }
            break;
        case Atom::BoxStart:
        case Atom::BoxEnd: {
            const Style& s = *a.style;
            above = a.context->font->ascent + paddingOf(s, Top, m_width) + s.borderWidth(Top);
            below =
                a.context->font->descent + paddingOf(s, Bottom, m_width) + s.borderWidth(Bottom);
            break;
        }
        case Atom::Break:
            break;
        }
        maxAbove = std::max(maxAbove, above + rise);
        maxBelow = std::max(maxBelow, below - rise);
    }
    const double lineBaseline = maxAbove;

    Slice slice;
    slice.kind = Slice::Content;
    slice.height = std::max(0.0, maxAbove + maxBelow);

    // Horizontal positions.
    std::vector<double> xs(used.size());
    double x = m_left + indent + std::max(0.0, offset);
    if (offset < 0 && align != TextAlign::Start) {
        x = m_left + indent + offset;
    }
    for (size_t u = 0; u < used.size(); ++u) {
        xs[u] = x;
        const Atom& a = atoms[used[u]];
        x += widths[u] + (a.kind == Atom::Space ? perSpace : 0.0);
    }

    // Inline boxes first, so their text paints over their backgrounds.
    struct Extent
    {
        InlineContext* context;
        double left, right;
        bool hasStart, hasEnd;
    };
    std::vector<Extent> boxes;
    for (size_t u = 0; u < used.size(); ++u) {
        const Atom& a = atoms[used[u]];
        const double left = xs[u];
        const double right = xs[u] + widths[u] + (a.kind == Atom::Space ? perSpace : 0.0);
        for (InlineContext* c = a.context; c; c = c->parent) {
            if (!c->decorated) {
                continue;
            }
            auto it = std::find_if(boxes.begin(), boxes.end(),
                                   [c](const Extent& e) { return e.context == c; });
            if (it == boxes.end()) {
                boxes.push_back({c, left, right, false, false});
                it = boxes.end() - 1;
            }
            it->left = std::min(it->left, left);
            it->right = std::max(it->right, right);
            if (a.context == c && a.kind == Atom::BoxStart) {
                it->hasStart = true;
            }
            if (a.context == c && a.kind == Atom::BoxEnd) {
                it->hasEnd = true;
            }
        }
    }
    std::sort(boxes.begin(), boxes.end(),
              [](const Extent& a, const Extent& b) { return a.context->index < b.context->index; });
    for (const Extent& e : boxes) {
        const Style& s = *e.context->style;
        const double baseline = lineBaseline - baselineShiftOf(e.context);
        const double top =
            baseline - e.context->font->ascent - paddingOf(s, Top, m_width) - s.borderWidth(Top);
        const double bottom = baseline + e.context->font->descent + paddingOf(s, Bottom, m_width) +
                              s.borderWidth(Bottom);
        PaintItem item;
        item.kind = PaintItem::Box;
        item.role = PaintItem::Inline;
        item.style = &s;
        item.node = e.context->node;
        item.rect = QRectF(e.left, top, e.right - e.left, bottom - top);
        item.openSides = (e.hasStart ? 0 : (1 << Left)) | (e.hasEnd ? 0 : (1 << Right));
        slice.items.push_back(std::move(item));
    }

    // Text runs and objects.
    for (size_t u = 0; u < used.size(); ++u) {
        const Atom& a = atoms[used[u]];
        const double baseline = lineBaseline - baselineShiftOf(a.context);
        if (a.kind == Atom::Word || a.kind == Atom::Space) {
            const bool mergeable =
                !slice.items.empty() && slice.items.back().kind == PaintItem::Text &&
                slice.items.back().font == a.font && slice.items.back().style == a.style &&
                !slice.items.back().pageNumber && !a.pageNumber && !a.citation &&
                !slice.items.back().citation &&
                slice.items.back().node == (a.context ? a.context->node : nullptr);
            const double w = a.width + (a.kind == Atom::Space ? perSpace : 0.0);
            if (mergeable) {
                PaintItem& run = slice.items.back();
                run.text += a.text;
                run.rect.setWidth(xs[u] + w - run.rect.left());
                continue;
            }
            PaintItem item;
            item.kind = PaintItem::Text;
            item.style = a.style;
            item.font = a.font;
            item.decorationFont = a.decorationFont;
            item.node = a.context ? a.context->node : nullptr;
            item.text = a.text;
            item.pageNumber = a.pageNumber;
            item.wordSpacing = perSpace;
            item.baseline = baseline;
            item.rect =
                QRectF(xs[u], baseline - a.font->ascent, w, a.font->ascent + a.font->descent);
            if (a.citation) {
                auto slot = std::make_shared<CitationSlot>();
                slot->node = a.citation;
                slot->align = align;
                item.citation = slot;
            }
            slice.items.push_back(std::move(item));
        } else if (a.kind == Atom::Object && a.node) {
            const Style& s = *a.style;
            if (a.node->kind == NodeKind::Leader) {
                PaintItem item;
                item.kind = PaintItem::Leader;
                item.style = a.style;
                item.node = a.node;
                item.font = a.font;
                item.baseline = baseline;
                item.rect = QRectF(xs[u], baseline - a.font->ascent, widths[u],
                                   a.font->ascent + a.font->descent);
                slice.items.push_back(std::move(item));
                continue;
            }
            const QRectF border(xs[u], baseline - a.above, a.width, a.above);
            if (s.hasBoxDecoration()) {
                PaintItem box;
                box.kind = PaintItem::Box;
                box.role = PaintItem::Object;
                box.style = a.style;
                box.node = a.node;
                box.rect = border;
                slice.items.push_back(std::move(box));
            }
            const double cl = border.left() + s.borderWidth(Left) + paddingOf(s, Left, m_width);
            const double ct = border.top() + s.borderWidth(Top) + paddingOf(s, Top, m_width);
            const double viewportW = a.width - s.borderWidth(Left) - s.borderWidth(Right) -
                                     paddingOf(s, Left, m_width) - paddingOf(s, Right, m_width);
            const double viewportH = a.above - s.borderWidth(Top) - s.borderWidth(Bottom) -
                                     paddingOf(s, Top, m_width) - paddingOf(s, Bottom, m_width);
            PaintItem item;
            item.kind = a.node->kind == NodeKind::Barcode ? PaintItem::Barcode : PaintItem::Image;
            item.style = a.style;
            item.node = a.node;
            // The content sits centred in its viewport when the two differ.
            item.rect = QRectF(cl + std::max(0.0, (viewportW - a.contentWidth) / 2.0),
                               ct + std::max(0.0, (viewportH - a.contentHeight) / 2.0),
                               a.contentWidth, a.contentHeight);
            item.baseline = baseline;
            slice.items.push_back(std::move(item));
        }
    }
    // Citations learn where the rest of their line lies.
    const int count = int(slice.items.size());
    for (int i = 0; i < count; ++i) {
        if (const auto& slot = slice.items[size_t(i)].citation) {
            auto placed = std::make_shared<CitationSlot>(*slot);
            placed->before = i;
            placed->after = count - i - 1;
            slice.items[size_t(i)].citation = placed;
        }
    }
    return slice;
}

} // namespace Fo
