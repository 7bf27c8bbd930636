#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>

// Work on numbered items, up to `lanes` items at a time, each in a thread of its own, taken in
// order by the calling thread. A caller on a job's thread simply blocks while it waits for an
// item; on the window's thread its events are processed meanwhile (without user input unless
// asked for), for the callers that do not run as jobs yet. Items are
// started ahead only as lanes come free; the destructor waits for any still running.
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
            waitFor(*job->thread, QEventLoop::ExcludeUserInputEvents, {});
    }
    LaneQueue(const LaneQueue &) = delete;
    LaneQueue &operator=(const LaneQueue &) = delete;

    // Lets the user's input through while waiting (a progress window's Cancel), and calls
    // poll about ten times a second meanwhile (to pass a cancel on to the work).
    void setUserInputWhileWaiting(bool allow, std::function<void()> poll = {})
    {
        m_allowInput = allow;
        m_poll = std::move(poll);
    }

    // The result of the next item in order (the first call gives item 0); must not be called
    // more than count times.
    Result takeNext()
    {
        while (m_started < m_count && int(m_running.size()) < m_lanes)
            startNext();
        std::unique_ptr<Job> job = std::move(m_running.front());
        m_running.pop_front();
        waitFor(*job->thread,
                m_allowInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents, m_poll);
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

    static void waitFor(QThread &thread, QEventLoop::ProcessEventsFlags flags,
                        const std::function<void()> &poll)
    {
        // A job's own thread has nothing to paint: it simply blocks until the item is done (the
        // work itself watches the job's cancel flag).
        const QCoreApplication *application = QCoreApplication::instance();
        const bool windowThread = application && QThread::currentThread() == application->thread();
        if (windowThread && !thread.isFinished()) {
            QEventLoop loop;
            QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
            QTimer timer;
            if (poll) {
                QObject::connect(&timer, &QTimer::timeout, &loop, poll);
                timer.start(100);
            }
            if (!thread.isFinished())
                loop.exec(flags);
        }
        thread.wait();
    }

    int m_count;
    int m_lanes;
    std::function<Result(int)> m_work;
    int m_started = 0;
    bool m_allowInput = false;
    std::function<void()> m_poll;
    std::deque<std::unique_ptr<Job>> m_running;
};
