#include "export/ExportJob.h"

#include "core/ExportProgress.h"

namespace {

// The writer's progress as the job's.
class JobProgress : public ExportProgress
{
public:
    explicit JobProgress(Job &job, std::function<void(int, int)> report)
        : m_job(job)
        , m_report(std::move(report))
    {
    }
    void setRange(int, int maximum) override { m_total = maximum; }
    void setValue(int value) override { m_report(value, m_total); }
    bool wasCanceled() override { return m_job.isCancelled(); }

private:
    Job &m_job;
    std::function<void(int, int)> m_report;
    int m_total = 0;
};

} // namespace

ExportJob::ExportJob(Work work)
    : Job(JobKind::Export)
    , m_work(std::move(work))
{
}

Job::Outcome ExportJob::run()
{
    JobProgress progress(*this, [this](int done, int total) { reportProgress(done, total); });
    const bool done = m_work(progress);
    if (isCancelled())
        return Outcome::Cancelled;
    return done ? Outcome::Finished : Outcome::Failed;
}
