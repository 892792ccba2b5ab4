#pragma once

#include "outside/render/fostyle_p.h"

#include <QFont>
#include <QFontMetricsF>

#include <memory>
#include <unordered_map>

namespace Fo {

/// A font at a size in CSS pixels with the metrics layout needs, measured
/// for a 96 dpi device so that layout does not depend on the screen.
struct FontInfo
{
    QFont font;
    QFontMetricsF metrics;
    double ascent = 0;
    double descent = 0;
    double lineWidth = 1;
    double underlinePos = 1;
    double overlinePos = 0;
    double strikeOutPos = 0;
    double spaceWidth = 0;

    explicit FontInfo(const QFont& f);
    double width(const QString& text) const { return metrics.horizontalAdvance(text); }
};

/// Fonts shared by every object that asks for the same face and size.
class FontCache
{
public:
    /// The font of a style; `scale` shrinks it (small capitals).
    const FontInfo* get(const Style& style, double scale = 1.0);

    /// The family list of a font-family value, with the generic names and the
    /// common Windows faces mapped to the families installed here.
    static QStringList families(const QString& fontFamily);

private:
    std::unordered_map<const Style*, const FontInfo*> m_byStyle;
    std::unordered_map<QString, std::shared_ptr<const FontInfo>> m_byKey;
};

} // namespace Fo
