#include "outside/render/fohyphenator_p.h"

#include "outside/render/fohyphendictionaryloader_p.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>

#include <hyphen.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>

namespace Fo {

namespace {

/// Where the Debian packages hyphen-en-us, hyphen-de and hyphen-fr put their patterns.
const char* const dictionaryFolders[] = {"/usr/share/hyphen", "/usr/local/share/hyphen"};

/// Words longer than this are not looked up (no language has such words,
/// and libhyphen works on fixed buffers).
constexpr int maximumWordLength = 100;

class Dictionaries
{
public:
    ~Dictionaries()
    {
        for (auto& [name, dict] : m_loaded) {
            if (dict) {
                hnj_hyphen_free(dict);
            }
        }
    }

    /// The dictionary for a language and country; null when none is installed.
    /// Names are checked by the style reader (letters only), so no path is
    /// built from anything else.
    HyphenDict* find(const QString& language, const QString& country)
    {
        QStringList names;
        if (!country.isEmpty()) {
            names << language + u'_' + country;
        }
        names << language;
        for (const QString& name : names) {
            auto it = m_loaded.find(name);
            if (it == m_loaded.end()) {
                it = m_loaded.emplace(name, load(name)).first;
            }
            if (it->second) {
                return it->second;
            }
        }
        return nullptr;
    }

    std::mutex mutex;

private:
    static HyphenDict* load(const QString& name)
    {
        for (const char* folder : dictionaryFolders) {
            const QString path = QStringLiteral("%1/hyph_%2.dic").arg(QLatin1String(folder), name);
            if (QFileInfo::exists(path)) {
                return HyphenDictionaryLoader::load(path);
            }
        }
        return nullptr;
    }

    std::map<QString, HyphenDict*> m_loaded;
};

Dictionaries& dictionaries()
{
    static Dictionaries instance;
    return instance;
}

} // namespace

std::vector<int> Hyphenator::points(const QString& word, const QString& language,
                                    const QString& country)
{
    std::vector<int> result;
    if (language.isEmpty() || word.size() < 2 || word.size() > maximumWordLength) {
        return result;
    }
    const QString lower = word.toLower();
    if (lower.size() != word.size()) {
        return result;
    }
    std::lock_guard<std::mutex> lock(dictionaries().mutex);
    HyphenDict* dict = dictionaries().find(language, country);
    if (!dict) {
        return result;
    }
    // Dictionaries are in UTF-8 or, like the German one, in ISO 8859-1.
    const bool utf8 = dict->utf8 != 0;
    if (!utf8 &&
        std::any_of(lower.begin(), lower.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
        return result;
    }
    const QByteArray bytes = utf8 ? lower.toUtf8() : lower.toLatin1();
    std::vector<char> hyphens(size_t(bytes.size()) + 5, '0');
    char** rep = nullptr;
    int* pos = nullptr;
    int* cut = nullptr;
    if (hnj_hyphen_hyphenate2(dict, bytes.constData(), int(bytes.size()), hyphens.data(), nullptr,
                              &rep, &pos, &cut) == 0) {
        // Byte offsets to characters; points that change the spelling are left out.
        qsizetype byteEnd = 0;
        for (qsizetype i = 0; i + 1 < lower.size(); ++i) {
            const char32_t code = lower[i].isHighSurrogate() && i + 1 < lower.size()
                                      ? QChar::surrogateToUcs4(lower[i], lower[i + 1])
                                      : lower[i].unicode();
            byteEnd += !utf8 || code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
            if (code >= 0x10000) {
                ++i;
            }
            const qsizetype b = byteEnd - 1;
            if (b < bytes.size() && (hyphens[size_t(b)] & 1) && !(rep && rep[b]) &&
                i + 1 < lower.size()) {
                result.push_back(int(i + 1));
            }
        }
    }
    if (rep) {
        for (qsizetype b = 0; b < bytes.size(); ++b) {
            free(rep[b]);
        }
        free(rep);
    }
    free(pos);
    free(cut);
    return result;
}

} // namespace Fo
