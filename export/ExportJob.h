#pragma once

#include <functional>

#include "core/Job.h"

class ExportProgress;

// An export whose writer reports through ExportProgress (the Word, DjVu and image writers), run
// as a job: the writer's steps become the job's progress, and its cancel checks ask the job.
// The work builds and runs the writer on the job's thread and keeps what it needs to report in
// its own captures; it answers whether the export went as it should.
class ExportJob : public Job
{
public:
    using Work = std::function<bool(ExportProgress &progress)>;

    explicit ExportJob(Work work);

    Outcome run() override;

private:
    Work m_work;
};
