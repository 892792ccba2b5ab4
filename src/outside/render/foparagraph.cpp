#include "outside/render/foparagraph_p.h"

#include "outside/render/fobarcode_p.h"
#include "outside/render/fohyphenator_p.h"
#include "outside/render/foimage_p.h"
#include "outside/render/folayoutmetrics_p.h"
#include "outside/render/folinebuilder_p.h"
#include "outside/render/fopagenumberformat_p.h"
#include "outside/render/fopagereferences_p.h"

#include <algorithm>
#include <optional>

namespace Fo {

namespace {

bool hasInlineDecoration(const Style& s)
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

} // namespace

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
    case NodeKind::Placeholder:
        addText(node->text, *node->style, context);
        return;
    case NodeKind::PageNumber:
        addText(formatPageNumber(m_context.pageNumber, m_context.pageFormat), *node->style, context,
                true);
        return;
    case NodeKind::Graphic:
    case NodeKind::Barcode:
        addObject(node, context);
        return;
    case NodeKind::Leader:
        addLeader(node, context);
        return;
    case NodeKind::PageCitation:
        addCitation(node, context);
        return;
    case NodeKind::Footnote:
        addFootnote(node, context);
        return;
    case NodeKind::Inline: {
        InlineContext& inner = m_contexts.emplace_back();
        inner.node = node;
        inner.style = node->style;
        inner.font = m_context.fonts.get(*node->style);
        inner.parent = context;
        inner.decorated = hasInlineDecoration(*node->style);
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
    case NodeKind::RetrieveMarker:
        if (const Node* marker = m_context.retrieved(node)) {
            gather(marker, context);
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
    if (atom.kind != Atom::Word || atom.text.size() < 2 || atom.pageNumber || atom.citation) {
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
    atom.footnote = nullptr;
    m_atoms.insert(m_atoms.begin() + qsizetype(index) + 1, std::move(rest));
    return true;
}

bool Paragraph::hyphenateWord(size_t index, double room)
{
    Atom& atom = m_atoms[index];
    if (atom.kind != Atom::Word || atom.pageNumber || atom.citation) {
        return false;
    }
    const LineBreaking& rules = atom.style->lineBreaking;
    // The letters of the word, without the punctuation around them.
    const QString& text = atom.text;
    qsizetype begin = 0, end = text.size();
    while (begin < end && !text[begin].isLetter()) {
        ++begin;
    }
    while (end > begin && !text[end - 1].isLetter()) {
        --end;
    }
    const qsizetype letters = end - begin;
    if (letters < rules.remainCount + rules.pushCount) {
        return false;
    }
    const std::vector<int> points =
        Hyphenator::points(text.mid(begin, letters), rules.language, rules.country);
    for (auto it = points.rbegin(); it != points.rend(); ++it) {
        if (*it < rules.remainCount || letters - *it < rules.pushCount) {
            continue;
        }
        const QString head = text.left(begin + *it) + rules.hyphenationCharacter;
        const double width = atom.font->width(head);
        if (width > room) {
            continue;
        }
        Atom rest = atom;
        rest.text = text.mid(begin + *it);
        rest.width = rest.font->width(rest.text);
        atom.text = head;
        atom.width = width;
        atom.breakAfter = true;
        atom.footnote = nullptr;
        m_atoms.insert(m_atoms.begin() + qsizetype(index) + 1, std::move(rest));
        return true;
    }
    return false;
}

void Paragraph::addLeader(const Node* node, InlineContext* context)
{
    // The length range resolves against the line; the line builder
    // stretches or shrinks the leader within it.
    const double minimum = std::clamp(node->leaderMinimum.resolve(m_width), 0.0, 1e6);
    const double maximum = std::clamp(node->leaderMaximum.resolve(m_width), minimum, 1e6);
    const double optimum = std::clamp(node->leaderOptimum.resolve(m_width), minimum, maximum);
    Atom atom;
    atom.kind = Atom::Object;
    atom.node = node;
    atom.style = node->style;
    atom.context = context;
    atom.font = m_context.fonts.get(*node->style);
    atom.width = optimum;
    atom.shrink = optimum - minimum;
    atom.stretch = maximum - optimum;
    m_atoms.push_back(std::move(atom));
    m_lastWasSpace = false;
}

void Paragraph::addCitation(const Node* node, InlineContext* context)
{
    const std::optional<QString> page =
        m_context.references ? m_context.references->pageOf(node->text, node->citesLastPage)
                             : std::nullopt;
    if (page) {
        addText(*page, *node->style, context);
        return;
    }
    // Not known yet: room for three digits, fixed up once the page is known.
    Atom atom;
    atom.kind = Atom::Word;
    atom.style = node->style;
    atom.context = context;
    atom.font = m_context.fonts.get(*node->style);
    atom.text = QStringLiteral("000");
    atom.width = atom.font->width(atom.text);
    atom.citation = node;
    m_atoms.push_back(std::move(atom));
    m_lastWasSpace = false;
}

void Paragraph::addFootnote(const Node* node, InlineContext* context)
{
    for (const Node* child : node->children) {
        gather(child, context);
    }
    if (!node->footnoteBody) {
        return;
    }
    if (!m_atoms.empty() && !m_atoms.back().footnote && m_atoms.back().kind != Atom::Break) {
        m_atoms.back().footnote = node->footnoteBody;
        return;
    }
    Atom mark; // an empty object that only carries the footnote
    mark.kind = Atom::Object;
    mark.style = node->style;
    mark.context = context;
    mark.font = m_context.fonts.get(*node->style);
    mark.footnote = node->footnoteBody;
    m_atoms.push_back(std::move(mark));
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
        double shrink = 0.0; // what the leaders so far can give back
        bool hasContent = false;
        size_t lastBreak = SIZE_MAX;
        size_t j = i;
        for (; j < m_atoms.size(); ++j) {
            Atom& a = m_atoms[j];
            if (a.kind == Atom::Break) {
                ++j;
                break;
            }
            const bool content = a.kind == Atom::Word || (a.kind == Atom::Object && a.node);
            const double room = avail + shrink + a.shrink - x;
            if (content && a.width > room + layoutEpsilon && a.style->wrap) {
                // Hyphenate where the text asks for it; a word alone too long
                // for its line also where its language allows, and is cut
                // between characters only when no dictionary helps.
                const bool hyphenated =
                    (a.style->lineBreaking.hyphenate || !hasContent) && hyphenateWord(j, room);
                if (!hyphenated) {
                    if (hasContent) {
                        if (lastBreak != SIZE_MAX) {
                            j = lastBreak + 1;
                        }
                        break;
                    }
                    splitWord(j, room);
                }
            }
            shrink += m_atoms[j].shrink;
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
    const LineBuilder builder(m_context, m_block, m_left, m_width, m_firstOfBlock);
    const LineBreaking& rules = m_block.lineBreaking;
    for (size_t n = 0; n < lines.size(); ++n) {
        Slice line =
            builder.build(m_atoms, lines[n].first, lines[n].second, n == 0, n + 1 == lines.size());
        if (n > 0 && (int(n) < rules.orphans || int(lines.size() - n) < rules.widows)) {
            line.keepColumn = keepAlways; // orphans and widows stay with their lines
            line.keepPage = keepAlways;
        }
        for (size_t k = lines[n].first; k < lines[n].second; ++k) {
            if (const Node* body = m_atoms[k].footnote) {
                (m_context.depth > 0 ? m_context.nestedFootnotes : line.footnotes).push_back(body);
            }
        }
        out.push_back(std::move(line));
    }
}

} // namespace Fo
