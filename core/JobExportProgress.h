#pragma once

#include <functional>

#include "core/ExportProgress.h"

class Job;

// A writer's progress (ExportProgress) as its job's: each step is reported through report, and
// the writer's cancel checks ask the job.
class JobExportProgress : public ExportProgress
{
public:
    // report: the job's own progress report (done, total), called on the job's thread.
    JobExportProgress(const Job &job, std::function<void(int, int)> report);

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    bool wasCanceled() override;

private:
    const Job &m_job;
    std::function<void(int, int)> m_report;
    int m_total = 0;
};
