#include "outside/render/folayout_p.h"

#include "outside/render/fobarcode_p.h"
#include "outside/render/foimage_p.h"

#include <algorithm>
#include <cmath>

namespace Fo {

namespace {

constexpr double epsilon = 0.01;
constexpr int maxNesting = 48;

double paddingOf(const Style& s, int side, double reference)
{
    return std::max(0.0, s.padding[size_t(side)].resolve(reference));
}

bool decorated(const Style& s)
{
    if (s.hasBoxDecoration()) {
        return true;
    }
    for (const LengthPct& p : s.padding) {
        if (p.value > 0) {
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- paragraphs

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

void Paragraph::flushWord(QString& word, const Style& style, InlineContext* context,
                          bool breakAfter, bool pageNumber)
{
    if (word.isEmpty()) {
        return;
    }
    if (style.smallCaps) {
        // Small capitals: lower-case letters in capitals of a smaller size.
        const FontInfo* normal = m_context.fonts.get(style);
        const FontInfo* small = m_context.fonts.get(style, 0.7);
        qsizetype start = 0;
        while (start < word.size()) {
            const bool lower = word[start].isLower();
            qsizetype end = start;
            while (end < word.size() && word[end].isLower() == lower) {
                ++end;
            }
            Atom atom;
            atom.kind = Atom::Word;
            atom.style = &style;
            atom.context = context;
            atom.font = lower ? small : normal;
            atom.decorationFont = normal;
            atom.text =
                lower ? word.mid(start, end - start).toUpper() : word.mid(start, end - start);
            atom.width = atom.font->width(atom.text);
            atom.breakAfter = end == word.size() && breakAfter;
            m_atoms.push_back(std::move(atom));
            start = end;
        }
        word.clear();
        return;
    }
    Atom atom;
    atom.kind = Atom::Word;
    atom.style = &style;
    atom.context = context;
    atom.font = m_context.fonts.get(style);
    atom.text = word;
    atom.width = atom.font->width(word);
    atom.breakAfter = breakAfter;
    atom.pageNumber = pageNumber;
    m_atoms.push_back(std::move(atom));
    word.clear();
}

void Paragraph::addText(const QString& input, const Style& style, InlineContext* context,
                        bool pageNumber)
{
    QString text = input;
    switch (style.textTransform) {
    case TextTransform::Upper:
        text = text.toUpper();
        break;
    case TextTransform::Lower:
        text = text.toLower();
        break;
    case TextTransform::Capitalize:
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isLetter()) {
                if (m_capitalizeNext) {
                    text[i] = text[i].toUpper();
                }
                m_capitalizeNext = false;
            } else if (text[i].isSpace()) {
                m_capitalizeNext = true;
            }
        }
        break;
    case TextTransform::None:
        break;
    }
    QString word;
    for (QChar c : text) {
        if (c == u'\n' && style.preserveLinefeeds) {
            flushWord(word, style, context, false, pageNumber);
            Atom atom;
            atom.kind = Atom::Break;
            atom.style = &style;
            atom.context = context;
            m_atoms.push_back(atom);
            m_lastWasSpace = true;
            continue;
        }
        const bool space = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
        if (space) {
            if (style.collapseWhiteSpace && !style.preserveSpaces && m_lastWasSpace) {
                continue;
            }
            flushWord(word, style, context, false, pageNumber);
            Atom atom;
            atom.kind = Atom::Space;
            atom.style = &style;
            atom.context = context;
            atom.font = m_context.fonts.get(style);
            atom.text = QStringLiteral(" ");
            atom.width = atom.font->spaceWidth;
            atom.breakAfter = style.wrap;
            atom.collapsible = !style.preserveSpaces;
            m_atoms.push_back(std::move(atom));
            m_lastWasSpace = true;
            continue;
        }
        if (c.isNull() || (c.category() == QChar::Other_Control)) {
            continue;
        }
        m_lastWasSpace = false;
        word += c;
        if ((c == u'-' || c == QChar(0x200B)) && word.size() > 1 && style.wrap) {
            flushWord(word, style, context, true, pageNumber);
        }
    }
    flushWord(word, style, context, false, pageNumber);
}

void Paragraph::addObject(const Node* node, InlineContext* context)
{
    const Style& s = *node->style;
    QSizeF intrinsic;
    if (node->image && node->image->isValid()) {
        intrinsic = node->image->intrinsicSize();
    } else if (node->barcode) {
        intrinsic = node->barcode->naturalSize();
    }
    const double iw = std::max(0.0, intrinsic.width());
    const double ih = std::max(0.0, intrinsic.height());
    const double ratio = ih > 0 ? iw / ih : 1.0;
    const double pl = paddingOf(s, Left, m_width), pr = paddingOf(s, Right, m_width);
    const double pt = paddingOf(s, Top, m_width), pb = paddingOf(s, Bottom, m_width);
    const double frameW = pl + pr + s.borderWidth(Left) + s.borderWidth(Right);
    const double frameH = pt + pb + s.borderWidth(Top) + s.borderWidth(Bottom);
    const double room = std::max(0.0, m_width - frameW);

    double vw = -1, vh = -1;
    if (s.width) {
        vw = s.width->resolve(room);
    }
    if (s.height) {
        vh = s.height->resolve(room);
    }
    double cw = -1, ch = -1;
    if (s.contentWidth) {
        cw = s.contentWidth->isPercent ? iw * s.contentWidth->value / 100.0 : s.contentWidth->value;
    }
    if (s.contentHeight) {
        ch = s.contentHeight->isPercent ? ih * s.contentHeight->value / 100.0
                                        : s.contentHeight->value;
    }
    // Barcodes have no size of their own worth keeping: they fill their viewport.
    const bool fitWidth = s.scaleToFitWidth || (node->barcode && cw < 0 && ch < 0 && vw >= 0);
    const bool fitHeight = s.scaleToFitHeight || (node->barcode && cw < 0 && ch < 0 && vh >= 0);
    if (fitWidth && vw >= 0) {
        cw = vw;
    }
    if (fitHeight && vh >= 0) {
        ch = vh;
    }
    if (s.uniformScaling && cw >= 0 && ch >= 0 && fitWidth && fitHeight && ih > 0 && iw > 0) {
        // Fit inside both, keeping the proportions.
        if (cw / ch > ratio) {
            cw = ch * ratio;
        } else {
            ch = cw / ratio;
        }
    }
    if (node->image && !node->image->isValid()) {
        // Nothing to show: the viewport stays, empty.
        cw = std::max(vw, 0.0);
        ch = std::max(vh, 0.0);
    } else if (cw < 0 && ch < 0) {
        cw = iw;
        ch = ih;
    } else if (cw < 0) {
        cw = s.uniformScaling ? ch * ratio : iw;
    } else if (ch < 0) {
        ch = s.uniformScaling && ratio > 0 ? cw / ratio : ih;
    }
    if (vw < 0) {
        vw = cw;
    }
    if (vh < 0) {
        vh = ch;
    }
    if (vw > room && vw > 0) {
        // Never wider than the line: shrink everything in proportion.
        const double k = room / vw;
        vw *= k;
        vh *= k;
        cw *= k;
        ch *= k;
    }
    Atom atom;
    atom.kind = Atom::Object;
    atom.node = node;
    atom.style = &s;
    atom.context = context;
    atom.font = m_context.fonts.get(s);
    atom.width = std::min(vw, 1e6) + frameW;
    atom.contentWidth = std::min(cw, 1e6);
    atom.contentHeight = std::min(ch, 1e6);
    atom.above = std::min(vh, 1e6) + frameH;
    atom.text = QString::number(vw, 'g', 10); // keeps the viewport width for placing
    m_atoms.push_back(std::move(atom));
    m_lastWasSpace = false;
}

void Paragraph::gather(const Node* node, InlineContext* context)
{
    switch (node->kind) {
    case NodeKind::Text:
        addText(node->text, *node->style, context);
        return;
    case NodeKind::Placeholder:
        addText(node->text, *node->style, context);
        return;
    case NodeKind::PageNumber:
        addText(QString::number(m_context.pageNumber), *node->style, context, true);
        return;
    case NodeKind::Graphic:
    case NodeKind::Barcode:
        addObject(node, context);
        return;
    case NodeKind::Leader: {
        Atom atom;
        atom.kind = Atom::Object;
        atom.node = node;
        atom.style = node->style;
        atom.context = context;
        atom.font = m_context.fonts.get(*node->style);
        atom.width = std::min(node->leaderLength, m_width);
        atom.above = 0;
        m_atoms.push_back(std::move(atom));
        m_lastWasSpace = false;
        return;
    }
    case NodeKind::Inline: {
        InlineContext& inner = m_contexts.emplace_back();
        inner.node = node;
        inner.style = node->style;
        inner.font = m_context.fonts.get(*node->style);
        inner.parent = context;
        inner.decorated = decorated(*node->style);
        inner.index = int(m_contexts.size());
        if (inner.decorated) {
            Atom start;
            start.kind = Atom::BoxStart;
            start.style = node->style;
            start.context = &inner;
            start.width = paddingOf(*node->style, Left, m_width) + node->style->borderWidth(Left);
            m_atoms.push_back(start);
        }
        for (const Node* child : node->children) {
            gather(child, &inner);
        }
        if (inner.decorated) {
            Atom end;
            end.kind = Atom::BoxEnd;
            end.style = node->style;
            end.context = &inner;
            end.width = paddingOf(*node->style, Right, m_width) + node->style->borderWidth(Right);
            m_atoms.push_back(end);
        }
        return;
    }
    case NodeKind::Transparent:
        for (const Node* child : node->children) {
            gather(child, context);
        }
        return;
    default: {
        // Block-level content inside inline content: it starts and ends lines.
        Atom brk;
        brk.kind = Atom::Break;
        brk.style = node->style;
        brk.context = context;
        m_atoms.push_back(brk);
        m_lastWasSpace = true;
        for (const Node* child : node->children) {
            gather(child, context);
        }
        m_atoms.push_back(brk);
        m_lastWasSpace = true;
        return;
    }
    }
}

bool Paragraph::splitWord(size_t index, double room)
{
    Atom& atom = m_atoms[index];
    if (atom.kind != Atom::Word || atom.text.size() < 2 || atom.pageNumber) {
        return false;
    }
    // The longest prefix that fits, at least one character.
    qsizetype lo = 1, hi = atom.text.size() - 1;
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (atom.font->width(atom.text.left(mid)) <= room) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    Atom rest = atom;
    rest.text = atom.text.mid(lo);
    rest.width = rest.font->width(rest.text);
    atom.text = atom.text.left(lo);
    atom.width = atom.font->width(atom.text);
    atom.breakAfter = true;
    m_atoms.insert(m_atoms.begin() + qsizetype(index) + 1, std::move(rest));
    return true;
}

void Paragraph::layout(std::deque<Slice>& out)
{
    const double textIndent = m_firstOfBlock ? m_block.textIndent.resolve(m_width) : 0.0;
    size_t i = 0;
    bool firstLine = true;
    std::vector<std::pair<size_t, size_t>> lines;
    while (i < m_atoms.size()) {
        while (i < m_atoms.size() && m_atoms[i].kind == Atom::Space && m_atoms[i].collapsible) {
            ++i;
        }
        if (i >= m_atoms.size()) {
            break;
        }
        const double avail = m_width - (firstLine ? textIndent : 0.0);
        double x = 0.0;
        bool hasContent = false;
        size_t lastBreak = SIZE_MAX;
        size_t j = i;
        for (; j < m_atoms.size(); ++j) {
            Atom& a = m_atoms[j];
            if (a.kind == Atom::Break) {
                ++j;
                break;
            }
            const bool content = a.kind == Atom::Word || a.kind == Atom::Object;
            if (content && x + a.width > avail + epsilon && a.style->wrap) {
                if (hasContent) {
                    if (lastBreak != SIZE_MAX) {
                        j = lastBreak + 1;
                    }
                    break;
                }
                splitWord(j, avail - x);
            }
            x += m_atoms[j].width;
            hasContent = hasContent || content;
            if (m_atoms[j].breakAfter) {
                lastBreak = j;
            }
        }
        lines.emplace_back(i, j);
        i = j;
        firstLine = false;
    }
    for (size_t n = 0; n < lines.size(); ++n) {
        finishLine(lines[n].first, lines[n].second, n == 0, n + 1 == lines.size(), out);
    }
}

void Paragraph::finishLine(size_t begin, size_t end, bool firstLine, bool lastLine,
                           std::deque<Slice>& out)
{
    // Trailing blanks and the break that ended the line take no room.
    size_t lastContent = begin;
    bool any = false;
    for (size_t k = begin; k < end; ++k) {
        const Atom::Kind kind = m_atoms[k].kind;
        if (kind == Atom::Word || kind == Atom::Object || kind == Atom::BoxStart ||
            (kind == Atom::Space && !m_atoms[k].collapsible)) {
            lastContent = k;
            any = true;
        }
    }
    const bool forcedBreak = end > begin && m_atoms[end - 1].kind == Atom::Break;
    std::vector<size_t> used;
    for (size_t k = begin; k < end; ++k) {
        const Atom::Kind kind = m_atoms[k].kind;
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
    for (size_t k : used) {
        natural += m_atoms[k].width;
        if (m_atoms[k].kind == Atom::Space) {
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
        const Atom& a = m_atoms[k];
        double above = 0, below = 0;
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
        maxAbove = std::max(maxAbove, above);
        maxBelow = std::max(maxBelow, below);
    }
    const double baseline = maxAbove;

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
        const Atom& a = m_atoms[used[u]];
        x += a.width + (a.kind == Atom::Space ? perSpace : 0.0);
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
        const Atom& a = m_atoms[used[u]];
        const double left = xs[u];
        const double right = xs[u] + a.width + (a.kind == Atom::Space ? perSpace : 0.0);
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
        const Atom& a = m_atoms[used[u]];
        if (a.kind == Atom::Word || a.kind == Atom::Space) {
            const bool mergeable =
                !slice.items.empty() && slice.items.back().kind == PaintItem::Text &&
                slice.items.back().font == a.font && slice.items.back().style == a.style &&
                !slice.items.back().pageNumber && !a.pageNumber &&
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
                item.rect = QRectF(xs[u], baseline - a.font->ascent, a.width,
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
    out.push_back(std::move(slice));
}

} // namespace

// ---------------------------------------------------------------- context

bool LayoutContext::hasBlockContent(const Node* node)
{
    auto it = blockContent.find(node);
    if (it != blockContent.end()) {
        return it->second;
    }
    bool result = false;
    for (const Node* child : node->children) {
        if (child->isBlockLevel() ||
            (child->kind == NodeKind::Transparent && hasBlockContent(child))) {
            result = true;
            break;
        }
    }
    blockContent.emplace(node, result);
    return result;
}

bool LayoutContext::isInlineLevel(const Node* node)
{
    switch (node->kind) {
    case NodeKind::Text:
    case NodeKind::Inline:
    case NodeKind::Graphic:
    case NodeKind::Barcode:
    case NodeKind::PageNumber:
    case NodeKind::Leader:
    case NodeKind::Placeholder:
        return true;
    case NodeKind::Transparent:
        return !hasBlockContent(node);
    default:
        return false;
    }
}

// ---------------------------------------------------------------- flow cursor

FlowCursor::FlowCursor(LayoutContext& context, const Node* container, double width, bool boxed)
    : m_context(context), m_referenceWidth(std::max(0.0, width))
{
    if (boxed) {
        pushBlock(container, 0.0, m_referenceWidth, PaintItem::Block);
    } else {
        Frame frame;
        frame.node = container;
        frame.started = true;
        frame.left = 0.0;
        frame.width = m_referenceWidth;
        m_stack.push_back(std::move(frame));
    }
}

FlowCursor::~FlowCursor() = default;

void FlowCursor::pushBlock(const Node* node, double parentLeft, double parentWidth,
                           PaintItem::Role role)
{
    const Style& s = *node->style;
    const double ml = s.margin[Left].resolve(parentWidth);
    const double mr = s.margin[Right].resolve(parentWidth);
    const double bl = s.borderWidth(Left), br = s.borderWidth(Right);
    const double pl = paddingOf(s, Left, parentWidth), pr = paddingOf(s, Right, parentWidth);
    double contentLeft =
        s.startIndent ? s.startIndent->resolve(m_referenceWidth) : parentLeft + ml + bl + pl;
    double contentRight = s.endIndent ? m_referenceWidth - s.endIndent->resolve(m_referenceWidth)
                                      : parentLeft + parentWidth - mr - br - pr;
    if (s.width) {
        contentRight = contentLeft + s.width->resolve(parentWidth) -
                       (s.width->isPercent ? bl + br + pl + pr : 0.0);
    }
    Frame frame;
    frame.node = node;
    frame.boxed = true;
    frame.left = contentLeft;
    frame.width = std::max(0.0, contentRight - contentLeft);
    frame.started = false;

    Slice start;
    start.kind = Slice::BlockStart;
    start.role = role;
    start.node = node;
    start.style = &s;
    start.x = contentLeft - pl - bl;
    start.width = frame.width + pl + bl + pr + br;
    start.space = s.spaceBefore;
    start.margin = s.margin[Top].resolve(parentWidth);
    start.edge = s.borderWidth(Top) + paddingOf(s, Top, parentWidth);
    frame.start = std::move(start);
    frame.endSpace = s.spaceAfter;
    frame.endMargin = s.margin[Bottom].resolve(parentWidth);
    frame.endEdge = s.borderWidth(Bottom) + paddingOf(s, Bottom, parentWidth);
    m_stack.push_back(std::move(frame));
}

void FlowCursor::pushListItem(const Node* item, const Node* list, double parentLeft,
                              double parentWidth)
{
    const Style& s = *item->style;
    const double left = parentLeft + s.margin[Left].resolve(parentWidth);
    const double width = std::max(0.0, parentWidth - s.margin[Left].resolve(parentWidth) -
                                           s.margin[Right].resolve(parentWidth));
    const double distance = list ? list->provisionalDistance : 32.0;
    const double separation = list ? list->provisionalSeparation : 8.0;
    const Node* label = nullptr;
    const Node* body = nullptr;
    for (const Node* c : item->children) {
        if (c->kind == NodeKind::ListLabel && !label) {
            label = c;
        } else if (c->kind == NodeKind::ListBody && !body) {
            body = c;
        }
    }
    Slice start;
    start.kind = Slice::BlockStart;
    start.node = item;
    start.style = &s;
    start.x = left;
    start.width = width;
    start.space = s.spaceBefore;
    start.margin = s.margin[Top].resolve(parentWidth);
    m_pending.push_back(start);

    Slice content;
    content.kind = Slice::Content;
    double height = 0.0;
    const auto part = [&](const Node* node, double x, double w) {
        if (!node) {
            return;
        }
        std::vector<PaintItem> items;
        height = std::max(height, stackContent(m_context, node, std::max(0.0, w), items));
        for (PaintItem& p : items) {
            p.translate(x, 0);
            content.items.push_back(std::move(p));
        }
    };
    part(label, left, std::min(width, distance - separation));
    part(body, left + std::min(distance, width), width - distance);
    content.height = height;
    m_pending.push_back(std::move(content));

    Slice end = start;
    end.kind = Slice::BlockEnd;
    end.space = s.spaceAfter;
    end.margin = s.margin[Bottom].resolve(parentWidth);
    m_pending.push_back(end);
}

void FlowCursor::buildParagraph(Frame& frame, size_t begin, size_t end)
{
    Paragraph paragraph(m_context, *frame.node->style, frame.left, frame.width,
                        frame.firstParagraph);
    for (size_t i = begin; i < end; ++i) {
        paragraph.gather(frame.node->children[i], nullptr);
    }
    const size_t before = m_pending.size();
    paragraph.layout(m_pending);
    if (m_pending.size() > before) {
        frame.firstParagraph = false;
    }
}

bool FlowCursor::next(Slice& out)
{
    for (;;) {
        if (!m_pending.empty()) {
            out = std::move(m_pending.front());
            m_pending.pop_front();
            return true;
        }
        if (m_stack.empty()) {
            return false;
        }
        Frame& frame = m_stack.back();
        if (frame.table) {
            if (frame.table->next(out)) {
                return true;
            }
            m_stack.pop_back();
            continue;
        }
        const Style& style = *frame.node->style;
        if (!frame.started) {
            frame.started = true;
            if (frame.boxed) {
                if (style.breakBefore != Break::Auto) {
                    Slice brk;
                    brk.kind = Slice::Break;
                    m_pending.push_back(std::move(brk));
                }
                m_pending.push_back(frame.start);
            }
            continue;
        }
        const auto& children = frame.node->children;
        if (frame.child < children.size()) {
            const Node* child = children[frame.child];
            if (m_context.isInlineLevel(child)) {
                size_t end = frame.child;
                while (end < children.size() && m_context.isInlineLevel(children[end])) {
                    ++end;
                }
                const size_t begin = frame.child;
                frame.child = end;
                buildParagraph(frame, begin, end);
                continue;
            }
            ++frame.child;
            const double left = frame.left;
            const double width = frame.width;
            const Node* parentNode = frame.node;
            if (m_stack.size() > 200) {
                continue; // deeper than any real document; skip rather than recurse on
            }
            switch (child->kind) {
            case NodeKind::Table: {
                Frame tableFrame;
                tableFrame.node = child;
                tableFrame.started = true;
                tableFrame.table =
                    std::make_unique<TableLayout>(m_context, child, left, width, m_referenceWidth);
                m_stack.push_back(std::move(tableFrame));
                break;
            }
            case NodeKind::ListItem:
                pushListItem(child, parentNode->kind == NodeKind::ListBlock ? parentNode : nullptr,
                             left, width);
                break;
            case NodeKind::TableColumn:
                break;
            case NodeKind::Transparent: {
                Frame inner;
                inner.node = child;
                inner.started = true;
                inner.left = left;
                inner.width = width;
                m_stack.push_back(std::move(inner));
                break;
            }
            default:
                pushBlock(child, left, width, PaintItem::Block);
                break;
            }
            continue;
        }
        if (frame.boxed) {
            Slice end;
            end.kind = Slice::BlockEnd;
            end.node = frame.node;
            end.style = &style;
            end.space = frame.endSpace;
            end.margin = frame.endMargin;
            end.edge = frame.endEdge;
            m_pending.push_back(std::move(end));
            if (style.breakAfter != Break::Auto) {
                Slice brk;
                brk.kind = Slice::Break;
                m_pending.push_back(std::move(brk));
            }
        }
        m_stack.pop_back();
    }
}

// ---------------------------------------------------------------- placer

Placer::Placer(std::vector<PaintItem>& out, double left, double top, double height, int pageNumber)
    : m_out(out), m_left(left), m_top(top), m_bottom(top + height), m_y(top),
      m_pageNumber(pageNumber)
{
}

void Placer::placeStarts()
{
    for (Slice& start : m_pendingStarts) {
        const double space = std::max(m_pendingSpace, start.space);
        if (m_y > m_top) {
            m_y += space;
        }
        m_y += start.margin;
        m_pendingSpace = 0.0;
        PaintItem item;
        item.kind = PaintItem::Box;
        item.role = start.role;
        item.noBorders = start.noBorders;
        item.style = start.style;
        item.node = start.node;
        item.rect = QRectF(m_left + start.x, m_y, start.width, 0.0);
        m_out.push_back(std::move(item));
        m_open.push_back({start.node, start.style, start.role, start.noBorders, start.x,
                          start.width, int(m_out.size()) - 1});
        m_y += start.edge;
    }
    m_pendingStarts.clear();
}

bool Placer::place(Slice& slice, bool force)
{
    switch (slice.kind) {
    case Slice::Break:
        return !m_hasContent;
    case Slice::BlockStart:
        m_pendingStarts.push_back(std::move(slice));
        return true;
    case Slice::Content: {
        double y = m_y;
        double space = m_pendingSpace;
        for (const Slice& start : m_pendingStarts) {
            space = std::max(space, start.space);
            if (y > m_top) {
                y += space;
            }
            space = 0.0;
            y += start.margin + start.edge;
        }
        if (y > m_top) {
            y += space;
        }
        if (!force && m_hasContent && y + slice.height > m_bottom + epsilon) {
            return false;
        }
        placeStarts();
        if (m_y > m_top) {
            m_y += m_pendingSpace;
        }
        m_pendingSpace = 0.0;
        for (PaintItem& item : slice.items) {
            item.translate(m_left, m_y);
            if (item.pageNumber) {
                item.text = QString::number(m_pageNumber);
            }
            m_out.push_back(std::move(item));
        }
        m_y += slice.height;
        m_hasContent = true;
        return true;
    }
    case Slice::BlockEnd:
        placeStarts();
        m_y += slice.edge;
        const double endOfBox = m_y;
        m_y += slice.margin;
        if (!m_open.empty()) {
            const OpenBox box = m_open.back();
            m_open.pop_back();
            if (box.item >= 0 && size_t(box.item) < m_out.size()) {
                QRectF& rect = m_out[size_t(box.item)].rect;
                rect.setBottom(endOfBox);
            }
        }
        m_pendingSpace = std::max(m_pendingSpace, slice.space);
        return true;
    }
    return true;
}

Placer::State Placer::breakHere()
{
    for (const OpenBox& box : m_open) {
        if (box.item >= 0 && size_t(box.item) < m_out.size()) {
            PaintItem& item = m_out[size_t(box.item)];
            item.rect.setBottom(m_y);
            item.openSides |= (1 << Bottom);
        }
    }
    State state;
    state.open = std::move(m_open);
    state.pendingStarts = std::move(m_pendingStarts);
    m_open.clear();
    m_pendingStarts.clear();
    m_pendingSpace = 0.0;
    return state;
}

void Placer::resume(State state)
{
    for (OpenBox box : state.open) {
        PaintItem item;
        item.kind = PaintItem::Box;
        item.role = box.role;
        item.noBorders = box.noBorders;
        item.style = box.style;
        item.node = box.node;
        item.openSides = (1 << Top);
        item.rect = QRectF(m_left + box.x, m_y, box.width, 0.0);
        m_out.push_back(std::move(item));
        box.item = int(m_out.size()) - 1;
        m_open.push_back(box);
    }
    m_pendingStarts = std::move(state.pendingStarts);
}

double stackContent(LayoutContext& context, const Node* container, double width,
                    std::vector<PaintItem>& out)
{
    if (context.depth > maxNesting) {
        return 0.0;
    }
    ++context.depth;
    FlowCursor cursor(context, container, width, false);
    Placer placer(out, 0.0, 0.0, std::numeric_limits<double>::infinity(), context.pageNumber);
    Slice slice;
    while (cursor.next(slice)) {
        if (slice.kind == Slice::Break) {
            continue;
        }
        placer.place(slice);
    }
    placer.breakHere();
    --context.depth;
    return placer.bottomUsed();
}

// ---------------------------------------------------------------- pages

Paginator::Paginator(const Document& document, FontCache& fonts)
    : m_document(document), m_context{fonts, 1, 0, {}}
{
}

Paginator::~Paginator() = default;

void Paginator::layoutStatic(Page& page, const Node* content, const QRectF& area,
                             const Style& regionStyle)
{
    const size_t first = page.items.size();
    FlowCursor cursor(m_context, content, area.width(), false);
    Placer placer(page.items, area.left(), area.top(), area.height(), page.number);
    Slice slice;
    while (cursor.next(slice)) {
        if (!placer.place(slice)) {
            break;
        }
    }
    placer.breakHere();
    const double used = placer.bottomUsed() - area.top();
    double shift = 0.0;
    if (regionStyle.displayAlign == DisplayAlign::Center) {
        shift = (area.height() - used) / 2.0;
    } else if (regionStyle.displayAlign == DisplayAlign::After) {
        shift = area.height() - used;
    }
    if (shift > 0) {
        for (size_t i = first; i < page.items.size(); ++i) {
            page.items[i].translate(0, shift);
        }
    }
}

bool Paginator::nextPage(Page& page)
{
    if (m_done) {
        return false;
    }
    const auto& sequences = m_document.sequences();
    if (!m_cursor) {
        if (m_sequence >= sequences.size()) {
            m_done = true;
            return false;
        }
        if (sequences[m_sequence].initialPageNumber > 0) {
            m_pageNumber = sequences[m_sequence].initialPageNumber - 1;
        }
        m_pageInSequence = 0;
        m_carry.reset();
        m_state = Placer::State();
    }
    const PageSequence& sequence = sequences[m_sequence];
    ++m_pageNumber;
    m_context.pageNumber = m_pageNumber;
    const PageMaster* master =
        m_document.masterFor(sequence, m_pageInSequence, m_pageNumber, false);
    if (!master) {
        m_done = true;
        return false;
    }
    page = Page();
    page.size = QSizeF(master->width, master->height);
    page.number = m_pageNumber;

    const QRectF p = QRectF(0, 0, master->width, master->height)
                         .adjusted(master->margin[Left], master->margin[Top],
                                   -master->margin[Right], -master->margin[Bottom]);
    const auto& regions = master->regions;
    const auto extentOf = [&](RegionIndex r) {
        return regions[size_t(r)].present ? regions[size_t(r)].extent : 0.0;
    };
    QRectF rects[5];
    rects[Body] = p.adjusted(regions[Body].margin[Left], regions[Body].margin[Top],
                             -regions[Body].margin[Right], -regions[Body].margin[Bottom]);
    const bool beforeWins = regions[Before].present && regions[Before].precedence;
    const bool afterWins = regions[After].present && regions[After].precedence;
    rects[Before] = QRectF(beforeWins ? p.left() : p.left() + extentOf(Start), p.top(),
                           beforeWins ? p.width() : p.width() - extentOf(Start) - extentOf(End),
                           extentOf(Before));
    rects[After] = QRectF(
        afterWins ? p.left() : p.left() + extentOf(Start), p.bottom() - extentOf(After),
        afterWins ? p.width() : p.width() - extentOf(Start) - extentOf(End), extentOf(After));
    const double sideTop = p.top() + (beforeWins ? extentOf(Before) : 0.0);
    const double sideBottom = p.bottom() - (afterWins ? extentOf(After) : 0.0);
    rects[Start] = QRectF(p.left(), sideTop, extentOf(Start), sideBottom - sideTop);
    rects[End] = QRectF(p.right() - extentOf(End), sideTop, extentOf(End), sideBottom - sideTop);

    const auto contentOf = [](const Region& region, const QRectF& r) {
        const Style& s = *region.style;
        const double w = r.width();
        return r.adjusted(s.borderWidth(Left) + paddingOf(s, Left, w),
                          s.borderWidth(Top) + paddingOf(s, Top, w),
                          -s.borderWidth(Right) - paddingOf(s, Right, w),
                          -s.borderWidth(Bottom) - paddingOf(s, Bottom, w));
    };
    for (int r = 0; r < 5; ++r) {
        const Region& region = regions[size_t(r)];
        if (!region.present || !region.style) {
            continue;
        }
        PaintItem box;
        box.kind = PaintItem::Box;
        box.role = PaintItem::Region;
        box.style = region.style;
        box.rect = rects[r].normalized();
        box.text = region.name;
        page.items.push_back(std::move(box));
        if (r == Body) {
            continue;
        }
        auto content = sequence.staticContents.find(region.name);
        if (content != sequence.staticContents.end()) {
            const QRectF area = contentOf(region, rects[r]);
            if (area.width() > 0 && area.height() > 0) {
                layoutStatic(page, content->second, area, *region.style);
            }
        }
    }

    // The flow, column by column.
    const Region& body = regions[Body];
    const QRectF area = contentOf(body, rects[Body]);
    const int columns = std::max(1, body.columnCount);
    const double gap = columns > 1 ? body.columnGap : 0.0;
    const double columnWidth = std::max(0.0, (area.width() - gap * (columns - 1)) / columns);
    if (!m_cursor) {
        m_cursor = std::make_unique<FlowCursor>(m_context, sequence.flow, columnWidth, true);
    }
    bool finished = false;
    for (int c = 0; c < columns && !finished; ++c) {
        Placer placer(page.items, area.left() + c * (columnWidth + gap), area.top(),
                      std::max(0.0, area.height()), m_pageNumber);
        placer.resume(std::move(m_state));
        m_state = Placer::State();
        if (m_carry) {
            if (m_carry->header && m_carry->kind == Slice::Content) {
                // The table's header again above its rows, when both fit.
                double needed = m_carry->height;
                for (const Slice& row : *m_carry->header) {
                    needed += row.height;
                }
                if (needed <= area.height()) {
                    for (const Slice& row : *m_carry->header) {
                        Slice copy = row;
                        placer.place(copy);
                    }
                }
            }
            Slice carried = std::move(*m_carry);
            m_carry.reset();
            placer.place(carried, true);
        }
        for (;;) {
            Slice slice;
            if (!m_cursor->next(slice)) {
                finished = true;
                break;
            }
            if (!placer.place(slice)) {
                m_carry = std::move(slice);
                m_state = placer.breakHere();
                break;
            }
        }
        if (finished) {
            placer.breakHere();
        }
    }
    ++m_pageInSequence;
    if (finished) {
        m_cursor.reset();
        m_carry.reset();
        m_state = Placer::State();
        ++m_sequence;
    }
    return true;
}

} // namespace Fo
