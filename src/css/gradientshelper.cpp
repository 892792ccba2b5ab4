#include "css/gradientshelper.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

const QLatin1String UrlStart("url(");
const QLatin1String DataStart("data:,");

// The document must be well-formed to its end, as a DOM parser would demand;
// QXmlStreamReader loads no external entity and no DTD, and caps the
// expansion of internal ones.
bool isGradientDocument(const QByteArray& bytes)
{
    QXmlStreamReader reader(bytes);
    int depth = 0;
    bool sawRoot = false;
    bool decided = false;
    bool answer = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (depth == 0) {
                if (sawRoot || reader.name() != QLatin1String("svg")) {
                    return false;
                }
                sawRoot = true;
            }
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Comment:
            if (depth == 1 && !decided) {
                decided = true;
                const QString text = reader.text().toString().trimmed();
                answer = text == QLatin1String("custom svg gradient") ||
                         text == QLatin1String("default svg gradient");
            }
            break;
        default:
            break;
        }
    }
    return !reader.hasError() && sawRoot && answer;
}

QByteArray readSmallFile(const QString& path)
{
    const QFileInfo info(path);
    // Only regular files: a device or a pipe could be endless or block.
    if (path.isEmpty() || !info.exists() || !info.isFile() ||
        info.size() > GradientsHelper::MaxDocumentSize) {
        return QByteArray();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.read(GradientsHelper::MaxDocumentSize + 1);
}

} // namespace

Core::String GradientsHelper::getGradientData(const Core::String& value)
{
    QString data = value.toQString();
    if (data.startsWith(UrlStart)) {
        const qsizetype close = data.indexOf(u')', UrlStart.size());
        data = close < 0 ? data.mid(UrlStart.size())
                         : data.mid(UrlStart.size(), close - UrlStart.size());
    }
    if (data.startsWith(DataStart)) {
        data.remove(0, DataStart.size());
    }
    return data;
}

bool GradientsHelper::isGradient(const Core::String& value)
{
    try {
        if (value.isEmpty()) {
            return false;
        }
        const QString& text = value.toQString();
        const bool url = text.startsWith(UrlStart);
        const QString data = getGradientData(value).toQString();
        const bool inlineData = (url ? text.mid(UrlStart.size()) : text).startsWith(DataStart);
        QByteArray document;
        if (url && !inlineData) {
            document = readSmallFile(data);
        } else {
            QByteArray base64 = data.toLatin1();
            base64.replace(' ', "").replace('\n', "").replace('\r', "").replace('\t', "");
            if (base64.size() > MaxDocumentSize * 4 / 3 + 4) {
                return false;
            }
            const auto decoded =
                QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded) {
                return false;
            }
            document = *decoded;
        }
        if (document.isEmpty() || document.size() > MaxDocumentSize) {
            return false;
        }
        return isGradientDocument(document);
    } catch (...) {
        return false;
    }
}
