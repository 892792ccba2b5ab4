#include "outside/render/fostyle_p.h"

#include "outside/cssvalues/xmlborderwidth.h"
#include "outside/cssvalues/xmlcolorparse.h"
#include "outside/cssvalues/xmllength.h"
#include "outside/render/fostyletable_p.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace Fo {

std::optional<double> StyleResolver::parseLength(QStringView text, double fontSize)
{
    Xml::Length length;
    if (!Xml::Length::parseLength(length, text.toString(), false)) {
        return std::nullopt;
    }
    const double px = length.pxSize(fontSize);
    if (!std::isfinite(px)) {
        return std::nullopt;
    }
    return px;
}

std::optional<LengthPct> StyleResolver::parseLengthPct(QStringView text, double fontSize)
{
    text = text.trimmed();
    if (text.endsWith(u'%')) {
        bool ok = false;
        const double pct = text.chopped(1).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(pct) || std::abs(pct) > 1e6) {
            return std::nullopt;
        }
        return LengthPct{pct, true};
    }
    if (auto px = parseLength(text, fontSize)) {
        return LengthPct{*px, false};
    }
    return std::nullopt;
}

std::optional<QColor> StyleResolver::parseColor(QStringView text)
{
    const auto parsed = Xml::ColorParse::parseColor(text.toString());
    if (!parsed) {
        return std::nullopt;
    }
    return QColor(parsed->getR(), parsed->getG(), parsed->getB(), parsed->getAlpha());
}

std::optional<BorderStyle> StyleResolver::parseBorderStyle(QStringView v)
{
    static const std::pair<const char16_t*, BorderStyle> styles[] = {
        {u"none", BorderStyle::None},     {u"hidden", BorderStyle::Hidden},
        {u"solid", BorderStyle::Solid},   {u"dotted", BorderStyle::Dotted},
        {u"dashed", BorderStyle::Dashed}, {u"double", BorderStyle::Double},
        {u"groove", BorderStyle::Groove}, {u"ridge", BorderStyle::Ridge},
        {u"inset", BorderStyle::Inset},   {u"outset", BorderStyle::Outset}};
    for (const auto& [name, style] : styles) {
        if (v == QStringView(name)) {
            return style;
        }
    }
    return std::nullopt;
}

std::optional<double> StyleResolver::parseBorderWidth(QStringView v, double fontSize)
{
    if (const std::optional<Xml::BorderWidth> keyword = Xml::BorderWidth::fromKeyword(v)) {
        return keyword->getSize() * 4.0 / 3.0; // points to pixels
    }
    auto px = parseLength(v, fontSize);
    if (!px || *px < 0) {
        return std::nullopt;
    }
    return std::min(*px, 10000.0);
}

Style StyleResolver::inheritOnly(const Style& parent)
{
    Style s;
    static_cast<InheritedProps&>(s) = static_cast<const InheritedProps&>(parent);
    return s;
}

Style StyleResolver::compute(const Style& parent, const PropertyText* props, int count)
{
    Style s = inheritOnly(parent);
    struct Pending
    {
        PropertyEntry entry;
        const QString* value;
    };
    std::vector<Pending> pending;
    pending.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const PropertyEntry entry = propertyEntry(props[i].name);
        if (entry.reader) {
            pending.push_back({entry, &props[i].value});
        }
    }
    std::stable_sort(pending.begin(), pending.end(), [](const Pending& a, const Pending& b) {
        return a.entry.rank < b.entry.rank;
    });
    PropertyReading reading{s, parent, {}, 0, 0.0, false};
    for (const Pending& p : pending) {
        const QStringView value = QStringView(*p.value).trimmed();
        if (value.isEmpty() || value == u"inherit") {
            continue;
        }
        reading.value = value;
        reading.side = size_t(p.entry.side);
        reading.em = s.fontSize;
        p.entry.reader(reading);
    }
    if (reading.decorationSet) {
        // A decoration takes the colour of the object that asks for it.
        if (s.underline != parent.underline || !s.underlineColor.isValid()) {
            s.underlineColor = s.color;
        }
        if (s.overline != parent.overline || !s.overlineColor.isValid()) {
            s.overlineColor = s.color;
        }
        if (s.lineThrough != parent.lineThrough || !s.lineThroughColor.isValid()) {
            s.lineThroughColor = s.color;
        }
    }
    return s;
}

} // namespace Fo
