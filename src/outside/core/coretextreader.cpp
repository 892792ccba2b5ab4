#include "outside/core/coretextreader.h"

#include <QStringDecoder>
#include <cstring>

namespace Core::IO {

TextReader::TextReader(SmartPtr<Stream> stream, TextEncoding encoding)
    : m_stream(std::move(stream)), m_encoding(encoding)
{
}

String TextReader::readToEnd()
{
    QByteArray bytes = m_stream->readAll();
    const auto startsWith = [&bytes](const char* bom, int size) {
        return bytes.size() >= size && std::memcmp(bytes.constData(), bom, size_t(size)) == 0;
    };
    TextEncoding detected = TextEncoding::Utf8;
    int bomSize = 0;
    if (startsWith("\xEF\xBB\xBF", 3)) {
        detected = TextEncoding::Utf8;
        bomSize = 3;
    } else if (startsWith("\xFF\xFE", 2)) {
        detected = TextEncoding::Utf16LE;
        bomSize = 2;
    } else if (startsWith("\xFE\xFF", 2)) {
        detected = TextEncoding::Utf16BE;
        bomSize = 2;
    }
    if (m_encoding == TextEncoding::Detect) {
        m_encoding = detected;
    }
    // A mark that matches the asked encoding is not part of the text.
    m_hadBom = bomSize > 0 && detected == m_encoding;
    if (m_hadBom) {
        bytes.remove(0, bomSize);
    }
    QStringConverter::Encoding codec = QStringConverter::Utf8;
    switch (m_encoding) {
    case TextEncoding::Utf16LE:
        codec = QStringConverter::Utf16LE;
        break;
    case TextEncoding::Utf16BE:
        codec = QStringConverter::Utf16BE;
        break;
    case TextEncoding::Latin1:
        codec = QStringConverter::Latin1;
        break;
    case TextEncoding::Utf8:
    case TextEncoding::Detect:
        break;
    }
    QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
    return String(QString(decoder.decode(bytes)));
}

} // namespace Core::IO
