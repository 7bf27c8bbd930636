#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

#include "core/Job.h"

class JobRunner;
class PdfProgress;

// The running side of an export dialog: starts the dialog's job on the window's job runner (or
// one of its own), shows its progress in the dialog's progress window with Cancel, and calls the
// dialog back when that job has ended. Nothing waits: the dialog's apply() returns at once.
class ExportRun : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(Job &job, Job::Outcome outcome)>;

    explicit ExportRun(QObject *parent);

    // Not owned; without one, a runner of this object's own is made at the first start.
    void setJobRunner(JobRunner *runner);
    // Starts the job behind progress (taken over: shown window-modal, closed and deleted at the
    // end); done follows the job's end. False, with both dropped, while another job runs.
    bool start(std::unique_ptr<Job> job, PdfProgress *progress, Done done);
    bool isRunning() const { return m_running; }

private:
    void ended(Job *job, Job::Outcome outcome);

    JobRunner *m_runner = nullptr;
    QPointer<PdfProgress> m_progress;
    Done m_done;
    bool m_running = false;
};
