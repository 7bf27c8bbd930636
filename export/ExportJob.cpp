#include "export/ExportJob.h"

#include "core/JobExportProgress.h"

ExportJob::ExportJob(Work work)
    : Job(JobKind::Export)
    , m_work(std::move(work))
{
}

Job::Outcome ExportJob::run()
{
    JobExportProgress progress(*this, [this](int done, int total) { reportProgress(done, total); });
    const bool done = m_work(progress);
    if (isCancelled())
        return Outcome::Cancelled;
    return done ? Outcome::Finished : Outcome::Failed;
}
