#include "outside/cssvalues/xmlcolorparse.h"

#include "outside/cssvalues/xmlcssnumber_p.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <QList>

namespace Xml {

namespace {

struct Keyword
{
    const char* name;
    std::uint32_t rgb; // 0xRRGGBB as CSS writes it
};

// CSS Color Level 3 (SVG 1.1) keywords, sorted for binary search.
constexpr std::array<Keyword, 147> Keywords{{
    {"aliceblue", 0xF0F8FF},
    {"antiquewhite", 0xFAEBD7},
    {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF},
    {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4},
    {"black", 0x000000},
    {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF},
    {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0},
    {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50},
    {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F},
    {"darkslategrey", 0x2F4F4F},
    {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xADFF2F},
    {"grey", 0x808080},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4},
    {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0},
    {"lime", 0x00FF00},
    {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6},
    {"magenta", 0xFF00FF},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A},
    {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD},
    {"navy", 0x000080},
    {"oldlace", 0xFDF5E6},
    {"olive", 0x808000},
    {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500},
    {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6},
    {"purple", 0x800080},
    {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0},
    {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C},
    {"teal", 0x008080},
    {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00},
    {"yellowgreen", 0x9ACD32},
}};

constexpr bool isSorted()
{
    for (size_t i = 1; i < Keywords.size(); ++i) {
        const char* a = Keywords[i - 1].name;
        const char* b = Keywords[i].name;
        while (*a != '\0' && *a == *b) {
            ++a;
            ++b;
        }
        if (*a >= *b) {
            return false;
        }
    }
    return true;
}
static_assert(isSorted(), "the keyword lookup is a binary search");

bool isAsciiSpace(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

char asciiLower(QChar c)
{
    const char16_t u = c.unicode();
    return char(u >= u'A' && u <= u'Z' ? u - u'A' + u'a' : u);
}

// CSS names fold ASCII letters only: a Unicode lookalike ("\u212A" for K) is not a keyword.
bool startsWithNoCase(QStringView text, const char* prefix)
{
    qsizetype i = 0;
    for (; prefix[i] != '\0'; ++i) {
        if (i >= text.size() || text[i].unicode() > 0x7F || asciiLower(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool equalsNoCase(QStringView text, const char* word)
{
    return text.size() == qsizetype(qstrlen(word)) && startsWithNoCase(text, word);
}

// The arguments of "name(...)" split at commas outside quotes and trimmed, or
// none when the text is not one call of that name. Nested parentheses are refused:
// no notation here has them, and shorthand tokens end at the first ")".
std::optional<QList<QStringView>> functionArguments(QStringView text, const char* name)
{
    const QStringView call = text.trimmed();
    const qsizetype nameLength = qsizetype(qstrlen(name));
    if (!startsWithNoCase(call, name) || call.size() < nameLength + 2 ||
        call[nameLength] != QLatin1Char('(') || !call.endsWith(QLatin1Char(')'))) {
        return std::nullopt;
    }
    const QStringView inner = call.mid(nameLength + 1, call.size() - nameLength - 2);
    QList<QStringView> arguments;
    qsizetype start = 0;
    QChar quote;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (!quote.isNull()) {
            if (c == quote) {
                quote = QChar();
            }
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            return std::nullopt;
        } else if (c == QLatin1Char(',')) {
            arguments.append(inner.mid(start, i - start).trimmed());
            start = i + 1;
        }
    }
    if (!quote.isNull()) {
        return std::nullopt;
    }
    arguments.append(inner.mid(start).trimmed());
    return arguments;
}

// A number, or a percentage given as its number over 100.
std::optional<double> numberOrPercent(QStringView argument, bool& isPercent)
{
    isPercent = argument.endsWith(QLatin1Char('%'));
    double value = 0.0;
    if (!CssNumber::parse(isPercent ? argument.chopped(1) : argument, value)) {
        return std::nullopt;
    }
    return isPercent ? value / 100.0 : value;
}

int clampToByte(double value)
{
    return int(std::lround(std::clamp(value, 0.0, 255.0)));
}

std::optional<int> rgbComponent(QStringView argument, ColorParse::Range range)
{
    bool percent = false;
    const std::optional<double> value = numberOrPercent(argument, percent);
    if (!value) {
        return std::nullopt;
    }
    if (percent) {
        return clampToByte(*value * 255.0);
    }
    if (range == ColorParse::Range::Clamp) {
        return clampToByte(*value);
    }
    // Clamped well inside the range of long long before converting, so any
    // magnitude is safe; the low byte of such a number is arbitrary anyway.
    const auto whole = static_cast<long long>(std::clamp(std::trunc(*value), -9e15, 9e15));
    return int(whole & 0xFF);
}

// Alpha, tint and ink components: a number 0..1 or a percentage, clamped.
std::optional<double> unitFraction(QStringView argument)
{
    bool percent = false;
    const std::optional<double> value = numberOrPercent(argument, percent);
    if (!value) {
        return std::nullopt;
    }
    return std::clamp(*value, 0.0, 1.0);
}

ColorParse::Result rgbFromArguments(const QList<QStringView>& arguments, ColorParse::Range range)
{
    QList<QStringView> parts = arguments;
    if (parts.size() == 1) {
        // The blank-separated form: "r g b" or "r g b / a".
        const QStringView whole = parts.first();
        const qsizetype slash = whole.indexOf(QLatin1Char('/'));
        parts.clear();
        const QStringView colour = slash < 0 ? whole : whole.left(slash);
        qsizetype at = 0;
        while (at < colour.size()) {
            while (at < colour.size() && isAsciiSpace(colour[at])) {
                ++at;
            }
            const qsizetype start = at;
            while (at < colour.size() && !isAsciiSpace(colour[at])) {
                ++at;
            }
            if (at > start) {
                parts.append(colour.mid(start, at - start));
            }
        }
        if (parts.size() != 3) {
            return std::nullopt;
        }
        if (slash >= 0) {
            parts.append(whole.mid(slash + 1).trimmed());
        }
    }
    if (parts.size() != 3 && parts.size() != 4) {
        return std::nullopt;
    }
    const std::optional<int> red = rgbComponent(parts[0], range);
    const std::optional<int> green = rgbComponent(parts[1], range);
    const std::optional<int> blue = rgbComponent(parts[2], range);
    if (!red || !green || !blue) {
        return std::nullopt;
    }
    int alpha = 255;
    if (parts.size() == 4) {
        const std::optional<double> fraction = unitFraction(parts[3]);
        if (!fraction) {
            return std::nullopt;
        }
        alpha = clampToByte(*fraction * 255.0);
    }
    return Drawing::RGBColor(*red, *green, *blue, alpha);
}

Drawing::RGBColor fromCmyk(double c, double m, double y, double k)
{
    return Drawing::RGBColor(clampToByte(255.0 * (1.0 - c) * (1.0 - k)),
                             clampToByte(255.0 * (1.0 - m) * (1.0 - k)),
                             clampToByte(255.0 * (1.0 - y) * (1.0 - k)));
}

std::optional<std::array<double, 4>> cmykFromArguments(const QList<QStringView>& arguments,
                                                       qsizetype first)
{
    std::array<double, 4> ink{};
    for (size_t i = 0; i < ink.size(); ++i) {
        const std::optional<double> value = unitFraction(arguments[first + qsizetype(i)]);
        if (!value) {
            return std::nullopt;
        }
        ink[i] = *value;
    }
    return ink;
}

// Follows the C library's scanning: a blank in the pattern skips any run of white
// space, "%d" skips white space and reads a signed decimal integer, any other
// character must match. Answers how many integers were read, each reduced to
// its low 8 bits as it is read, so no length of digits can overflow.
int scanIntegers(QStringView text, const char* pattern, std::array<int, 3>& numbers)
{
    qsizetype at = 0;
    int count = 0;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p == ' ') {
            while (at < text.size() && isAsciiSpace(text[at])) {
                ++at;
            }
        } else if (*p == '%' && p[1] == 'd') {
            ++p;
            while (at < text.size() && isAsciiSpace(text[at])) {
                ++at;
            }
            bool negative = false;
            if (at < text.size() &&
                (text[at] == QLatin1Char('-') || text[at] == QLatin1Char('+'))) {
                negative = text[at] == QLatin1Char('-');
                ++at;
            }
            const qsizetype digits = at;
            unsigned lowByte = 0;
            while (at < text.size() && text[at] >= QLatin1Char('0') &&
                   text[at] <= QLatin1Char('9')) {
                lowByte = (lowByte * 10 + unsigned(text[at].unicode() - u'0')) & 0xFF;
                ++at;
            }
            if (at == digits) {
                return count;
            }
            numbers[size_t(count++)] = int(negative ? (256 - lowByte) & 0xFF : lowByte);
        } else {
            if (at >= text.size() || text[at] != QLatin1Char(*p)) {
                return count;
            }
            ++at;
        }
    }
    return count;
}

} // namespace

ColorParse::Result ColorParse::parseColor(const Core::String& text)
{
    const QStringView trimmed = QStringView(text.toQString()).trimmed();
    if (startsWithNoCase(trimmed, "rgb-icc")) {
        return parseICCColor(text);
    }
    if (startsWithNoCase(trimmed, "spot-color")) {
        return parseSpotColor(text);
    }
    if (startsWithNoCase(trimmed, "rgb")) {
        return parseRGB(text);
    }
    if (startsWithNoCase(trimmed, "cmyk")) {
        return parseCMYKString(text);
    }
    if (trimmed.startsWith(QLatin1Char('#'))) {
        return parseHexaColor(text);
    }
    return parseColorName(text);
}

ColorParse::Result ColorParse::parseRGB(const Core::String& text, Range range)
{
    std::optional<QList<QStringView>> arguments = functionArguments(text.toQString(), "rgb");
    if (!arguments) {
        arguments = functionArguments(text.toQString(), "rgba");
    }
    if (!arguments) {
        return std::nullopt;
    }
    return rgbFromArguments(*arguments, range);
}

ColorParse::Result ColorParse::parseHexaColor(const Core::String& text)
{
    const QStringView trimmed = QStringView(text.toQString()).trimmed();
    if (!trimmed.startsWith(QLatin1Char('#'))) {
        return std::nullopt;
    }
    const QStringView digits = trimmed.mid(1);
    const qsizetype length = digits.size();
    if (length != 3 && length != 4 && length != 6 && length != 8) {
        return std::nullopt;
    }
    std::array<int, 8> nibbles{};
    for (qsizetype i = 0; i < length; ++i) {
        const char c = digits[i].unicode() > 0x7F ? '\0' : asciiLower(digits[i]);
        if (c >= '0' && c <= '9') {
            nibbles[size_t(i)] = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            nibbles[size_t(i)] = c - 'a' + 10;
        } else {
            return std::nullopt;
        }
    }
    std::array<int, 4> channels{0, 0, 0, 255};
    const bool shortForm = length <= 4;
    for (qsizetype i = 0; i < (shortForm ? length : length / 2); ++i) {
        channels[size_t(i)] = shortForm ? nibbles[size_t(i)] * 17
                                        : nibbles[size_t(2 * i)] * 16 + nibbles[size_t(2 * i + 1)];
    }
    return Drawing::RGBColor(channels[0], channels[1], channels[2], channels[3]);
}

ColorParse::Result ColorParse::parseCMYKString(const Core::String& text)
{
    const std::optional<QList<QStringView>> arguments = functionArguments(text.toQString(), "cmyk");
    if (!arguments || arguments->size() != 4) {
        return std::nullopt;
    }
    const auto ink = cmykFromArguments(*arguments, 0);
    if (!ink) {
        return std::nullopt;
    }
    return fromCmyk((*ink)[0], (*ink)[1], (*ink)[2], (*ink)[3]);
}

ColorParse::Result ColorParse::parseICCColor(const Core::String& text)
{
    const std::optional<QList<QStringView>> arguments =
        functionArguments(text.toQString(), "rgb-icc");
    if (!arguments || arguments->size() < 4) {
        return std::nullopt;
    }
    for (const QStringView argument : *arguments) {
        if (argument.isEmpty()) {
            return std::nullopt;
        }
    }
    return rgbFromArguments(arguments->mid(0, 3), Range::Clamp);
}

ColorParse::Result ColorParse::parseSpotColor(const Core::String& text)
{
    const std::optional<QList<QStringView>> arguments =
        functionArguments(text.toQString(), "spot-color");
    if (!arguments || (arguments->size() != 5 && arguments->size() != 6)) {
        return std::nullopt;
    }
    QStringView name = arguments->first();
    if (name.size() >= 2 &&
        (name.front() == QLatin1Char('"') || name.front() == QLatin1Char('\'')) &&
        name.back() == name.front()) {
        name = name.mid(1, name.size() - 2).trimmed();
    }
    if (name.isEmpty()) {
        return std::nullopt;
    }
    const auto ink = cmykFromArguments(*arguments, 1);
    if (!ink) {
        return std::nullopt;
    }
    double tint = 1.0;
    if (arguments->size() == 6) {
        const std::optional<double> value = unitFraction(arguments->at(5));
        if (!value) {
            return std::nullopt;
        }
        tint = *value;
    }
    return fromCmyk((*ink)[0] * tint, (*ink)[1] * tint, (*ink)[2] * tint, (*ink)[3] * tint);
}

ColorParse::Result ColorParse::parseColorName(const Core::String& text, Qt::CaseSensitivity cs)
{
    const QString name = text.toQString().trimmed();
    const bool transparent = cs == Qt::CaseSensitive ? name == QLatin1String("transparent")
                                                     : equalsNoCase(name, "transparent");
    if (transparent) {
        return Drawing::RGBColor(0, 0, 0, 0);
    }
    const std::optional<COLORREF> color = lookupColorKeyword(name, cs);
    if (!color) {
        return std::nullopt;
    }
    return Drawing::RGBColor::fromCOLORREF(*color);
}

std::optional<COLORREF> ColorParse::lookupColorKeyword(const Core::String& name,
                                                       Qt::CaseSensitivity cs)
{
    const QString& text = name.toQString();
    std::string key;
    key.reserve(size_t(text.size()));
    for (const QChar c : text) {
        if (c.unicode() > 0x7F) {
            return std::nullopt;
        }
        key.push_back(cs == Qt::CaseInsensitive ? asciiLower(c) : char(c.unicode()));
    }
    const auto found = std::lower_bound(
        Keywords.begin(), Keywords.end(), key,
        [](const Keyword& keyword, const std::string& k) { return k > keyword.name; });
    if (found == Keywords.end() || key != found->name) {
        return std::nullopt;
    }
    return RGB(int(found->rgb >> 16), int(found->rgb >> 8), int(found->rgb));
}

std::vector<Core::String> ColorParse::colorKeywords()
{
    std::vector<Core::String> names;
    names.reserve(Keywords.size());
    for (const Keyword& keyword : Keywords) {
        names.emplace_back(QLatin1String(keyword.name));
    }
    return names;
}

ColorParse::Result ColorParse::scanRGBTriplet(const Core::String& text)
{
    std::array<int, 3> numbers{};
    if (scanIntegers(text.toQString(), "rgb( %d , %d , %d )", numbers) == 3 ||
        scanIntegers(text.toQString(), "%d ; %d ; %d )", numbers) == 3) {
        return Drawing::RGBColor(numbers[0], numbers[1], numbers[2]);
    }
    return std::nullopt;
}

Core::String ColorParse::getColorAsString(const Drawing::RGBColor& color)
{
    if (color.isOpaque()) {
        return QStringLiteral("rgb(%1,%2,%3)")
            .arg(color.getR())
            .arg(color.getG())
            .arg(color.getB());
    }
    if (color == Drawing::RGBColor(0, 0, 0, 0)) {
        return QStringLiteral("transparent");
    }
    QString alpha = QString::number(color.getAlpha() / 255.0, 'f', 3);
    while (alpha.endsWith(QLatin1Char('0'))) {
        alpha.chop(1);
    }
    if (alpha.endsWith(QLatin1Char('.'))) {
        alpha.chop(1);
    }
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(color.getR())
        .arg(color.getG())
        .arg(color.getB())
        .arg(alpha);
}

Core::String ColorParse::getColorAsHexString(const Drawing::RGBColor& color)
{
    return QStringLiteral("#%1%2%3")
        .arg(color.getR(), 2, 16, QLatin1Char('0'))
        .arg(color.getG(), 2, 16, QLatin1Char('0'))
        .arg(color.getB(), 2, 16, QLatin1Char('0'));
}

} // namespace Xml
