#include "outside/render/fofont_p.h"

#include <QImage>

#include <mutex>

#include <cmath>

namespace Fo {

namespace {

const QPaintDevice* device96()
{
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32_Premultiplied);
        i.setDotsPerMeterX(3780);
        i.setDotsPerMeterY(3780);
        return i;
    }();
    return &image;
}

QString mapFamily(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("times") || lower == QLatin1String("times new roman") ||
        lower == QLatin1String("serif") || lower == QLatin1String("times-roman")) {
        return QStringLiteral("Liberation Serif");
    }
    if (lower == QLatin1String("arial") || lower == QLatin1String("helvetica") ||
        lower == QLatin1String("sans-serif") || lower == QLatin1String("sans")) {
        return QStringLiteral("Liberation Sans");
    }
    if (lower == QLatin1String("courier") || lower == QLatin1String("courier new") ||
        lower == QLatin1String("monospace")) {
        return QStringLiteral("Liberation Mono");
    }
    return name;
}

} // namespace

FontInfo::FontInfo(const QFont& f) : font(f), metrics(f, device96())
{
    ascent = metrics.ascent();
    descent = metrics.descent();
    lineWidth = std::max(0.5, metrics.lineWidth());
    underlinePos = metrics.underlinePos();
    overlinePos = metrics.overlinePos();
    strikeOutPos = metrics.strikeOutPos();
    spaceWidth = metrics.horizontalAdvance(QLatin1Char(' '));
}

QStringList FontCache::families(const QString& fontFamily)
{
    QStringList list;
    for (QString part : fontFamily.split(u',', Qt::SkipEmptyParts)) {
        part = part.trimmed();
        if (part.size() >= 2 && (part.front() == u'"' || part.front() == u'\'') &&
            part.back() == part.front()) {
            part = part.mid(1, part.size() - 2);
        }
        if (!part.isEmpty()) {
            list << mapFamily(part);
        }
    }
    if (list.isEmpty()) {
        list << QStringLiteral("Liberation Serif");
    }
    return list;
}

namespace {

/// Fonts outlive documents: a process-wide table spares every preview the
/// font look-up, which costs more than laying out a small page. Bounded, so
/// documents asking for endless sizes cannot grow it without end.
struct SharedFonts
{
    std::mutex mutex;
    std::unordered_map<QString, std::shared_ptr<const FontInfo>> fonts;
    static constexpr size_t limit = 512;
};

SharedFonts& sharedFonts()
{
    static SharedFonts shared;
    return shared;
}

} // namespace

const FontInfo* FontCache::get(const Style& style, double scale)
{
    if (scale == 1.0) {
        if (auto it = m_byStyle.find(&style); it != m_byStyle.end()) {
            return it->second;
        }
    }
    const double px = std::clamp(style.fontSize * scale, 0.5, 5000.0);
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6")
                            .arg(style.fontFamily)
                            .arg(std::round(px * 64))
                            .arg(style.fontWeight)
                            .arg(style.italic ? 1 : 0)
                            .arg(style.letterSpacing)
                            .arg(style.wordSpacing);
    auto it = m_byKey.find(key);
    if (it == m_byKey.end()) {
        SharedFonts& shared = sharedFonts();
        std::lock_guard<std::mutex> lock(shared.mutex);
        auto found = shared.fonts.find(key);
        if (found == shared.fonts.end()) {
            QFont font;
            font.setFamilies(families(style.fontFamily));
            font.setPointSizeF(px * 0.75);
            font.setWeight(QFont::Weight(std::clamp(style.fontWeight, 100, 900)));
            font.setItalic(style.italic);
            // Unhinted outlines keep advances proportional, so a page measured at
            // 96 dpi paints the same at any preview scale.
            font.setHintingPreference(QFont::PreferNoHinting);
            font.setKerning(true);
            if (style.letterSpacing != 0.0) {
                font.setLetterSpacing(QFont::AbsoluteSpacing, style.letterSpacing);
            }
            if (style.wordSpacing != 0.0) {
                font.setWordSpacing(style.wordSpacing);
            }
            auto info = std::make_shared<const FontInfo>(font);
            if (shared.fonts.size() < SharedFonts::limit) {
                shared.fonts.emplace(key, info);
            }
            it = m_byKey.emplace(key, std::move(info)).first;
        } else {
            it = m_byKey.emplace(key, found->second).first;
        }
    }
    if (scale == 1.0) {
        m_byStyle.emplace(&style, it->second.get());
    }
    return it->second.get();
}

} // namespace Fo
