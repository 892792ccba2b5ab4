// Readers of keeps, widows and orphans and hyphenation.

#include "outside/render/fostylereaders_p.h"

#include <algorithm>
#include <optional>

namespace Fo {

namespace {

std::optional<int> parseKeep(QStringView v)
{
    if (v == u"auto") {
        return 0;
    }
    if (v == u"always") {
        return keepAlways;
    }
    bool ok = false;
    const long long n = v.toLongLong(&ok);
    if (!ok || n < 0) {
        return std::nullopt;
    }
    return int(std::min<long long>(n, keepAlways - 1));
}

std::optional<int> parseCount(QStringView v)
{
    bool ok = false;
    const long long n = v.toLongLong(&ok);
    if (!ok || n < 1) {
        return std::nullopt;
    }
    return int(std::min<long long>(n, 1000));
}

/// Which component of a keep the property names: both, or only one.
enum class Within { Both, Column, Page };

template <int Keeps::*Column, int Keeps::*Page, Within W> void readKeep(PropertyReading& r)
{
    const std::optional<int> k = parseKeep(r.value);
    if (!k) {
        return;
    }
    if (W != Within::Page) {
        r.style.keeps.*Column = *k;
    }
    if (W != Within::Column) {
        r.style.keeps.*Page = *k;
    }
}

bool isLetters(QStringView v, int minimum, int maximum)
{
    if (v.size() < minimum || v.size() > maximum) {
        return false;
    }
    return std::all_of(v.begin(), v.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

} // namespace

void readKeepTogether(PropertyReading& r)
{
    readKeep<&Keeps::togetherColumn, &Keeps::togetherPage, Within::Both>(r);
}
void readKeepTogetherColumn(PropertyReading& r)
{
    readKeep<&Keeps::togetherColumn, &Keeps::togetherPage, Within::Column>(r);
}
void readKeepTogetherPage(PropertyReading& r)
{
    readKeep<&Keeps::togetherColumn, &Keeps::togetherPage, Within::Page>(r);
}
void readKeepWithNext(PropertyReading& r)
{
    readKeep<&Keeps::nextColumn, &Keeps::nextPage, Within::Both>(r);
}
void readKeepWithNextColumn(PropertyReading& r)
{
    readKeep<&Keeps::nextColumn, &Keeps::nextPage, Within::Column>(r);
}
void readKeepWithNextPage(PropertyReading& r)
{
    readKeep<&Keeps::nextColumn, &Keeps::nextPage, Within::Page>(r);
}
void readKeepWithPrevious(PropertyReading& r)
{
    readKeep<&Keeps::previousColumn, &Keeps::previousPage, Within::Both>(r);
}
void readKeepWithPreviousColumn(PropertyReading& r)
{
    readKeep<&Keeps::previousColumn, &Keeps::previousPage, Within::Column>(r);
}
void readKeepWithPreviousPage(PropertyReading& r)
{
    readKeep<&Keeps::previousColumn, &Keeps::previousPage, Within::Page>(r);
}

void readPageBreakInside(PropertyReading& r)
{
    if (r.value == u"avoid") {
        r.style.keeps.togetherPage = keepAlways;
    } else if (r.value == u"auto") {
        r.style.keeps.togetherPage = 0;
    }
}

void readPageBreakBefore(PropertyReading& r)
{
    readBreakBefore(r);
    if (r.value == u"avoid") {
        r.style.keeps.previousPage = keepAlways;
    }
}

void readPageBreakAfter(PropertyReading& r)
{
    readBreakAfter(r);
    if (r.value == u"avoid") {
        r.style.keeps.nextPage = keepAlways;
    }
}

void readWidows(PropertyReading& r)
{
    if (auto n = parseCount(r.value)) {
        r.style.lineBreaking.widows = *n;
    }
}

void readOrphans(PropertyReading& r)
{
    if (auto n = parseCount(r.value)) {
        r.style.lineBreaking.orphans = *n;
    }
}

void readHyphenate(PropertyReading& r)
{
    if (r.value == u"true" || r.value == u"false") {
        r.style.lineBreaking.hyphenate = r.value == u"true";
    }
}

void readLanguage(PropertyReading& r)
{
    // "de", "deu", or "de-CH" as xml:lang writes it; "none" turns it off.
    const QStringView v = r.value;
    const qsizetype dash = v.indexOf(u'-');
    const QStringView language = dash < 0 ? v : v.left(dash);
    if (v == u"none") {
        r.style.lineBreaking.language.clear();
        r.style.lineBreaking.country.clear();
    } else if (isLetters(language, 2, 3)) {
        r.style.lineBreaking.language = language.toString().toLower();
        const QStringView country = dash < 0 ? QStringView() : v.mid(dash + 1);
        if (isLetters(country, 2, 2)) {
            r.style.lineBreaking.country = country.toString().toUpper();
        }
    }
}

void readCountry(PropertyReading& r)
{
    if (r.value == u"none") {
        r.style.lineBreaking.country.clear();
    } else if (isLetters(r.value, 2, 2)) {
        r.style.lineBreaking.country = r.value.toString().toUpper();
    }
}

void readHyphenationCharacter(PropertyReading& r)
{
    if (r.value.size() == 1 && !r.value[0].isSpace()) {
        r.style.lineBreaking.hyphenationCharacter = r.value[0];
    }
}

void readHyphenationPush(PropertyReading& r)
{
    if (auto n = parseCount(r.value)) {
        r.style.lineBreaking.pushCount = *n;
    }
}

void readHyphenationRemain(PropertyReading& r)
{
    if (auto n = parseCount(r.value)) {
        r.style.lineBreaking.remainCount = *n;
    }
}

} // namespace Fo
