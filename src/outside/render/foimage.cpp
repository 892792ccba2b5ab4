#include "outside/render/foimage_p.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QUrl>

#include <cmath>

namespace Fo {

namespace {

/// The text between url( and ), without quotes; the value itself otherwise.
QString unwrapUrl(QString value)
{
    value = value.trimmed();
    if (value.startsWith(QLatin1String("url("), Qt::CaseInsensitive)) {
        const qsizetype close = value.lastIndexOf(u')');
        value = value.mid(4, close > 4 ? close - 4 : -1).trimmed();
    }
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        value = value.mid(1, value.size() - 2);
    }
    return value;
}

bool looksLikeBase64(const QByteArray& bytes)
{
    for (char c : bytes) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '+' || c == '/' || c == '=' || c == '\n' ||
                        c == '\r' || c == ' ' || c == '-' || c == '_';
        if (!ok) {
            return false;
        }
    }
    return !bytes.isEmpty();
}

QByteArray decodeDataUrl(const QString& url)
{
    const qsizetype comma = url.indexOf(u',');
    if (comma < 0) {
        return {};
    }
    const QString header = url.mid(5, comma - 5);
    const QByteArray payload = url.mid(comma + 1).toUtf8();
    if (header.endsWith(QLatin1String(";base64"), Qt::CaseInsensitive)) {
        return QByteArray::fromBase64(payload);
    }
    const QByteArray text = QByteArray::fromPercentEncoding(payload);
    // The designer writes its gradients as "data:," and base64 without saying so.
    if (!text.trimmed().startsWith('<') && looksLikeBase64(text)) {
        return QByteArray::fromBase64(text);
    }
    return text;
}

bool isSvgBytes(const QByteArray& bytes)
{
    QByteArray head = bytes.left(512).trimmed();
    if (head.startsWith("\xEF\xBB\xBF")) {
        head = head.mid(3).trimmed();
    }
    return head.startsWith('<') && (bytes.contains("<svg") || bytes.contains(":svg"));
}

} // namespace

Image::Image() = default;
Image::~Image() = default;

std::shared_ptr<Image> Image::fromSvg(const QByteArray& bytes)
{
    auto image = std::make_shared<Image>();
    auto renderer = std::make_unique<QSvgRenderer>();
    if (renderer->load(bytes) && renderer->isValid()) {
        QSizeF size = renderer->defaultSize();
        if (size.isEmpty()) {
            size = renderer->viewBoxF().size();
        }
        if (!size.isValid() || size.isEmpty() || !std::isfinite(size.width()) ||
            !std::isfinite(size.height())) {
            size = QSizeF(100, 100);
        }
        image->m_size = size.boundedTo(QSizeF(maxSide, maxSide));
        image->m_svg = std::move(renderer);
        image->m_valid = true;
    }
    return image;
}

std::shared_ptr<Image> Image::fromBytes(const QByteArray& bytes)
{
    if (isSvgBytes(bytes)) {
        return fromSvg(bytes);
    }
    auto image = std::make_shared<Image>();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxSide || size.height() > maxSide)) {
        return image;
    }
    QImage raster;
    if (!reader.read(&raster) || raster.isNull() || raster.width() > maxSide ||
        raster.height() > maxSide) {
        return image;
    }
    // Resolution: what the file says, 96 dpi when it says nothing sensible.
    const double dpiX = raster.dotsPerMeterX() * 0.0254;
    const double dpiY = raster.dotsPerMeterY() * 0.0254;
    const double sx = (dpiX > 10 && dpiX < 10000 && std::abs(dpiX - 96) > 1) ? 96.0 / dpiX : 1.0;
    const double sy = (dpiY > 10 && dpiY < 10000 && std::abs(dpiY - 96) > 1) ? 96.0 / dpiY : 1.0;
    image->m_size = QSizeF(raster.width() * sx, raster.height() * sy);
    image->m_raster = raster.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image->m_valid = true;
    return image;
}

std::shared_ptr<Image> Image::fromSource(const QString& source, const QString& basePath)
{
    const QString url = unwrapUrl(source);
    if (url.startsWith(QLatin1String("data:"), Qt::CaseInsensitive)) {
        return fromBytes(decodeDataUrl(url));
    }
    QString path = url;
    if (url.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        path = QUrl(url).toLocalFile();
    } else if (url.contains(QLatin1String("://"))) {
        // No network access from a preview.
        return std::make_shared<Image>();
    }
    if (path.isEmpty()) {
        return std::make_shared<Image>();
    }
    if (QFileInfo(path).isRelative() && !basePath.isEmpty()) {
        path = QDir(basePath).filePath(path);
    }
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxFileSize) {
        return std::make_shared<Image>();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::make_shared<Image>();
    }
    return fromBytes(file.readAll());
}

void Image::paint(QPainter& painter, const QRectF& target) const
{
    if (!m_valid || target.isEmpty()) {
        return;
    }
    if (m_svg) {
        m_svg->render(&painter, target);
        return;
    }
    painter.drawImage(target, m_raster);
}

} // namespace Fo
