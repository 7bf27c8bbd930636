#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>

#include "core/Job.h"

class QThread;

// Runs one job at a time on a worker thread, for an object on the window's thread. Progress and
// the end come back as queued signals; progress is merged, so a job that reports faster than the
// window paints sends at most one update per turn of the event loop. Nothing here waits: the
// window starts a job and reacts to finished().
class JobRunner : public QObject
{
    Q_OBJECT

public:
    explicit JobRunner(QObject *parent = nullptr);
    // Cancels a running job and waits for its thread: the job's run() must honour the cancel.
    ~JobRunner() override;

    // Starts the job on a worker thread. False, with the job dropped unrun, when another job is
    // still running.
    bool start(std::unique_ptr<Job> job);
    bool isBusy() const { return m_job != nullptr; }
    JobKind runningKind() const { return m_job ? m_job->kind() : JobKind::None; }
    // The running job; nullptr when none runs.
    Job *job() const { return m_job.get(); }
    // Asks the running job to stop; finished() follows once it has.
    void cancel();

    // The command line's synchronous wait: runs the job on the calling thread, progress going
    // straight to the job's own handler.
    static Job::Outcome runHere(Job &job) { return job.run(); }

signals:
    // A job started, or the last one ended and none runs (kind None).
    void busyChanged(JobKind kind);
    void progressChanged(int done, int total, const QString &text);
    // The job ended. It stays valid until the connected slots have returned and is deleted
    // afterwards; a slot may start the next job.
    void finished(Job *job, Job::Outcome outcome);

private:
    void deliverProgress();
    void jobEnded();

    std::unique_ptr<Job> m_job;
    QThread *m_thread = nullptr;
    Job::Outcome m_outcome = Job::Outcome::Failed;

    std::mutex m_progressMutex;
    bool m_progressPending = false;
    int m_done = 0;
    int m_total = 0;
    QString m_text;
};
