#include "outside/core/corelog.h"

#include <deque>
#include <mutex>
#include <utility>

namespace Core {

namespace {

struct LogState
{
    std::mutex mutex;
    std::deque<String> lines;
    std::vector<std::pair<int, Log::Listener>> listeners;
    int nextId = 1;
};

LogState& state()
{
    static LogState shared;
    return shared;
}

} // namespace

void Log::warning(const String& line)
{
    LogState& log = state();
    std::vector<std::pair<int, Listener>> listeners;
    {
        std::lock_guard<std::mutex> lock(log.mutex);
        log.lines.push_back(line);
        if (log.lines.size() > std::size_t(maxLines)) {
            log.lines.pop_front();
        }
        listeners = log.listeners;
    }
    // Called without the lock, so a listener may read the log or unregister.
    for (const auto& entry : listeners) {
        entry.second(line);
    }
}

std::vector<String> Log::lines()
{
    LogState& log = state();
    std::lock_guard<std::mutex> lock(log.mutex);
    return {log.lines.begin(), log.lines.end()};
}

void Log::clear()
{
    LogState& log = state();
    std::lock_guard<std::mutex> lock(log.mutex);
    log.lines.clear();
}

int Log::addListener(Listener listener)
{
    LogState& log = state();
    std::lock_guard<std::mutex> lock(log.mutex);
    const int id = log.nextId++;
    log.listeners.emplace_back(id, std::move(listener));
    return id;
}

void Log::removeListener(int id)
{
    LogState& log = state();
    std::lock_guard<std::mutex> lock(log.mutex);
    std::erase_if(log.listeners, [id](const auto& entry) { return entry.first == id; });
}

} // namespace Core
