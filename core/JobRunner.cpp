#include "core/JobRunner.h"

#include <QThread>

JobRunner::JobRunner(QObject *parent)
    : QObject(parent)
{
}

JobRunner::~JobRunner()
{
    if (m_thread) {
        m_job->cancel();
        m_thread->wait();
        delete m_thread;
    }
}

bool JobRunner::start(std::unique_ptr<Job> job)
{
    if (!job || m_job)
        return false;
    m_job = std::move(job);
    {
        const std::lock_guard lock(m_progressMutex);
        m_progressPending = false;
    }
    m_job->setProgressHandler([this](int done, int total, const QString &text) {
        // On the worker thread: keep the newest figures, and post a delivery unless one is
        // already on its way.
        const std::lock_guard lock(m_progressMutex);
        m_done = done;
        m_total = total;
        m_text = text;
        if (m_progressPending)
            return;
        m_progressPending = true;
        QMetaObject::invokeMethod(this, &JobRunner::deliverProgress, Qt::QueuedConnection);
    });
    Job *running = m_job.get();
    m_thread = QThread::create([this, running] { m_outcome = running->run(); });
    m_thread->setObjectName(QStringLiteral("Job worker"));
    // Emitted on the worker thread as it ends; delivered here once it has.
    connect(m_thread, &QThread::finished, this, &JobRunner::jobEnded, Qt::QueuedConnection);
    const JobKind kind = m_job->kind();
    m_thread->start();
    emit busyChanged(kind);
    return true;
}

void JobRunner::cancel()
{
    if (m_job)
        m_job->cancel();
}

void JobRunner::deliverProgress()
{
    int done, total;
    QString text;
    {
        const std::lock_guard lock(m_progressMutex);
        if (!m_progressPending)
            return;
        m_progressPending = false;
        done = m_done;
        total = m_total;
        text = m_text;
    }
    if (m_job)
        emit progressChanged(done, total, text);
}

void JobRunner::jobEnded()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    // Figures still on their way belong to the job that ended: they go out before its end.
    deliverProgress();
    std::unique_ptr<Job> ended = std::move(m_job);
    ended->setProgressHandler({});
    emit finished(ended.get(), m_outcome);
    if (!m_job)
        emit busyChanged(JobKind::None);
}
