#pragma once

#include <hyphen.h>

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

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
    int find(std::string_view key) const;
    int stateFor(std::string_view key);
    void addTransition(int from, int to, char ch);

    HyphenDict* m_dict = nullptr;
    /// The text each state stands for, by state number; a deque so that the
    /// views in m_states stay valid.
    std::deque<std::string> m_keys;
    std::unordered_map<std::string_view, int> m_states;
};

} // namespace Fo
