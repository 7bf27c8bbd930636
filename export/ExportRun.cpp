#include "export/ExportRun.h"

#include "core/JobRunner.h"
#include "export/PdfProgress.h"

ExportRun::ExportRun(QObject *parent)
    : QObject(parent)
{
}

void ExportRun::setJobRunner(JobRunner *runner)
{
    if (m_runner)
        disconnect(m_runner, nullptr, this, nullptr);
    m_runner = runner;
    connect(runner, &JobRunner::progressChanged, this, [this](int done, int total) {
        if (!m_running || !m_progress)
            return;
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    });
    connect(runner, &JobRunner::finished, this, &ExportRun::ended);
}

bool ExportRun::start(std::unique_ptr<Job> job, PdfProgress *progress, Done done)
{
    if (!m_runner)
        setJobRunner(new JobRunner(this));
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->start();
    progress->setWindowModality(Qt::WindowModal);
    connect(progress, &PdfProgress::cancelled, m_runner, &JobRunner::cancel);
    if (m_running || !m_runner->start(std::move(job))) {
        progress->finish();
        progress->close();
        return false;
    }
    m_running = true;
    m_progress = progress;
    m_done = std::move(done);
    progress->open();
    return true;
}

void ExportRun::ended(Job *job, Job::Outcome outcome)
{
    if (!m_running)
        return;
    m_running = false;
    if (m_progress) {
        m_progress->finish();
        m_progress->close();
    }
    // Taken first: the callback may start the next export.
    const Done done = std::exchange(m_done, {});
    if (done)
        done(*job, outcome);
}
