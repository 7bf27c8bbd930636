#include "imaging/PageToolBatch.h"

#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <deque>
#include <memory>

#include "imaging/PageProcessor.h"

namespace {

// One page's run in its own thread.
struct Job
{
    std::unique_ptr<QThread> thread;
    PageToolBatch::Result result;
};

void waitFor(QThread &thread)
{
    if (thread.isFinished())
        return;
    QEventLoop loop;
    QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
    if (!thread.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread.wait();
}

} // namespace

PageToolBatch::PageToolBatch(const QString &toolPath, int lanes)
    : m_tool(toolPath)
    , m_lanes(std::max(1, lanes))
{
}

int PageToolBatch::defaultLanes()
{
    return QThread::idealThreadCount() >= 2 ? 2 : 1;
}

void PageToolBatch::autoCrop(const QStringList &paths, const std::function<bool(int)> &next,
                             const std::function<void(int, const Result &)> &done)
{
    std::deque<std::unique_ptr<Job>> running;
    int started = 0;
    const auto startNext = [&] {
        // Lanes are numbered from 1, so no run shares the folders of a single run (lane 0).
        const int lane = 1 + started % m_lanes;
        auto job = std::make_unique<Job>();
        Result *result = &job->result;
        const QString path = paths.at(started);
        const QString tool = m_tool;
        job->thread.reset(QThread::create([result, path, tool, lane] {
            QImage image(path);
            PageProcessor processor(tool, lane);
            result->cropped = !image.isNull() && processor.autoCropImage(image);
            result->image = image;
        }));
        job->thread->start();
        running.push_back(std::move(job));
        ++started;
    };

    for (int i = 0; i < paths.size(); ++i) {
        const bool goOn = next(i);
        while (goOn && started < paths.size() && int(running.size()) < m_lanes)
            startNext();
        if (!goOn)
            break;
        std::unique_ptr<Job> job = std::move(running.front());
        running.pop_front();
        waitFor(*job->thread);
        done(i, job->result);
    }
    for (const std::unique_ptr<Job> &job : running)
        waitFor(*job->thread);
}
