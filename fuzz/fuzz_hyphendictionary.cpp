// Hyphenation pattern files from any bytes: the loader builds a dictionary
// whose states all lead somewhere, and libhyphen frees it. (libhyphen's own
// hyphenation is not run: it trusts a dictionary's numbers and lists, and
// hostile ones crash it whichever loader built them.)
#include "outside/render/fohyphendictionaryloader_p.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "law broken: %s\n", what);
        std::abort();
    }
}

void checkLevel(const HyphenDict* dict)
{
    check(dict->num_states >= 1, "a start state");
    check(dict->states[0].fallback_state == -1, "the start state falls back nowhere");
    for (int s = 0; s < dict->num_states; ++s) {
        const HyphenState& state = dict->states[s];
        check(s == 0 || (state.fallback_state >= 0 && state.fallback_state < dict->num_states),
              "fallbacks lead to states");
        for (int t = 0; t < state.num_trans; ++t) {
            check(state.trans[t].new_state > 0 && state.trans[t].new_state < dict->num_states,
                  "transitions lead to states");
        }
        check(!state.match || std::strlen(state.match) < MAX_CHARS, "matches are short");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HyphenDict* dict = Fo::HyphenDictionaryLoader::read(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (qsizetype(size) > Fo::HyphenDictionaryLoader::maximumSize) {
        check(dict == nullptr, "too large a file refused");
        return 0;
    }
    check(dict != nullptr, "any bytes read");
    int levels = 0;
    for (const HyphenDict* level = dict; level; level = level->nextlevel) {
        checkLevel(level);
        ++levels;
    }
    check(levels == 2, "a compound level and a word level");
    hnj_hyphen_free(dict);
    return 0;
}
