#include "BackendThreads.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <iterator>
#include <thread>
#include <unistd.h>

void BackendThreads::mark()
{
    m_before = threadIds();
    m_name = stateOf(int(gettid())).name;
    m_marked = true;
}

void BackendThreads::clear()
{
    m_before.clear();
    m_name.clear();
    m_marked = false;
}

bool BackendThreads::quiet() const
{
    if (!m_marked)
        return true;
    const std::vector<int> now = threadIds();
    std::vector<int> started;
    std::set_difference(now.begin(), now.end(), m_before.begin(), m_before.end(),
                        std::back_inserter(started));
    const int self = int(gettid()); // a later worker, asking, is new as well
    return std::none_of(started.begin(), started.end(), [this, self](int id) {
        if (id == self)
            return false;
        const ThreadState thread = stateOf(id);
        // Running, or in a step the kernel will not interrupt (a page read from the disk, say).
        const bool busy = thread.state == 'R' || thread.state == 'D';
        return thread.exists && busy && thread.name == m_name;
    });
}

bool BackendThreads::settle(int limitMs) const
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    // A thread caught asleep once may only be between two steps of its start; asleep on two
    // looks a couple of milliseconds apart, it is blocked for real.
    int quietLooks = 0;
    for (;;) {
        quietLooks = quiet() ? quietLooks + 1 : 0;
        if (quietLooks >= 2)
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

std::vector<int> BackendThreads::threadIds()
{
    std::vector<int> ids;
    DIR *dir = opendir("/proc/self/task");
    if (!dir)
        return ids;
    while (const dirent *entry = readdir(dir)) {
        char *end = nullptr;
        const long id = std::strtol(entry->d_name, &end, 10);
        if (end != entry->d_name && *end == '\0' && id > 0)
            ids.push_back(int(id));
    }
    closedir(dir);
    std::sort(ids.begin(), ids.end());
    return ids;
}

BackendThreads::ThreadState BackendThreads::stateOf(int threadId)
{
    ThreadState thread;
    const std::string path = "/proc/self/task/" + std::to_string(threadId) + "/stat";
    std::FILE *file = std::fopen(path.c_str(), "re");
    if (!file)
        return thread; // ended since the listing
    char line[512];
    const bool read = std::fgets(line, sizeof line, file) != nullptr;
    std::fclose(file);
    // "id (name) state ...": the name may hold spaces and parentheses, the state follows the
    // last closing one.
    const char *open = read ? std::strchr(line, '(') : nullptr;
    const char *close = read ? std::strrchr(line, ')') : nullptr;
    if (!open || !close || close < open || close[1] != ' ')
        return thread;
    thread.exists = true;
    thread.name.assign(open + 1, close);
    thread.state = close[2];
    return thread;
}
