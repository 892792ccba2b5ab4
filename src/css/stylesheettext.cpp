#include "css/stylesheettext.h"

#include "outside/core/coreexception.h"

#include <algorithm>
#include <cstring>
#include <QStringEncoder>

namespace {

// The length of the well-formed UTF-8 sequence at p (Unicode table 3-7), and
// its code point; 0 when the bytes there are not one.
int utf8Sequence(const uchar* p, qsizetype available, char32_t& codePoint)
{
    const uchar lead = p[0];
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    int length = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (available < length) {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        const uchar c = p[i];
        if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF)) {
            return 0;
        }
        codePoint = (codePoint << 6) | (c & 0x3F);
    }
    return length;
}

} // namespace

StylesheetText::StylesheetText(QByteArray bytes) : m_bytes(std::move(bytes))
{
    const auto* raw = reinterpret_cast<const uchar*>(m_bytes.constData());
    const qsizetype size = m_bytes.size();
    m_bomSize = 0;
    m_encoding = Core::IO::TextEncoding::Utf8;
    if (size >= 3 && std::memcmp(raw, "\xEF\xBB\xBF", 3) == 0) {
        m_bomSize = 3;
    } else if (size >= 2 && raw[0] == 0xFF && raw[1] == 0xFE) {
        m_bomSize = 2;
        m_encoding = Core::IO::TextEncoding::Utf16LE;
    } else if (size >= 2 && raw[0] == 0xFE && raw[1] == 0xFF) {
        m_bomSize = 2;
        m_encoding = Core::IO::TextEncoding::Utf16BE;
    }

    QString text;
    if (m_encoding == Core::IO::TextEncoding::Utf8) {
        text.resize(size - m_bomSize);
        QChar* out = text.data();
        qsizetype units = 0;
        qsizetype i = m_bomSize;
        while (i < size) {
            if (raw[i] < 0x80) {
                out[units++] = QChar(raw[i++]);
                continue;
            }
            char32_t codePoint = 0;
            const int length = utf8Sequence(raw + i, size - i, codePoint);
            if (length == 0) {
                out[units++] = QChar(QChar::ReplacementCharacter);
                ++i;
            } else if (codePoint >= 0x10000) {
                out[units++] = QChar(QChar::highSurrogate(codePoint));
                out[units++] = QChar(QChar::lowSurrogate(codePoint));
                i += length;
            } else {
                out[units++] = QChar(char16_t(codePoint));
                i += length;
            }
        }
        text.truncate(units);
    } else {
        const bool littleEndian = m_encoding == Core::IO::TextEncoding::Utf16LE;
        const qsizetype units = (size - m_bomSize) / 2;
        text.resize(units + ((size - m_bomSize) % 2));
        QChar* out = text.data();
        for (qsizetype u = 0; u < units; ++u) {
            const uchar a = raw[m_bomSize + 2 * u];
            const uchar b = raw[m_bomSize + 2 * u + 1];
            out[u] = QChar(littleEndian ? char16_t(a | (b << 8)) : char16_t((a << 8) | b));
        }
        if ((size - m_bomSize) % 2) {
            out[units] = QChar(QChar::ReplacementCharacter); // a lone last byte
        }
    }
    m_text = Core::String(std::move(text));

    m_lineBreak = Core::String("\n");
    const QString& t = m_text.toQString();
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t.at(i) == u'\n') {
            break;
        }
        if (t.at(i) == u'\r') {
            m_lineBreak = (i + 1 < t.size() && t.at(i + 1) == u'\n') ? Core::String("\r\n")
                                                                     : Core::String("\r");
            break;
        }
    }
}

// Where the character `index` of text() starts in the file; the file's size
// for index == text().length(). Walks the bytes as the constructor does.
qint64 StylesheetText::byteOffset(int index) const
{
    const qsizetype size = m_bytes.size();
    if (m_encoding != Core::IO::TextEncoding::Utf8) {
        return std::min<qint64>(m_bomSize + 2 * qint64(index), size);
    }
    const auto* raw = reinterpret_cast<const uchar*>(m_bytes.constData());
    qsizetype units = 0;
    qsizetype i = m_bomSize;
    while (i < size && units < index) {
        if (raw[i] < 0x80) {
            ++i;
            ++units;
            continue;
        }
        char32_t codePoint = 0;
        const int length = utf8Sequence(raw + i, size - i, codePoint);
        i += length == 0 ? 1 : length;
        units += codePoint >= 0x10000 && length > 0 ? 2 : 1;
    }
    return i;
}

QByteArray StylesheetText::encode(const Core::String& text) const
{
    QString converted = text.toQString();
    if (m_lineBreak.toQString() != QLatin1String("\n")) {
        converted.replace(QLatin1Char('\n'), m_lineBreak.toQString());
    }
    QStringConverter::Encoding codec = QStringConverter::Utf8;
    if (m_encoding == Core::IO::TextEncoding::Utf16LE) {
        codec = QStringConverter::Utf16LE;
    } else if (m_encoding == Core::IO::TextEncoding::Utf16BE) {
        codec = QStringConverter::Utf16BE;
    }
    QStringEncoder encoder(codec, QStringConverter::Flag::Stateless);
    return encoder.encode(converted);
}

QByteArray StylesheetText::replaced(int first, int last, const Core::String& replacement) const
{
    if (first < 0 || last < first - 1 || last >= m_text.length()) {
        throw Core::Exception(
            QStringLiteral("A change to a stylesheet lies outside its text; nothing was written."));
    }
    const qint64 from = byteOffset(first);
    const qint64 to = byteOffset(last + 1);
    QByteArray content;
    content.reserve(m_bytes.size() + replacement.length() * 2);
    content.append(m_bytes.constData(), from);
    content.append(encode(replacement));
    content.append(m_bytes.constData() + to, m_bytes.size() - to);
    return content;
}

QByteArray StylesheetText::appended(const Core::String& addition) const
{
    return m_bytes + encode(addition);
}
