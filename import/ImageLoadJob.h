#pragma once

#include <QList>
#include <QStringList>

#include <mutex>

#include "core/Job.h"
#include "import/ImagePageLoader.h"

// Picture files the user opened, made into pages (ImagePageLoader) as a job. What each file gave
// is handed over while the job runs, through takeLoaded(), so pages appear as they are ready.
class ImageLoadJob : public Job
{
public:
    ImageLoadJob(const QStringList &files, const ImagePageLoader::Options &options);

    Outcome run() override;

    // From any thread: the files loaded since the last call, in the order given.
    QList<ImagePageLoader::Result> takeLoaded();

private:
    const QStringList m_files;
    ImagePageLoader m_loader;

    std::mutex m_mutex;
    QList<ImagePageLoader::Result> m_loaded;
};
