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

/// FNV-1a: the texts are short, and a cheap hash beats a good one here.
uint32_t hashOf(std::string_view text)
{
    uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

/// Initial room for states; the table doubles when half full.
constexpr size_t expectedStates = 1 << 12;

} // namespace

HyphenStateMachine::HyphenStateMachine()
{
    m_dict = allocate<HyphenDict>(1);
    std::memset(static_cast<void*>(m_dict), 0, sizeof(HyphenDict));
    m_dict->states = allocate<HyphenState>(1);
    m_dict->states[0] = HyphenState{nullptr, nullptr, 0, 0, -1, 0, nullptr};
    m_dict->num_states = 1;
    m_slots.resize(expectedStates * 2);
    m_slots[hashOf({}) & (m_slots.size() - 1)] = Slot{hashOf({}), 0};
    m_textStarts.push_back(0);
    m_parents.push_back(-1);
    m_letters.push_back('\0');
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
    bool added = false;
    int state = stateFor(std::string_view(word, size_t(length)), added);
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
    for (; added && length > 0; --length) {
        const int next = state;
        state = stateFor(std::string_view(word, size_t(length - 1)), added);
        addTransition(state, next, word[length - 1]);
    }
}

int HyphenStateMachine::stateFor(std::string_view key, bool& added)
{
    const uint32_t hash = hashOf(key);
    const size_t mask = m_slots.size() - 1;
    size_t index = hash & mask;
    for (; m_slots[index].state >= 0; index = (index + 1) & mask) {
        const Slot& slot = m_slots[index];
        if (slot.hash == hash && textOf(slot.state) == key) {
            added = false;
            return slot.state;
        }
    }
    added = true;
    const int state = m_dict->num_states;
    m_slots[index] = Slot{hash, state};
    m_textStarts.push_back(uint32_t(m_texts.size()));
    m_texts.append(key);
    // The array grows in powers of two, as libhyphen grows it.
    if ((state & (state - 1)) == 0) {
        m_dict->states = reallocate(m_dict->states, size_t(state) << 1);
    }
    m_dict->states[state] = HyphenState{nullptr, nullptr, 0, 0, -1, 0, nullptr};
    ++m_dict->num_states;
    m_parents.push_back(-1);
    m_letters.push_back('\0');
    if (size_t(m_dict->num_states) * 2 > m_slots.size()) {
        growTable();
    }
    return state;
}

std::string_view HyphenStateMachine::textOf(int state) const
{
    const size_t start = m_textStarts[size_t(state)];
    const size_t end =
        size_t(state) + 1 < m_textStarts.size() ? m_textStarts[size_t(state) + 1] : m_texts.size();
    return std::string_view(m_texts).substr(start, end - start);
}

void HyphenStateMachine::growTable()
{
    std::vector<Slot> slots(m_slots.size() * 2);
    const size_t mask = slots.size() - 1;
    for (const Slot& slot : m_slots) {
        if (slot.state >= 0) {
            size_t index = slot.hash & mask;
            while (slots[index].state >= 0) {
                index = (index + 1) & mask;
            }
            slots[index] = slot;
        }
    }
    m_slots.swap(slots);
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
    m_parents[size_t(to)] = from;
    m_letters[size_t(to)] = ch;
    ++state.num_trans;
}

void HyphenStateMachine::linkFallbacks()
{
    // The longest suffix of a state's text that is a state too; found from
    // its parent's, shortest texts first, without hashing any text again.
    std::vector<std::vector<int>> byLength(MAX_CHARS + 1);
    for (int state = 1; state < m_dict->num_states; ++state) {
        byLength[textOf(state).size()].push_back(state);
    }
    HyphenState* states = m_dict->states;
    for (const std::vector<int>& sameLength : byLength) {
        for (const int state : sameLength) {
            const char letter = m_letters[size_t(state)];
            int fallback = 0;
            for (int suffix = states[m_parents[size_t(state)]].fallback_state; suffix >= 0;
                 suffix = states[suffix].fallback_state) {
                const int next = transition(suffix, letter);
                if (next >= 0) {
                    fallback = next;
                    break;
                }
            }
            states[state].fallback_state = fallback;
        }
    }
}

int HyphenStateMachine::transition(int from, char letter) const
{
    const HyphenState& state = m_dict->states[from];
    for (int i = 0; i < state.num_trans; ++i) {
        if (state.trans[i].ch == letter) {
            return state.trans[i].new_state;
        }
    }
    return -1;
}

} // namespace Fo
