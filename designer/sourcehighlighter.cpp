#include "sourcehighlighter.h"

#include "outside/dom/xmlname.h"
#include "xml/model/syntaxxml.h"

namespace {

// The verdict travels in the format, so tests read what the user sees.
constexpr int verdictProperty = QTextFormat::UserProperty + 1;

// The block state carries the tokenizer's state and a hash of the element whose
// start tag continues on the next line: a change of either re-highlights it.
constexpr int stateBits = 8;

int encode(int state, const QString& element)
{
    return state | int((qHash(element) & 0x7FFFFF) << stateBits);
}

QColor colorOf(SyntaxXmlType type)
{
    switch (type) {
    case SyntaxXmlType::FO:
        return QColor(0x1f, 0x4e, 0x9c);
    case SyntaxXmlType::KMB:
        return QColor(0x8e, 0x24, 0xaa);
    case SyntaxXmlType::KM:
        return QColor(0xad, 0x14, 0x57);
    case SyntaxXmlType::XSL:
        return QColor(0x2e, 0x7d, 0x32);
    default:
        return QColor(0x45, 0x5a, 0x64);
    }
}

// Vocabularies without a definition (SVG, charts) are not judged.
bool isJudged(SyntaxXmlType type)
{
    return type != SyntaxXmlType::Unknown && SyntaxXml::get().getSyntaxDocument(type);
}

// The element whose start tag is open at the end of a block.
class OpenTag : public QTextBlockUserData
{
public:
    explicit OpenTag(QString element) : m_element(std::move(element)) {}
    const QString& element() const { return m_element; }

private:
    QString m_element;
};

} // namespace

SourceHighlighter::SourceHighlighter(QTextDocument* document) : QSyntaxHighlighter(document)
{
    m_punctuation.setForeground(QColor(0x75, 0x75, 0x75));
    m_value.setForeground(QColor(0x0b, 0x6e, 0x75));
    m_comment.setForeground(QColor(0x8a, 0x8a, 0x8a));
    m_comment.setFontItalic(true);
    m_declaration.setForeground(QColor(0x8a, 0x6d, 0x3b));
    m_neutral.setForeground(QColor(0x45, 0x5a, 0x64));
    m_neutral.setProperty(verdictProperty, int(Verdict::Neutral));
}

SourceHighlighter::Verdict SourceHighlighter::verdictOf(const QTextCharFormat& format)
{
    return format.hasProperty(verdictProperty) ? Verdict(format.intProperty(verdictProperty))
                                               : Verdict::Neutral;
}

QTextCharFormat SourceHighlighter::nameFormat(QColor color, Verdict verdict, bool bold) const
{
    QTextCharFormat format;
    format.setForeground(color);
    format.setFontWeight(bold ? QFont::DemiBold : QFont::Normal);
    format.setProperty(verdictProperty, int(verdict));
    if (verdict == Verdict::Unknown || verdict == Verdict::NotTaken) {
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(verdict == Verdict::Unknown ? QColor(Qt::red)
                                                             : QColor(0xef, 0x8a, 0x00));
    }
    return format;
}

int SourceHighlighter::elementName(const QString& text, int from, QString* name)
{
    int end = from;
    while (end < text.size() && Xml::Name::isNameChar(text.at(end), true)) {
        ++end;
    }
    *name = text.mid(from, end - from);
    return end;
}

void SourceHighlighter::markElement(int start, const QString& name)
{
    const int colon = int(name.indexOf(u':'));
    const SyntaxXmlType type =
        colon > 0 ? SyntaxXml::getSyntaxXmlType(name.left(colon)) : SyntaxXmlType::Unknown;
    if (!isJudged(type)) {
        setFormat(start, int(name.size()), m_neutral);
        return;
    }
    const bool known = !SyntaxXml::get().getElementDataByName(name, type).isEmpty();
    setFormat(start, int(name.size()),
              nameFormat(colorOf(type), known ? Verdict::Known : Verdict::Unknown, true));
}

void SourceHighlighter::markAttribute(int start, const QString& name, const QString& element)
{
    const int length = int(name.size());
    if (name == QLatin1String("xmlns") || name.startsWith(QLatin1String("xmlns:"))) {
        setFormat(start, length, m_declaration);
        return;
    }
    const int elementColon = int(element.indexOf(u':'));
    const SyntaxXmlType elementType = elementColon > 0
                                          ? SyntaxXml::getSyntaxXmlType(element.left(elementColon))
                                          : SyntaxXmlType::Unknown;
    const int colon = int(name.indexOf(u':'));
    const QString prefix = colon > 0 ? name.left(colon) : QString();
    const SyntaxXmlType prefixType =
        colon > 0 ? SyntaxXml::getSyntaxXmlType(prefix) : SyntaxXmlType::Unknown;
    // A plain attribute belongs to its element's vocabulary; "xml:" ones too.
    const SyntaxXmlType type = prefixType != SyntaxXmlType::Unknown ? prefixType : elementType;
    if (!isJudged(type) ||
        (colon > 0 && prefixType == SyntaxXmlType::Unknown && prefix != QLatin1String("xml"))) {
        setFormat(start, length, m_neutral);
        return;
    }
    const SyntaxXml& syntax = SyntaxXml::get();
    if (syntax
            .getAttributeDataByQualifiedName(
                name, elementType == SyntaxXmlType::Unknown ? type : elementType)
            .isEmpty()) {
        setFormat(start, length, nameFormat(colorOf(type).darker(130), Verdict::Unknown, false));
        return;
    }
    Verdict verdict = Verdict::Known;
    if (isJudged(elementType)) {
        // Properties are listed as collections name them: plain FO attributes with "fo:".
        const QString listed =
            colon < 0 && elementType == SyntaxXmlType::FO ? QStringLiteral("fo:") + name : name;
        const ElementData data = syntax.getElementDataByName(element, elementType);
        if (!data.isEmpty() && !data.hasProperty(listed)) {
            verdict = Verdict::NotTaken;
        }
    }
    setFormat(start, length, nameFormat(colorOf(type).darker(130), verdict, false));
}

void SourceHighlighter::highlightBlock(const QString& text)
{
    const int previous = previousBlockState();
    int state = previous < 0 ? Text : (previous & ((1 << stateBits) - 1));
    QString element;
    if (const auto* open = dynamic_cast<OpenTag*>(currentBlock().previous().userData())) {
        element = open->element();
    }
    const int size = int(text.size());
    int i = 0;
    auto finishWith = [&](const QString& closer, int from, const QTextCharFormat& format) {
        const int end = int(text.indexOf(closer, from));
        if (end < 0) {
            setFormat(from, size - from, format);
            i = size;
            return false;
        }
        setFormat(from, end + int(closer.size()) - from, format);
        i = end + int(closer.size());
        state = Text;
        return true;
    };
    while (i < size) {
        switch (state) {
        case InComment:
            finishWith(QStringLiteral("-->"), i, m_comment);
            break;
        case InCData:
            finishWith(QStringLiteral("]]>"), i, m_value);
            break;
        case InDeclaration:
            finishWith(QStringLiteral(">"), i, m_declaration);
            break;
        case InDoubleQuoted:
        case InSingleQuoted: {
            const QChar quote = state == InDoubleQuoted ? u'"' : u'\'';
            const int end = int(text.indexOf(quote, i));
            setFormat(i, (end < 0 ? size : end + 1) - i, m_value);
            i = end < 0 ? size : end + 1;
            if (end >= 0) {
                state = InTag;
            }
            break;
        }
        case InTag: {
            const QChar c = text.at(i);
            if (c.isSpace()) {
                ++i;
            } else if (c == u'>' || (c == u'/' && i + 1 < size && text.at(i + 1) == u'>')) {
                const int length = c == u'>' ? 1 : 2;
                setFormat(i, length, m_punctuation);
                i += length;
                state = Text;
                element.clear();
            } else if (c == u'"' || c == u'\'') {
                state = c == u'"' ? InDoubleQuoted : InSingleQuoted;
                setFormat(i, 1, m_value);
                ++i;
            } else if (Xml::Name::isNameChar(c, true)) {
                QString name;
                const int end = elementName(text, i, &name);
                markAttribute(i, name, element);
                i = end;
            } else {
                setFormat(i, 1, m_punctuation);
                ++i;
            }
            break;
        }
        default: { // Text
            const int open = int(text.indexOf(u'<', i));
            if (open < 0) {
                i = size;
                break;
            }
            if (text.mid(open, 4) == QLatin1String("<!--")) {
                state = InComment;
                i = open;
            } else if (text.mid(open, 9) == QLatin1String("<![CDATA[")) {
                setFormat(open, 9, m_punctuation);
                state = InCData;
                i = open + 9;
            } else if (text.mid(open, 2) == QLatin1String("<?") ||
                       text.mid(open, 2) == QLatin1String("<!")) {
                state = InDeclaration;
                i = open;
            } else {
                const bool closing = text.mid(open, 2) == QLatin1String("</");
                const int nameStart = open + (closing ? 2 : 1);
                setFormat(open, nameStart - open, m_punctuation);
                QString name;
                i = elementName(text, nameStart, &name);
                if (!name.isEmpty()) {
                    markElement(nameStart, name);
                }
                element = name;
                state = InTag;
            }
            break;
        }
        }
    }
    const bool tagOpen = state == InTag || state == InDoubleQuoted || state == InSingleQuoted;
    setCurrentBlockUserData(tagOpen ? new OpenTag(element) : nullptr);
    setCurrentBlockState(encode(state, tagOpen ? element : QString()));
}
