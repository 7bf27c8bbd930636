#include "core/JobExportProgress.h"

#include "core/Job.h"

JobExportProgress::JobExportProgress(const Job &job, std::function<void(int, int)> report)
    : m_job(job)
    , m_report(std::move(report))
{
}

void JobExportProgress::setRange(int, int maximum)
{
    m_total = maximum;
}

void JobExportProgress::setValue(int value)
{
    m_report(value, m_total);
}

bool JobExportProgress::wasCanceled()
{
    return m_job.isCancelled();
}
