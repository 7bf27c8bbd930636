#pragma once

#include <QString>

#include <atomic>
#include <functional>
#include <mutex>

// What a long operation is, for the busy state: which commands may run beside it.
enum class JobKind {
    None,        // nothing runs
    Scan,        // pages come from the scanner
    PageBatch,   // the page tool or the recognition tool changes pages
    Recognition, // text is recognised on pages
    Import,      // images or PDF files become pages
    Export,      // pages are written to a document or to image files
    Print,       // pages go to a printer
    ProjectOpen, // a project file becomes the page list
    ProjectSave  // the page list becomes a project file
};

// A long operation: run() does the work off the window's thread (a JobRunner's worker thread, or
// the command line's own thread), reports its progress as done of total plus a text, looks at
// isCancelled() between steps, and ends as Finished, Cancelled or Failed. What it made stays in
// the job's own members (its typed result), read by whoever started it once it has ended.
//
// run() touches no widget and nothing of the window's that the window may change meanwhile: what
// it needs is handed over when the job is made.
class Job
{
public:
    enum class Outcome { Finished, Cancelled, Failed };
    // done of total items, and what is being done now; called on the thread that runs the job.
    using ProgressHandler = std::function<void(int done, int total, const QString &text)>;

    explicit Job(JobKind kind)
        : m_kind(kind)
    {
    }
    virtual ~Job() = default;
    Job(const Job &) = delete;
    Job &operator=(const Job &) = delete;

    JobKind kind() const { return m_kind; }

    // The work. Runs on one thread from start to end.
    virtual Outcome run() = 0;

    // From any thread: asks run() to stop at its next check. A job may still finish the step it
    // is in, but never starts another.
    void cancel() { m_cancelled = true; }
    bool isCancelled() const { return m_cancelled; }
    // The flag itself, for waits that take one (a tool run's stop check).
    const std::atomic_bool &cancelFlag() const { return m_cancelled; }

    // Why the run failed, in words for the user; empty after a run that did not fail.
    QString errorString() const
    {
        const std::lock_guard lock(m_mutex);
        return m_error;
    }

    // Set before run(); replaces any earlier handler.
    void setProgressHandler(ProgressHandler handler) { m_progress = std::move(handler); }

protected:
    void reportProgress(int done, int total, const QString &text = {})
    {
        if (m_progress)
            m_progress(done, total, text);
    }
    void setErrorString(const QString &error)
    {
        const std::lock_guard lock(m_mutex);
        m_error = error;
    }

private:
    const JobKind m_kind;
    std::atomic_bool m_cancelled{false};
    mutable std::mutex m_mutex;
    QString m_error;
    ProgressHandler m_progress;
};
