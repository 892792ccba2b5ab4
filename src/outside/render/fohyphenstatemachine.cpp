#include "outside/render/fohyphenstatemachine_p.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace Fo {

namespace {

// Everything in the dictionary is released by hnj_hyphen_free, so it comes
// from malloc; unlike libhyphen we do not exit when memory runs out.
template <class T> T* allocate(size_t count)
{
    void* memory = std::malloc(count * sizeof(T));
    if (!memory) {
        throw std::bad_alloc();
    }
    return static_cast<T*>(memory);
}

template <class T> T* reallocate(T* memory, size_t count)
{
    void* grown = std::realloc(memory, count * sizeof(T));
    if (!grown) {
        throw std::bad_alloc();
    }
    return static_cast<T*>(grown);
}

char* copyText(std::string_view text)
{
    char* copy = allocate<char>(text.size() + 1);
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

/// atoi as the C library has it (wrapping, never undefined).
int number(const char* text)
{
    return int(std::strtol(text, nullptr, 10));
}

bool startsWith(const char* line, const char* keyword)
{
    return std::strncmp(line, keyword, std::strlen(keyword)) == 0;
}

/// Initial room for states: the German patterns need about 130,000.
constexpr size_t expectedStates = 1 << 12;

} // namespace

HyphenStateMachine::HyphenStateMachine()
{
    m_dict = allocate<HyphenDict>(1);
    std::memset(static_cast<void*>(m_dict), 0, sizeof(HyphenDict));
    m_dict->states = allocate<HyphenState>(1);
    m_dict->states[0] = HyphenState{nullptr, nullptr, 0, 0, -1, 0, nullptr};
    m_dict->num_states = 1;
    m_states.reserve(expectedStates);
    m_keys.emplace_back();
    m_states.emplace(m_keys.back(), 0);
}

HyphenStateMachine::~HyphenStateMachine()
{
    if (m_dict) {
        hnj_hyphen_free(m_dict);
    }
}

HyphenDict* HyphenStateMachine::take()
{
    HyphenDict* dict = m_dict;
    m_dict = nullptr;
    return dict;
}

void HyphenStateMachine::readSetting(char* line)
{
    if (startsWith(line, "LEFTHYPHENMIN")) {
        m_dict->lhmin = char(number(line + 13));
    } else if (startsWith(line, "RIGHTHYPHENMIN")) {
        m_dict->rhmin = char(number(line + 14));
    } else if (startsWith(line, "COMPOUNDLEFTHYPHENMIN")) {
        m_dict->clhmin = char(number(line + 21));
    } else if (startsWith(line, "COMPOUNDRIGHTHYPHENMIN")) {
        m_dict->crhmin = char(number(line + 22));
    } else {
        // NOHYPHEN: a comma-separated list; its last character (the line end)
        // is dropped and each comma ends an item.
        char* space = line + 8;
        while (*space == ' ' || *space == '\t') {
            ++space;
        }
        std::free(m_dict->nohyphen);
        m_dict->nohyphen = nullptr;
        m_dict->nohyphenl = 0;
        if (*space != '\0') {
            m_dict->nohyphen = copyText(space);
            char* end = m_dict->nohyphen + std::strlen(m_dict->nohyphen) - 1;
            *end = '\0';
            for (char* c = end - 1; c > m_dict->nohyphen; --c) {
                if (*c == ',') {
                    ++m_dict->nohyphenl;
                    *c = '\0';
                }
            }
        }
    }
}

void HyphenStateMachine::addLine(char* line)
{
    if (startsWith(line, "LEFTHYPHENMIN") || startsWith(line, "RIGHTHYPHENMIN") ||
        startsWith(line, "COMPOUNDLEFTHYPHENMIN") || startsWith(line, "COMPOUNDRIGHTHYPHENMIN") ||
        startsWith(line, "NOHYPHEN")) {
        readSetting(line);
        return;
    }

    // A non-standard pattern: "pattern/replacement,index,cut", where index
    // and cut count characters of the pattern's letters.
    char* replacement = std::strchr(line, '/');
    signed char replindex = 0;
    signed char replcut = 0;
    if (replacement) {
        char* index = std::strchr(replacement + 1, ',');
        *replacement = '\0';
        if (index) {
            char* cut = std::strchr(index + 1, ',');
            *index = '\0';
            if (cut) {
                *cut = '\0';
                replindex =
                    static_cast<signed char>(static_cast<signed char>(number(index + 1)) - 1);
                replcut = static_cast<signed char>(number(cut + 1));
            }
        } else {
            char* end = replacement + 1;
            const size_t length = std::strlen(end);
            if (length > 0 && (end[length - 1] == '\r' || end[length - 1] == '\n')) {
                end[length - 1] = '\0';
            }
            if (length > 1 && end[length - 2] == '\r') {
                end[length - 2] = '\0';
            }
            replcut = static_cast<signed char>(std::strlen(line));
        }
    }

    // Letters go to `word`, digits between them to `pattern` ('0' where none).
    // Lines come in pieces of fewer than MAX_CHARS bytes, each read whole.
    char word[MAX_CHARS + 1];
    char pattern[MAX_CHARS + 1];
    int length = 0;
    pattern[0] = '0';
    for (int i = 0; static_cast<unsigned char>(line[i]) > ' ' && length < MAX_CHARS - 1; ++i) {
        if (line[i] >= '0' && line[i] <= '9') {
            pattern[length] = line[i];
        } else {
            word[length] = line[i];
            pattern[++length] = '0';
        }
    }
    word[length] = '\0';
    pattern[length + 1] = '\0';

    int matchStart = 0;
    if (!replacement) {
        while (pattern[matchStart] == '0') {
            ++matchStart;
        }
    } else {
        const bool wordStart = word[0] == '.';
        if (wordStart) {
            ++matchStart;
        }
        if (m_dict->utf8) {
            // Character positions of the replacement to byte positions.
            int character = -1;
            int firstCharacter = -1;
            for (int byte = wordStart ? 1 : 0; byte <= length; ++byte) {
                if ((static_cast<unsigned char>(word[byte]) >> 6) != 2) {
                    ++character;
                }
                if (firstCharacter < 0 && replindex == character) {
                    firstCharacter = replindex;
                    replindex = static_cast<signed char>(byte);
                }
                if (firstCharacter >= 0 && character - firstCharacter == replcut) {
                    replcut = static_cast<signed char>(byte - replindex);
                    break;
                }
            }
            if (wordStart) {
                --replindex;
            }
        }
    }

    // A line may repeat an earlier pattern: the later one wins.
    int found = find(std::string_view(word, size_t(length)));
    int state = stateFor(std::string_view(word, size_t(length)));
    char* match = copyText(pattern + matchStart);
    HyphenState& target = m_dict->states[state];
    std::free(target.match);
    std::free(target.repl);
    target.match = match;
    target.repl = nullptr;
    if (replacement) {
        target.repl = copyText(replacement + 1);
    }
    target.replindex = replindex;
    target.replcut = replcut ? replcut : static_cast<signed char>(length);

    // The prefixes lead to it, letter by letter, up to the first known one.
    for (; found < 0 && length > 0; --length) {
        const int next = state;
        const std::string_view prefix(word, size_t(length - 1));
        found = find(prefix);
        state = stateFor(prefix);
        addTransition(state, next, word[length - 1]);
    }
}

int HyphenStateMachine::find(std::string_view key) const
{
    const auto it = m_states.find(key);
    return it == m_states.end() ? -1 : it->second;
}

int HyphenStateMachine::stateFor(std::string_view key)
{
    const int known = find(key);
    if (known >= 0) {
        return known;
    }
    const int state = m_dict->num_states;
    // The array grows in powers of two, as libhyphen grows it.
    if ((state & (state - 1)) == 0) {
        m_dict->states = reallocate(m_dict->states, size_t(state) << 1);
    }
    m_keys.emplace_back(key);
    m_states.emplace(m_keys.back(), state);
    m_dict->states[state] = HyphenState{nullptr, nullptr, 0, 0, -1, 0, nullptr};
    ++m_dict->num_states;
    return state;
}

void HyphenStateMachine::addTransition(int from, int to, char ch)
{
    HyphenState& state = m_dict->states[from];
    const int count = state.num_trans;
    if (count == 0) {
        state.trans = allocate<HyphenTrans>(1);
    } else if ((count & (count - 1)) == 0) {
        state.trans = reallocate(state.trans, size_t(count) << 1);
    }
    state.trans[count] = HyphenTrans{ch, to};
    ++state.num_trans;
}

void HyphenStateMachine::linkFallbacks()
{
    for (int state = 1; state < m_dict->num_states; ++state) {
        const std::string_view key = m_keys[size_t(state)];
        int fallback = -1;
        for (size_t start = 1; fallback < 0; ++start) {
            fallback = find(key.substr(start));
        }
        m_dict->states[state].fallback_state = fallback;
    }
}

} // namespace Fo
