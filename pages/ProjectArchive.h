#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Project files: ZIP archives of page files, each entry named by its bare file name and
// compressed with deflate. Writing never destroys an earlier file at the target before the new
// archive is complete; reading extracts only entries named like page files, so an archive from
// elsewhere cannot write outside the working folder.
class ProjectArchive
{
    Q_DECLARE_TR_FUNCTIONS(ProjectArchive)

public:
    // The entries of a project in their order: working images, thumbnails, source images.
    static QStringList projectFileList(const QStringList &workingPaths,
                                       const QStringList &thumbPaths);

    // Writes the files, in order, as entries named by their file names. The archive is built
    // under a temporary name in the target's folder (created if missing) and renamed over the
    // target when complete. False, with errorString() naming the file, when a listed file is
    // missing or unreadable or the archive cannot be written; then no partial archive remains
    // and an earlier file at the target is untouched.
    [[nodiscard]] bool write(const QString &archivePath, const QStringList &files);

    // The entry names of an archive; empty when it cannot be opened or holds nothing.
    static QStringList entryNames(const QString &archivePath);
    // Extracts the entries whose names are page file names (see PageFiles::isPageFileName)
    // into the folder; every other entry (folders, "..", absolute paths, links, other names) is
    // skipped. Each file is written completely or not at all. Returns the names extracted.
    QStringList extract(const QString &archivePath, const QString &folder);
    // Entries skipped by the last extract().
    QStringList skipped() const { return m_skipped; }

    QString errorString() const { return m_error; }

private:
    QString m_error;
    QStringList m_skipped;
};
