#include "app/PrintJob.h"

PrintJob::PrintJob(const QStringList &files)
    : Job(JobKind::Print)
    , m_files(files)
    , m_printer(nullptr)
{
}

PrintJob::PrintJob(const QStringList &files, QPrinter *printer)
    : Job(JobKind::Print)
    , m_files(files)
    , m_printer(printer)
{
}

Job::Outcome PrintJob::run()
{
    const auto progress = [this](int position, int count) {
        reportProgress(position, count);
        return !isCancelled();
    };
    if (!m_printer) {
        m_sheets = PagePrinter::readSheets(m_files, progress);
        return isCancelled() ? Outcome::Cancelled : Outcome::Finished;
    }
    if (PagePrinter(m_printer).print(m_files, progress))
        return Outcome::Finished;
    return isCancelled() ? Outcome::Cancelled : Outcome::Failed;
}
