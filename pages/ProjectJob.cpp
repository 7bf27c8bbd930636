#include "pages/ProjectJob.h"

#include <QDir>

#include "pages/PageRecovery.h"
#include "pages/ProjectArchive.h"

ProjectJob::ProjectJob(JobKind kind, const QString &path, const QString &folder,
                       const QStringList &workingPaths)
    : Job(kind)
    , m_path(path)
    , m_folder(folder)
    , m_workingPaths(workingPaths)
{
}

std::unique_ptr<ProjectJob> ProjectJob::save(const QString &path, const QStringList &workingPaths)
{
    return std::unique_ptr<ProjectJob>(
        new ProjectJob(JobKind::ProjectSave, path, QString(), workingPaths));
}

std::unique_ptr<ProjectJob> ProjectJob::open(const QString &path, const QString &folder)
{
    return std::unique_ptr<ProjectJob>(new ProjectJob(JobKind::ProjectOpen, path, folder, {}));
}

Job::Outcome ProjectJob::run()
{
    ProjectArchive archive;
    if (kind() == JobKind::ProjectSave) {
        if (archive.writeProject(m_path, m_workingPaths))
            return Outcome::Finished;
        setErrorString(archive.errorString());
        return Outcome::Failed;
    }
    QDir(m_folder).removeRecursively();
    QDir().mkpath(m_folder);
    archive.extract(m_path, m_folder);
    m_skipReasons = archive.skipReasons();
    if (!archive.errorString().isEmpty()) {
        setErrorString(archive.errorString());
        return Outcome::Failed;
    }
    if (PageRecovery::pageCount(m_folder) == 0) {
        setErrorString(ProjectArchive::tr("It holds no pages."));
        return Outcome::Failed;
    }
    return Outcome::Finished;
}
