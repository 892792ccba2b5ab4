#include "outside/core/coretextwriter.h"

#include <QStringEncoder>

namespace Core::IO {

TextWriter::TextWriter(SmartPtr<Stream> stream, TextEncoding encoding, bool writeByteOrderMark)
    : m_stream(std::move(stream)),
      m_encoding(encoding == TextEncoding::Detect ? TextEncoding::Utf8 : encoding),
      m_markPending(writeByteOrderMark && encoding != TextEncoding::Latin1)
{
}

void TextWriter::writeMarkOnce()
{
    if (!m_markPending) {
        return;
    }
    m_markPending = false;
    switch (m_encoding) {
    case TextEncoding::Utf16LE:
        m_stream->write("\xFF\xFE", 2);
        break;
    case TextEncoding::Utf16BE:
        m_stream->write("\xFE\xFF", 2);
        break;
    default:
        m_stream->write("\xEF\xBB\xBF", 3);
        break;
    }
}

void TextWriter::write(const String& text)
{
    writeMarkOnce();
    QStringConverter::Encoding codec = QStringConverter::Utf8;
    if (m_encoding == TextEncoding::Utf16LE) {
        codec = QStringConverter::Utf16LE;
    } else if (m_encoding == TextEncoding::Utf16BE) {
        codec = QStringConverter::Utf16BE;
    } else if (m_encoding == TextEncoding::Latin1) {
        codec = QStringConverter::Latin1;
    }
    QStringEncoder encoder(codec, QStringConverter::Flag::Stateless);
    m_stream->write(QByteArray(encoder.encode(text.toQString())));
}

void TextWriter::writeLine(const String& text)
{
    write(text + "\n");
}

} // namespace Core::IO
