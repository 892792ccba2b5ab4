#include "outside/cssvalues/xmlcssparser.h"

#include "outside/cssvalues/xmlcssparser_p.h"

#include <array>
#include <QString>
#include <string_view>
#include <unordered_map>

namespace Xml {

namespace {

// "@media" blocks nest; deeper ones are passed over like unknown at-rules, so
// that no input can exhaust the stack. Every other scan is a loop.
constexpr int MaxMediaDepth = 16;

bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isNewline(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u'\f';
}

bool isNameStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c >= 0x80;
}

bool isNameChar(char16_t c)
{
    return isNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-';
}

char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// Characters that may start an atom (comment, string, escape, url) or change
// the brace structure. Scans step over every other character at once.
constexpr std::array<bool, 128> makeSpecial()
{
    std::array<bool, 128> special{};
    for (char c : {'/', '"', '\'', '\\', 'u', 'U', '{', '}', ';', '(', ')', '[', ']', ','}) {
        special[std::size_t(c)] = true;
    }
    return special;
}
constexpr std::array<bool, 128> Special = makeSpecial();

bool isPlain(char16_t c)
{
    return c < 128 && !Special[c];
}

QString asciiLower(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= u'A' && c <= u'Z') {
            text[i] = QChar(asciiLower(c));
        }
    }
    return text;
}

// Built once, then only read: safe to share between threads.
const std::unordered_map<std::u16string_view, Core::String>& commonPropertyNames()
{
    static const std::unordered_map<std::u16string_view, Core::String> names = [] {
        static const char16_t* const list[] = {u"background",
                                               u"background-color",
                                               u"background-image",
                                               u"background-position",
                                               u"background-repeat",
                                               u"border",
                                               u"border-bottom",
                                               u"border-bottom-color",
                                               u"border-bottom-style",
                                               u"border-bottom-width",
                                               u"border-collapse",
                                               u"border-color",
                                               u"border-left",
                                               u"border-left-color",
                                               u"border-left-style",
                                               u"border-left-width",
                                               u"border-radius",
                                               u"border-right",
                                               u"border-right-color",
                                               u"border-right-style",
                                               u"border-right-width",
                                               u"border-style",
                                               u"border-top",
                                               u"border-top-color",
                                               u"border-top-style",
                                               u"border-top-width",
                                               u"border-width",
                                               u"bottom",
                                               u"box-shadow",
                                               u"color",
                                               u"content",
                                               u"display",
                                               u"float",
                                               u"font",
                                               u"font-family",
                                               u"font-size",
                                               u"font-style",
                                               u"font-variant",
                                               u"font-weight",
                                               u"height",
                                               u"left",
                                               u"letter-spacing",
                                               u"line-height",
                                               u"list-style",
                                               u"margin",
                                               u"margin-bottom",
                                               u"margin-left",
                                               u"margin-right",
                                               u"margin-top",
                                               u"max-width",
                                               u"min-height",
                                               u"min-width",
                                               u"opacity",
                                               u"overflow",
                                               u"padding",
                                               u"padding-bottom",
                                               u"padding-left",
                                               u"padding-right",
                                               u"padding-top",
                                               u"position",
                                               u"right",
                                               u"text-align",
                                               u"text-decoration",
                                               u"text-indent",
                                               u"text-transform",
                                               u"top",
                                               u"vertical-align",
                                               u"white-space",
                                               u"width",
                                               u"word-spacing",
                                               u"z-index"};
        std::unordered_map<std::u16string_view, Core::String> map;
        for (const char16_t* name : list) {
            map.emplace(std::u16string_view(name), Core::String(name));
        }
        return map;
    }();
    return names;
}

// One pass over one text. Every scanning step takes the end of the region it
// may look at, so a block's content is never read past its closing brace.
class Parser
{
public:
    explicit Parser(const Core::String& text, std::vector<CssStyle>* out = nullptr)
        : m_text(text), m_s(reinterpret_cast<const char16_t*>(m_text.toQString().utf16())),
          m_n(int(text.length())), m_out(out)
    {
    }

    void run() { parseRuleList(0, m_n, CssStyle::AllMediaBits, 0, true); }

    void parseDeclarations(int i, int to, std::vector<CssProperty>& properties) const;

private:
    bool startsComment(int i, int end) const
    {
        return i + 1 < end && m_s[i] == u'/' && m_s[i + 1] == u'*';
    }

    int skipComment(int i, int end) const
    {
        for (int j = i + 2; j + 1 < end; ++j) {
            if (m_s[j] == u'*' && m_s[j + 1] == u'/') {
                return j + 2;
            }
        }
        return end;
    }

    // A string ends at its quote, or before an unescaped line break (a bad
    // string, as CSS has it), or at the end of the region.
    int skipString(int i, int end, bool* bad) const
    {
        const char16_t quote = m_s[i];
        int j = i + 1;
        while (j < end) {
            const char16_t c = m_s[j];
            if (c == quote) {
                return j + 1;
            }
            if (c == u'\\') {
                if (j + 2 < end && m_s[j + 1] == u'\r' && m_s[j + 2] == u'\n') {
                    j += 3;
                } else {
                    j += 2;
                }
                continue;
            }
            if (isNewline(c)) {
                if (bad) {
                    *bad = true;
                }
                return j;
            }
            ++j;
        }
        return end;
    }

    int skipEscape(int i, int end) const
    {
        return (i + 1 < end && !isNewline(m_s[i + 1])) ? i + 2 : i + 1;
    }

    // "url(" with an unquoted address: everything up to ")" belongs to it.
    // It stops before a "}" all the same: braces are structural here.
    bool startsUnquotedUrl(int i, int end) const
    {
        if (i + 3 >= end || asciiLower(m_s[i]) != u'u' || asciiLower(m_s[i + 1]) != u'r' ||
            asciiLower(m_s[i + 2]) != u'l' || m_s[i + 3] != u'(') {
            return false;
        }
        if (i > 0 && (isNameChar(m_s[i - 1]) || m_s[i - 1] == u'\\')) {
            return false;
        }
        int j = i + 4;
        while (j < end && isSpace(m_s[j])) {
            ++j;
        }
        return j >= end || (m_s[j] != u'"' && m_s[j] != u'\'');
    }

    int skipUrl(int i, int end) const
    {
        int j = i + 4;
        while (j < end) {
            const char16_t c = m_s[j];
            if (c == u')') {
                return j + 1;
            }
            if (c == u'}') {
                return j;
            }
            j = c == u'\\' ? skipEscape(j, end) : j + 1;
        }
        return end;
    }

    // Comments, strings, escapes and unquoted url(): spans inside which
    // braces, commas and semicolons mean nothing. -1 when none starts at i.
    int skipAtom(int i, int end, bool* bad = nullptr) const
    {
        const char16_t c = m_s[i];
        if (c == u'/' && startsComment(i, end)) {
            return skipComment(i, end);
        }
        if (c == u'"' || c == u'\'') {
            return skipString(i, end, bad);
        }
        if (c == u'\\') {
            return skipEscape(i, end);
        }
        if ((c == u'u' || c == u'U') && startsUnquotedUrl(i, end)) {
            return skipUrl(i, end);
        }
        return -1;
    }

    // From just after a "{": the index of the matching "}", or `end`.
    int findBlockEnd(int i, int end) const
    {
        int depth = 0;
        while (i < end) {
            if (isPlain(m_s[i])) {
                ++i;
                continue;
            }
            const int atom = skipAtom(i, end);
            if (atom >= 0) {
                i = atom;
                continue;
            }
            const char16_t c = m_s[i];
            if (c == u'{') {
                ++depth;
            } else if (c == u'}') {
                if (depth == 0) {
                    return i;
                }
                --depth;
            }
            ++i;
        }
        return end;
    }

    // The text of [from, to) without comments, with white space outside
    // strings reduced to single blanks and trimmed. Comments count as white
    // space in values and as nothing in selectors ("p/**/.x" is "p.x").
    // Whether an odd run of backslashes stands before `i` ("a\\ " ends in an
    // escaped blank, which belongs to the text).
    bool isEscaped(int from, int i) const
    {
        int backslashes = 0;
        while (i - backslashes - 1 >= from && m_s[i - backslashes - 1] == u'\\') {
            ++backslashes;
        }
        return backslashes % 2 == 1;
    }

    QString cleanText(int from, int to, bool commentIsSpace) const
    {
        while (from < to && isSpace(m_s[from])) {
            ++from;
        }
        while (to > from && isSpace(m_s[to - 1]) && !isEscaped(from, to - 1)) {
            --to;
        }
        bool plain = true;
        for (int i = from; i < to && plain; ++i) {
            const char16_t c = m_s[i];
            if (c == u'/' || c == u'"' || c == u'\'' || c == u'\\' ||
                (isSpace(c) && (c != u' ' || (i + 1 < to && m_s[i + 1] == u' ')))) {
                plain = false;
            }
        }
        if (plain) {
            return QString(reinterpret_cast<const QChar*>(m_s + from), to - from);
        }
        QString out;
        out.reserve(to - from);
        bool pendingSpace = false;
        int i = from;
        while (i < to) {
            const char16_t c = m_s[i];
            if (isSpace(c)) {
                pendingSpace = true;
                ++i;
                continue;
            }
            if (startsComment(i, to)) {
                i = skipComment(i, to);
                // Dropping a comment must not make a new one: "a//**/*b" is not "a/*b".
                pendingSpace = pendingSpace || commentIsSpace ||
                               (!out.isEmpty() && out.back() == u'/' && i < to && m_s[i] == u'*');
                continue;
            }
            if (pendingSpace && !out.isEmpty()) {
                out += u' ';
            }
            pendingSpace = false;
            int next = skipAtom(i, to);
            if (next < 0) {
                next = i + 1;
            }
            out.append(reinterpret_cast<const QChar*>(m_s + i), next - i);
            i = next;
        }
        return out;
    }

    void parseRuleList(int i, int end, int media, int depth, bool topLevel)
    {
        while (i < end) {
            const char16_t c = m_s[i];
            if (isSpace(c)) {
                ++i;
            } else if (startsComment(i, end)) {
                i = skipComment(i, end);
            } else if (topLevel && c == u'<' && i + 3 < end && m_s[i + 1] == u'!' &&
                       m_s[i + 2] == u'-' && m_s[i + 3] == u'-') {
                i += 4; // "<!--" of old stylesheets embedded in HTML
            } else if (topLevel && c == u'-' && i + 2 < end && m_s[i + 1] == u'-' &&
                       m_s[i + 2] == u'>') {
                i += 3; // "-->"
            } else if (c == u'}' || c == u';') {
                ++i; // a stray closer or separator: garbage of its own
            } else if (c == u'@') {
                i = parseAtRule(i, end, media, depth);
            } else {
                i = parseQualifiedRule(i, end, media);
            }
        }
    }

    int parseAtRule(int i, int end, int media, int depth)
    {
        int j = i + 1;
        while (j < end && (isNameChar(m_s[j]) || m_s[j] == u'\\')) {
            j = m_s[j] == u'\\' ? skipEscape(j, end) : j + 1;
        }
        const QString name =
            asciiLower(QString(reinterpret_cast<const QChar*>(m_s + i + 1), j - i - 1));
        int k = j;
        while (k < end) {
            const int atom = skipAtom(k, end);
            if (atom >= 0) {
                k = atom;
                continue;
            }
            const char16_t c = m_s[k];
            if (c == u';') {
                return k + 1;
            }
            if (c == u'}') {
                return k;
            }
            if (c == u'{') {
                break;
            }
            ++k;
        }
        if (k >= end) {
            return end;
        }
        const int blockEnd = findBlockEnd(k + 1, end);
        if (name == QLatin1String("media") && depth < MaxMediaDepth) {
            const int inner = media & mediaOfQueries(j, k);
            parseRuleList(k + 1, blockEnd, inner, depth + 1, false);
        }
        return blockEnd < end ? blockEnd + 1 : end;
    }

    int mediaOfQueries(int from, int to) const
    {
        const QString text = asciiLower(cleanText(from, to, true));
        if (text.isEmpty()) {
            return CssStyle::AllMediaBits;
        }
        int bits = 0;
        const QStringList queries = text.split(u',');
        for (const QString& query : queries) {
            const QStringList words = query.trimmed().split(u' ', Qt::SkipEmptyParts);
            if (words.isEmpty() || words.front() == QLatin1String("not")) {
                continue;
            }
            const qsizetype first = words.front() == QLatin1String("only") ? 1 : 0;
            // A query with conditions, "print and (color)" or "(min-width: 30em)",
            // holds only sometimes: it is left out.
            if (words.size() != first + 1 || words.at(first).startsWith(u'(')) {
                continue;
            }
            const QString& type = words.at(first);
            if (type == QLatin1String("all")) {
                bits |= CssStyle::AllMediaBits;
            } else if (type == QLatin1String("screen")) {
                bits |= CssStyle::ScreenBit;
            } else if (type == QLatin1String("print")) {
                bits |= CssStyle::PrintBit;
            } else {
                bits |= CssStyle::OtherMediaBit;
            }
        }
        return bits;
    }

    int parseQualifiedRule(int start, int end, int media)
    {
        bool invalid = false;
        int groups = 0; // open "(" and "["
        int k = start;
        while (k < end) {
            if (isPlain(m_s[k])) {
                ++k;
                continue;
            }
            // A backslash that escapes nothing (before a line break or at the
            // end) is no part of any selector, and written back it would escape
            // whatever follows it.
            if (m_s[k] == u'\\' && skipEscape(k, end) == k + 1) {
                invalid = true;
            }
            const int atom = skipAtom(k, end, &invalid);
            if (atom >= 0) {
                k = atom;
                continue;
            }
            const char16_t c = m_s[k];
            if (c == u'{') {
                break;
            }
            if (c == u'}') {
                return k; // no block: the stray "}" is dealt with by the rule list
            }
            if (c == u';') {
                invalid = true; // CSS keeps it in the selector, which it makes invalid
            } else if (c == u'(' || c == u'[') {
                ++groups;
            } else if (c == u')' || c == u']') {
                invalid = invalid || groups == 0;
                groups = groups > 0 ? groups - 1 : 0;
            }
            ++k;
        }
        if (k >= end) {
            return end; // a selector without a block is no rule
        }
        const int blockEnd = findBlockEnd(k + 1, end);
        std::vector<Core::String> selectors;
        if (!invalid && groups == 0 && parseSelectors(start, k, selectors)) {
            m_out->emplace_back(std::move(selectors), m_text, k + 1, blockEnd, start,
                                blockEnd < end ? blockEnd : end - 1, media);
        }
        return blockEnd < end ? blockEnd + 1 : end;
    }

    bool parseSelectors(int from, int to, std::vector<Core::String>& selectors) const
    {
        int pieceStart = from;
        int groups = 0;
        int i = from;
        while (i <= to) {
            if (i < to) {
                const int atom = skipAtom(i, to);
                if (atom >= 0) {
                    i = atom;
                    continue;
                }
            }
            const char16_t c = i < to ? m_s[i] : u',';
            if (c == u'(' || c == u'[') {
                ++groups;
            } else if ((c == u')' || c == u']') && groups > 0) {
                --groups;
            } else if (c == u',' && (groups == 0 || i == to)) {
                QString selector = cleanText(pieceStart, i, false);
                if (selector.isEmpty()) {
                    return false;
                }
                selectors.emplace_back(std::move(selector));
                pieceStart = i + 1;
            }
            ++i;
        }
        return !selectors.empty();
    }

    // A property name: an identifier, as CSS has it ("--x" and "-moz-y" too).
    bool isPropertyName(int from, int to) const
    {
        if (from >= to) {
            return false;
        }
        int i = from;
        if (m_s[i] == u'-') {
            ++i;
            if (i < to && m_s[i] == u'-') {
                return true; // a custom property: "--" and anything after it
            }
        }
        return i < to && (isNameStart(m_s[i]) || m_s[i] == u'\\');
    }

    // To the ";" that ends a declaration at this level, or `to`.
    int findDeclarationEnd(int i, int to, bool endAfterBlock, bool* bad = nullptr) const
    {
        int depth = 0;
        while (i < to) {
            if (isPlain(m_s[i])) {
                ++i;
                continue;
            }
            const int atom = skipAtom(i, to, bad);
            if (atom >= 0) {
                i = atom;
                continue;
            }
            const char16_t c = m_s[i];
            if (c == u'{') {
                ++depth;
            } else if (c == u'}') {
                depth = depth > 0 ? depth - 1 : 0;
                if (depth == 0 && endAfterBlock) {
                    return i + 1; // a nested rule ends with its block
                }
            } else if (c == u';' && depth == 0) {
                return i;
            }
            ++i;
        }
        return to;
    }

    void parseDeclarationsImpl(int i, int to, std::vector<CssProperty>& properties) const
    {
        while (i < to) {
            const char16_t c = m_s[i];
            if (isSpace(c) || c == u';') {
                ++i;
                continue;
            }
            if (startsComment(i, to)) {
                i = skipComment(i, to);
                continue;
            }
            int nameEnd = i;
            while (nameEnd < to && (isNameChar(m_s[nameEnd]) || m_s[nameEnd] == u'\\')) {
                nameEnd = m_s[nameEnd] == u'\\' ? skipEscape(nameEnd, to) : nameEnd + 1;
            }
            int colon = nameEnd;
            while (colon < to) {
                if (isSpace(m_s[colon])) {
                    ++colon;
                } else if (startsComment(colon, to)) {
                    colon = skipComment(colon, to);
                } else {
                    break;
                }
            }
            if (!isPropertyName(i, nameEnd) || colon >= to || m_s[colon] != u':') {
                // Not a declaration: skipped, up to its ";" or, for a nested
                // rule, to the end of its block.
                i = findDeclarationEnd(i, to, true);
                continue;
            }
            bool badString = false;
            const int valueEnd = findDeclarationEnd(colon + 1, to, false, &badString);
            QString value = cleanText(colon + 1, valueEnd, true);
            const bool important = stripImportant(value);
            // A string broken by a line break spoils its declaration, as in CSS.
            if (!value.isEmpty() && !badString) {
                properties.emplace_back(propertyName(i, nameEnd), Core::String(std::move(value)),
                                        important);
            }
            i = valueEnd;
        }
    }

    // The lower-case name; the names stylesheets use most share one string.
    Core::String propertyName(int from, int to) const
    {
        const std::u16string_view raw(m_s + from, std::size_t(to - from));
        const auto& common = commonPropertyNames();
        const auto found = common.find(raw);
        if (found != common.end()) {
            return found->second;
        }
        QString name(reinterpret_cast<const QChar*>(m_s + from), to - from);
        if (!name.startsWith(QLatin1String("--"))) {
            name = asciiLower(std::move(name));
        }
        return Core::String(std::move(name));
    }

    // "red !important" becomes "red"; "! IMPORTANT" counts too.
    static bool stripImportant(QString& value)
    {
        static const QLatin1String keyword("important");
        if (value.size() < keyword.size() + 1 || !value.endsWith(keyword, Qt::CaseInsensitive)) {
            return false;
        }
        qsizetype bang = value.size() - keyword.size() - 1;
        if (bang >= 0 && value.at(bang) == u' ') {
            --bang;
        }
        if (bang < 0 || value.at(bang) != u'!') {
            return false;
        }
        value.truncate(bang);
        while (!value.isEmpty() && value.back() == u' ') {
            value.chop(1);
        }
        return true;
    }

    Core::String m_text;
    const char16_t* m_s;
    int m_n;
    std::vector<CssStyle>* m_out;
};

void Parser::parseDeclarations(int i, int to, std::vector<CssProperty>& properties) const
{
    parseDeclarationsImpl(i, to, properties);
}

} // namespace

void parseCssDeclarations(const QString& text, int from, int to, std::vector<CssProperty>& out)
{
    Parser(Core::String(text))
        .parseDeclarations(std::max(from, 0), std::min(to, int(text.size())), out);
}

void CssParser::loadCss(const Core::String& text)
{
    m_styles.clear();
    Parser(text, &m_styles).run();
}

std::vector<CssStyle> CssParser::getCssStyleSheet(int media) const
{
    int wanted = CssStyle::OtherMediaBit;
    if (media == ScreenMedia) {
        wanted = CssStyle::ScreenBit;
    } else if (media == PrintMedia) {
        wanted = CssStyle::PrintBit;
    }
    std::vector<CssStyle> result;
    result.reserve(m_styles.size());
    for (const CssStyle& style : m_styles) {
        const bool applies = media == AllMedia ? style.getMedia() == CssStyle::AllMediaBits
                                               : (style.getMedia() & wanted) != 0;
        if (applies) {
            result.push_back(style);
        }
    }
    return result;
}

} // namespace Xml
