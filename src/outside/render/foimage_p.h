#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace Fo {

/// A raster image or an SVG drawing, read once and painted at any size.
/// An image that cannot be read is kept as an invalid image: its box stays empty.
class Image
{
public:
    Image();
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    /// Reads `source`: "url(...)" or a bare path or URL, relative paths taken
    /// from `basePath`, "data:" URLs (base64 or percent-encoded, and the
    /// designer's gradients, base64 without a media type). Network URLs are
    /// never fetched; they give an invalid image.
    static std::shared_ptr<Image> fromSource(const QString& source, const QString& basePath);
    /// An SVG document given as bytes (instream foreign objects).
    static std::shared_ptr<Image> fromSvg(const QByteArray& bytes);
    /// Raster or SVG bytes, told apart by their content.
    static std::shared_ptr<Image> fromBytes(const QByteArray& bytes);

    /// Files above this size are not read: no preview needs them.
    static constexpr qint64 maxFileSize = qint64(64) * 1024 * 1024;
    /// Nor images with more pixels on a side.
    static constexpr int maxSide = 10000;

    bool isValid() const { return m_valid; }
    bool isSvg() const { return m_svg != nullptr; }
    /// The size in CSS pixels: raster images at their resolution (96 dpi when
    /// they give none), SVG at its width and height.
    QSizeF intrinsicSize() const { return m_size; }
    void paint(QPainter& painter, const QRectF& target) const;

private:
    bool m_valid = false;
    QSizeF m_size;
    QImage m_raster;
    std::unique_ptr<QSvgRenderer> m_svg;
};

} // namespace Fo
