#pragma once

#include <QThread>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>

// Work on numbered items, up to `lanes` items at a time, each in a thread of its own, taken in
// order by the calling thread (a job's, or the command line's), which blocks while it waits for
// an item. Items are started ahead only as lanes come free; the destructor waits for any still
// running.
template <typename Result> class LaneQueue
{
public:
    // work(i) runs in a worker thread and must not touch the caller's objects unguarded.
    LaneQueue(int count, int lanes, std::function<Result(int)> work)
        : m_count(count)
        , m_lanes(std::max(1, lanes))
        , m_work(std::move(work))
    {
    }
    ~LaneQueue()
    {
        for (const std::unique_ptr<Job> &job : m_running)
            waitFor(*job->thread, {});
    }
    LaneQueue(const LaneQueue &) = delete;
    LaneQueue &operator=(const LaneQueue &) = delete;

    // Called about ten times a second while the caller waits (to pass a cancel on to the work).
    void setPoll(std::function<void()> poll) { m_poll = std::move(poll); }

    // The result of the next item in order (the first call gives item 0); must not be called
    // more than count times.
    Result takeNext()
    {
        while (m_started < m_count && int(m_running.size()) < m_lanes)
            startNext();
        std::unique_ptr<Job> job = std::move(m_running.front());
        m_running.pop_front();
        waitFor(*job->thread, m_poll);
        // A lane came free: keep it busy while the caller uses this result.
        while (m_started < m_count && int(m_running.size()) < m_lanes)
            startNext();
        return std::move(job->result);
    }

private:
    struct Job
    {
        std::unique_ptr<QThread> thread;
        Result result{};
    };

    void startNext()
    {
        auto job = std::make_unique<Job>();
        Result *result = &job->result;
        const int index = m_started++;
        const std::function<Result(int)> work = m_work;
        job->thread.reset(QThread::create([result, index, work] { *result = work(index); }));
        job->thread->start();
        m_running.push_back(std::move(job));
    }

    static void waitFor(QThread &thread, const std::function<void()> &poll)
    {
        while (!thread.wait(PollMs)) {
            if (poll)
                poll();
        }
    }

    static constexpr unsigned long PollMs = 100;

    int m_count;
    int m_lanes;
    std::function<Result(int)> m_work;
    int m_started = 0;
    std::function<void()> m_poll;
    std::deque<std::unique_ptr<Job>> m_running;
};
