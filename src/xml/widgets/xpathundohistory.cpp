#include "xml/widgets/xpathundohistory_p.h"

XPathUndoHistory::XPathUndoHistory(int groupingMs, Clock clock)
    : m_groupingMs(groupingMs), m_clock(std::move(clock))
{
}

void XPathUndoHistory::reset(const State& initial)
{
    m_undo.clear();
    m_redo.clear();
    m_lastRecorded = initial;
    m_lastTime = -1;
}

void XPathUndoHistory::record(const State& now)
{
    const qint64 time = m_clock();
    if (m_lastTime < 0 || time - m_lastTime >= m_groupingMs) {
        m_undo.push_back(m_lastRecorded);
        m_redo.clear();
    }
    m_lastRecorded = now;
    m_lastTime = time;
}

XPathUndoHistory::State XPathUndoHistory::undo(const State& current)
{
    if (m_undo.empty()) {
        return current;
    }
    m_redo.push_back(current);
    m_lastRecorded = m_undo.back();
    m_undo.pop_back();
    // Typing after an undo is a step of its own, however soon it comes.
    m_lastTime = -1;
    return m_lastRecorded;
}

XPathUndoHistory::State XPathUndoHistory::redo(const State& current)
{
    if (m_redo.empty()) {
        return current;
    }
    m_undo.push_back(current);
    m_lastRecorded = m_redo.back();
    m_redo.pop_back();
    m_lastTime = -1;
    return m_lastRecorded;
}
