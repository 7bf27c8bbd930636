#include "import/ImageLoadJob.h"

#include <QCoreApplication>

#include <utility>

ImageLoadJob::ImageLoadJob(const QStringList &files, const ImagePageLoader::Options &options)
    : Job(JobKind::Import)
    , m_files(files)
    , m_loader(options)
{
}

Job::Outcome ImageLoadJob::run()
{
    const int total = int(m_files.size());
    const QString text = QCoreApplication::translate("MainWindow", "Opening...");
    for (int i = 0; i < total; ++i) {
        if (isCancelled())
            return Outcome::Cancelled;
        reportProgress(i, total, text);
        ImagePageLoader::Result loaded = m_loader.load(m_files.at(i));
        const std::lock_guard lock(m_mutex);
        m_loaded << std::move(loaded);
    }
    reportProgress(total, total, text);
    return Outcome::Finished;
}

QList<ImagePageLoader::Result> ImageLoadJob::takeLoaded()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_loaded, {});
}
