#include "outside/render/fohyphendictionaryloader_p.h"

#include "outside/render/fohyphenstatemachine_p.h"

#include <QFile>

#include <cstring>
#include <memory>
#include <new>

namespace Fo {

namespace {

/// fgets() over bytes in memory: libhyphen reads lines in pieces that fit its
/// short buffer, NULs and all, and where it cuts decides what a piece means.
class LineReader
{
public:
    explicit LineReader(QByteArrayView bytes) : m_bytes(bytes) {}

    /// Up to `size` - 1 bytes, through the next line end; false at the end.
    bool readLine(char* buffer, int size)
    {
        int count = 0;
        while (count < size - 1 && m_position < m_bytes.size()) {
            const char c = m_bytes[m_position++];
            buffer[count++] = c;
            if (c == '\n') {
                break;
            }
        }
        if (count == 0) {
            return false;
        }
        buffer[count] = '\0';
        return true;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};

void readCharset(LineReader& lines, HyphenDict& dict)
{
    char* charset = dict.cset;
    std::memset(charset, 0, MAX_NAME);
    if (lines.readLine(charset, MAX_NAME)) {
        for (int i = 0; i < MAX_NAME; ++i) {
            if (charset[i] == '\r' || charset[i] == '\n') {
                charset[i] = '\0';
            }
        }
    }
    dict.utf8 = std::strcmp(charset, "UTF-8") == 0;
}

/// Reads pattern lines up to NEXTLEVEL (true) or the end (false).
bool readPatterns(LineReader& lines, HyphenStateMachine& machine)
{
    char line[MAX_CHARS];
    while (lines.readLine(line, MAX_CHARS)) {
        if (std::strncmp(line, "NEXTLEVEL", 9) == 0) {
            return true;
        }
        if (line[0] != '%') {
            machine.addLine(line);
        }
    }
    return false;
}

/// The compound level of a dictionary that has none: words break after
/// hyphens and apostrophes only, and never at them.
void addDefaultCompoundLevel(HyphenStateMachine& machine, bool utf8)
{
    const char* const latin1Lines[] = {"NOHYPHEN ',-\n", "1-1\n", "1'1\n"};
    const char* const utf8Lines[] = {"NOHYPHEN ',\xe2\x80\x93,\xe2\x80\x99,-\n", "1-1\n", "1'1\n",
                                     "1\xe2\x80\x93"
                                     "1\n",
                                     "1\xe2\x80\x99"
                                     "1\n"};
    char line[MAX_CHARS];
    auto add = [&](const char* text) {
        std::strncpy(line, text, MAX_CHARS - 1);
        line[MAX_CHARS - 1] = '\0';
        machine.addLine(line);
    };
    if (utf8) {
        for (const char* text : utf8Lines) {
            add(text);
        }
    } else {
        for (const char* text : latin1Lines) {
            add(text);
        }
    }
}

} // namespace

HyphenDict* HyphenDictionaryLoader::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maximumSize) {
        return nullptr;
    }
    const QByteArray contents = file.read(maximumSize + 1);
    return read(contents);
}

HyphenDict* HyphenDictionaryLoader::read(QByteArrayView contents)
{
    if (contents.size() > maximumSize) {
        return nullptr;
    }
    try {
        LineReader lines(contents);
        // The first level breaks compounds, the next one words; without
        // NEXTLEVEL the file holds the word level only.
        auto first = std::make_unique<HyphenStateMachine>();
        HyphenDict& compounds = first->dictionary();
        readCharset(lines, compounds);
        const bool hasCompoundLevel = readPatterns(lines, *first);
        first->linkFallbacks();

        auto second = std::make_unique<HyphenStateMachine>();
        HyphenDict& next = second->dictionary();
        std::memcpy(next.cset, compounds.cset, strnlen(compounds.cset, MAX_NAME - 1));
        next.utf8 = compounds.utf8;
        if (hasCompoundLevel) {
            readPatterns(lines, *second);
        } else {
            addDefaultCompoundLevel(*second, compounds.utf8 != 0);
        }
        second->linkFallbacks();

        if (hasCompoundLevel) {
            compounds.nextlevel = second->take();
            return first->take();
        }
        // The file's patterns become the word level under the default one.
        next.lhmin = compounds.lhmin;
        next.rhmin = compounds.rhmin;
        next.clhmin = compounds.clhmin ? compounds.clhmin : compounds.lhmin ? compounds.lhmin : 3;
        next.crhmin = compounds.crhmin ? compounds.crhmin : compounds.rhmin ? compounds.rhmin : 3;
        next.nextlevel = first->take();
        return second->take();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace Fo
