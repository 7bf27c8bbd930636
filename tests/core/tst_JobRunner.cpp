#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <chrono>
#include <semaphore>
#include <thread>

#include "core/JobRunner.h"

namespace {

// Counts up to a number of steps; each step waits for the test to let it through, so the test
// decides where in the run it looks, cancels or ends.
class SteppedJob : public Job
{
public:
    explicit SteppedJob(int steps, JobKind kind = JobKind::PageBatch)
        : Job(kind)
        , m_steps(steps)
    {
    }

    Outcome run() override
    {
        thread = QThread::currentThread();
        for (int step = 1; step <= m_steps; ++step) {
            gate.acquire();
            if (isCancelled())
                return Outcome::Cancelled;
            done = step;
            reportProgress(step, m_steps, QStringLiteral("step %1").arg(step));
        }
        if (failAtEnd) {
            setErrorString(QStringLiteral("disk full"));
            return Outcome::Failed;
        }
        return Outcome::Finished;
    }

    std::counting_semaphore<1000> gate{0};
    std::atomic<int> done{0};
    std::atomic<QThread *> thread{nullptr};
    bool failAtEnd = false;

private:
    const int m_steps;
};

// Runs until it is cancelled.
class UntilCancelledJob : public Job
{
public:
    UntilCancelledJob(std::atomic_bool *started, std::atomic_bool *ended)
        : Job(JobKind::Export)
        , m_started(started)
        , m_ended(ended)
    {
    }
    Outcome run() override
    {
        *m_started = true;
        while (!isCancelled())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        *m_ended = true;
        return Outcome::Cancelled;
    }

private:
    std::atomic_bool *m_started;
    std::atomic_bool *m_ended;
};

} // namespace

Q_DECLARE_METATYPE(JobKind)

class tst_JobRunner : public QObject
{
    Q_OBJECT

private slots:
    void jobRunsOffThisThreadAndEndsHere_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("fail");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("stepsDone");
        QTest::newRow("finished") << false << false << int(Job::Outcome::Finished) << 3;
        QTest::newRow("failed") << false << true << int(Job::Outcome::Failed) << 3;
        QTest::newRow("cancelled after one step")
            << true << false << int(Job::Outcome::Cancelled) << 1;
    }
    void jobRunsOffThisThreadAndEndsHere()
    {
        QFETCH(bool, cancel);
        QFETCH(bool, fail);
        QFETCH(int, outcome);
        QFETCH(int, stepsDone);
        JobRunner runner;
        QSignalSpy busy(&runner, &JobRunner::busyChanged);
        QSignalSpy progress(&runner, &JobRunner::progressChanged);
        auto owned = std::make_unique<SteppedJob>(3);
        SteppedJob *job = owned.get();
        job->failAtEnd = fail;
        QVERIFY(runner.start(std::move(owned)));
        QCOMPARE(runner.runningKind(), JobKind::PageBatch);
        // One job at a time: a second is refused while the first runs.
        QVERIFY(!runner.start(std::make_unique<SteppedJob>(1, JobKind::Export)));
        QCOMPARE(runner.job(), job);

        int endedSteps = -1;
        QString endedError;
        int endedOutcome = -1;
        QThread *endedOn = nullptr;
        connect(&runner, &JobRunner::finished, this, [&](Job *ended, Job::Outcome how) {
            QCOMPARE(ended, static_cast<Job *>(job));
            endedOn = QThread::currentThread();
            endedSteps = job->done;
            endedError = ended->errorString();
            endedOutcome = int(how);
            QVERIFY(!runner.isBusy());
        });
        job->gate.release();
        QTRY_COMPARE(progress.size(), 1);
        QCOMPARE(progress.at(0).at(0).toInt(), 1);
        QCOMPARE(progress.at(0).at(1).toInt(), 3);
        QCOMPARE(progress.at(0).at(2).toString(), QStringLiteral("step 1"));
        if (cancel)
            runner.cancel();
        job->gate.release(2);
        QTRY_COMPARE(endedOutcome, outcome);
        QCOMPARE(endedSteps, stepsDone);
        QCOMPARE(endedOn, QThread::currentThread());
        QCOMPARE(endedError, fail ? QStringLiteral("disk full") : QString());
        QCOMPARE(busy.size(), 2);
        QCOMPARE(busy.at(1).at(0).value<JobKind>(), JobKind::None);
        // The last figures of a finished run arrive before its end, and only once each.
        if (!cancel)
            QCOMPARE(progress.last().at(0).toInt(), 3);
        QVERIFY(progress.size() <= stepsDone);
    }

    void manyReportsArriveMerged()
    {
        JobRunner runner;
        QSignalSpy progress(&runner, &JobRunner::progressChanged);
        QSignalSpy finished(&runner, &JobRunner::finished);
        auto owned = std::make_unique<SteppedJob>(500);
        owned->gate.release(500);
        QVERIFY(runner.start(std::move(owned)));
        QVERIFY(finished.wait(5000));
        // Far fewer updates than reports, ending with the last one.
        QVERIFY(progress.size() >= 1);
        QVERIFY(progress.size() < 500);
        QCOMPARE(progress.last().at(0).toInt(), 500);
    }

    void aSlotMayStartTheNextJob()
    {
        JobRunner runner;
        QSignalSpy busy(&runner, &JobRunner::busyChanged);
        int ended = 0;
        connect(&runner, &JobRunner::finished, this, [&](Job *, Job::Outcome) {
            if (++ended == 1) {
                auto next = std::make_unique<SteppedJob>(1, JobKind::Export);
                next->gate.release();
                QVERIFY(runner.start(std::move(next)));
            }
        });
        auto first = std::make_unique<SteppedJob>(1);
        first->gate.release();
        QVERIFY(runner.start(std::move(first)));
        QTRY_COMPARE(ended, 2);
        // Busy all along from the first to the second: no idle moment in between.
        QCOMPARE(busy.size(), 3);
        QCOMPARE(busy.at(0).at(0).value<JobKind>(), JobKind::PageBatch);
        QCOMPARE(busy.at(1).at(0).value<JobKind>(), JobKind::Export);
        QCOMPARE(busy.at(2).at(0).value<JobKind>(), JobKind::None);
    }

    void destroyingTheRunnerCancelsAndWaits()
    {
        std::atomic_bool started{false};
        std::atomic_bool ended{false};
        {
            JobRunner runner;
            QVERIFY(runner.start(std::make_unique<UntilCancelledJob>(&started, &ended)));
            QTRY_VERIFY(started.load());
        }
        // The destructor cancelled the job and returned only once its run had ended.
        QVERIFY(ended.load());
    }
};

QTEST_GUILESS_MAIN(tst_JobRunner)
#include "tst_JobRunner.moc"
