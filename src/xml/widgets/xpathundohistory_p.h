#pragma once

#include <functional>
#include <QString>
#include <QtGlobal>
#include <vector>

/// The expression editor's undo and redo: steps of text and selection, where
/// changes that follow each other within the grouping time make one step.
class XPathUndoHistory
{
public:
    struct State
    {
        QString text;
        int selectionStart = 0; ///< where the selection or the caret is
        int selectionLength = 0;
        int cursor = 0;
    };
    /// Milliseconds on any steady scale.
    using Clock = std::function<qint64()>;

    XPathUndoHistory(int groupingMs, Clock clock);

    void setClock(Clock clock) { m_clock = std::move(clock); }
    /// Forgets every step; `initial` is what the first change departs from.
    void reset(const State& initial);
    /// The text changed to `now`. A change that comes at least the grouping
    /// time after the previous one starts a new step and clears the redo
    /// steps; a quicker one joins the step being made.
    void record(const State& now);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    /// The state to show instead of `current`; `current` becomes a redo step.
    State undo(const State& current);
    /// The state to show instead of `current`; `current` becomes an undo step.
    State redo(const State& current);

private:
    int m_groupingMs;
    Clock m_clock;
    std::vector<State> m_undo;
    std::vector<State> m_redo;
    State m_lastRecorded;
    qint64 m_lastTime = -1; ///< -1: the next change starts a step whenever it comes
};
