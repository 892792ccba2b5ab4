#pragma once

#include <hyphen.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Fo {

/// One level of a libhyphen dictionary built from its pattern lines: the
/// states, their matches and transitions, exactly as libhyphen builds them,
/// but with a hash table that grows with the patterns (libhyphen's fixed one
/// turns the large German patterns into seconds of chain walking).
class HyphenStateMachine
{
public:
    /// A machine with the empty start state only. Throws std::bad_alloc.
    HyphenStateMachine();
    ~HyphenStateMachine();
    HyphenStateMachine(const HyphenStateMachine&) = delete;
    HyphenStateMachine& operator=(const HyphenStateMachine&) = delete;

    /// The level being built, for its charset and hyphen minimums.
    HyphenDict& dictionary() { return *m_dict; }
    /// Reads one line of fewer than MAX_CHARS bytes (a pattern or a setting);
    /// `line` is overwritten on the way, as libhyphen does. Throws
    /// std::bad_alloc.
    void addLine(char* line);
    /// Points each state at the state of its longest known suffix; call once,
    /// after the last line.
    void linkFallbacks();
    /// The finished level, for hnj_hyphen_free; the machine lets go of it.
    HyphenDict* take();

private:
    void readSetting(char* line);
    /// The state for `key`, `added` when it is new.
    int stateFor(std::string_view key, bool& added);
    void addTransition(int from, int to, char ch);
    int transition(int from, char letter) const;

    std::string_view textOf(int state) const;
    void growTable();

    struct Slot
    {
        uint32_t hash = 0;
        int state = -1; // -1: empty
    };

    HyphenDict* m_dict = nullptr;
    /// The states by their text: open addressing, at most half full.
    std::vector<Slot> m_slots;
    /// Each state's text, one after the other, and where it starts.
    std::string m_texts;
    std::vector<uint32_t> m_textStarts;
    /// Each state's one way in: the state before and the letter.
    std::vector<int> m_parents;
    std::vector<char> m_letters;
};

} // namespace Fo
