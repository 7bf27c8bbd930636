#pragma once

#include <QString>
#include <QStringList>

#include "core/Job.h"

// A project file written from the pages, or read into a staging folder, as a job (ProjectArchive).
// Writing: the working images in page order go into the file at path. Reading: the file's page
// files land in folder, from where the window moves them into its working folder once the job
// has ended well; a file that is no project leaves the open document as it was.
class ProjectJob : public Job
{
public:
    // Writes the project of workingPaths to path.
    static std::unique_ptr<ProjectJob> save(const QString &path, const QStringList &workingPaths);
    // Reads the project at path into folder (emptied first).
    static std::unique_ptr<ProjectJob> open(const QString &path, const QString &folder);

    Outcome run() override;

    QString path() const { return m_path; }
    QString folder() const { return m_folder; }
    // After reading: the entries left out, with the reason in brackets.
    QStringList skipReasons() const { return m_skipReasons; }

private:
    ProjectJob(JobKind kind, const QString &path, const QString &folder,
               const QStringList &workingPaths);

    const QString m_path;
    const QString m_folder;
    const QStringList m_workingPaths;
    QStringList m_skipReasons;
};
